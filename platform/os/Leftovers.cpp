#include "platform/os/Leftovers.h"

#include "platform/os/TreeRemover.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <cctype>
#include <cstring>
#include <dirent.h>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using FileId = std::pair<dev_t, ino_t>;

// The names in folder, "." and ".." left out.
std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir))
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
            names.emplace_back(entry->d_name);
    ::closedir(dir);
    return names;
}

// Every file and folder some process of this user holds open.
std::set<FileId> OpenFiles() {
    std::set<FileId> open;
    for (const std::string& pid : Names("/proc")) {
        if (!std::isdigit(static_cast<unsigned char>(pid.front())))
            continue;
        const std::string fds = "/proc/" + pid + "/fd/";
        for (const std::string& fd : Names(fds)) {
            struct stat info {};
            if (::stat((fds + fd).c_str(), &info) == 0)
                open.insert({info.st_dev, info.st_ino});
        }
    }
    return open;
}

} // namespace

QStringList Leftovers::Remove(const QString& folder, const QString& pattern) {
    const QRegularExpression whole(QRegularExpression::anchoredPattern(pattern));
    const QDir dir(folder);
    QStringList candidates;
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        if (whole.match(name).hasMatch())
            candidates << name;
    if (candidates.isEmpty())
        return {};
    const std::set<FileId> open = OpenFiles();
    QStringList removed;
    for (const QString& name : candidates) {
        const QString path = dir.filePath(name);
        struct stat info {};
        if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || info.st_uid != geteuid() ||
            S_ISLNK(info.st_mode) || open.count({info.st_dev, info.st_ino}) != 0)
            continue;
        const bool gone =
            S_ISDIR(info.st_mode) ? TreeRemover::Remove(path, false, false) : QFile::remove(path);
        if (gone)
            removed << name;
    }
    return removed;
}
