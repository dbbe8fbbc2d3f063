#include "zip/TSearchData.h"

#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

TSearchData::TSearchData(const QString& folder) : m_folder(folder) {
    const QByteArray path = QFile::encodeName(folder);
    DIR* dir = opendir(path.constData());
    if (!dir)
        return;
    while (const dirent* item = readdir(dir)) {
        const QByteArray name(item->d_name);
        if (name == "." || name == "..")
            continue;
        const QByteArray full = path + name;
        struct stat info {};
        if (lstat(full.constData(), &info) != 0)
            continue;
        if (S_ISLNK(info.st_mode)) {
            // A link counts as the file it names; links to folders are not walked.
            if (stat(full.constData(), &info) != 0 || !S_ISREG(info.st_mode))
                continue;
        }
        if (S_ISDIR(info.st_mode) || S_ISREG(info.st_mode))
            m_entries.push_back(Found{QFile::decodeName(name), S_ISDIR(info.st_mode)});
    }
    closedir(dir);
    std::sort(m_entries.begin(), m_entries.end(),
              [](const Found& a, const Found& b) { return a.name < b.name; });
}
