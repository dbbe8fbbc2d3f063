#include "zip/TDirSearch.h"

#include "zip/Wildcard.h"

#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

namespace {

// The levels of the stack: the start folder and MaxDepth below it.
constexpr std::size_t kMaxLevels = TDirSearch::MaxDepth + 1;

QString WithSlash(const QString& folder) {
    if (folder.isEmpty())
        return QStringLiteral("./");
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

} // namespace

TDirSearch::TDirSearch(const QString& startFolder, const QString& mask, bool recurse)
    : m_mask(mask), m_recurse(recurse) {
    QString start = WithSlash(startFolder);
    if (Wildcard::IsPattern(start)) {
        const QStringList parts = start.split(u'/');
        qsizetype firstPattern = 0;
        while (firstPattern < parts.size() && !Wildcard::IsPattern(parts.at(firstPattern)))
            ++firstPattern;
        start = WithSlash(parts.mid(0, firstPattern).join(u'/'));
        if (firstPattern == 0)
            start = QStringLiteral("./");
        for (qsizetype i = firstPattern; i < parts.size(); ++i)
            if (!parts.at(i).isEmpty())
                m_folderPatterns.append(parts.at(i));
    }
    Push(start, m_folderPatterns.isEmpty() ? -1 : 0);
}

std::vector<TDirSearch::Entry> TDirSearch::ReadFolder(const QString& folder) {
    std::vector<Entry> entries;
    const QByteArray path = QFile::encodeName(folder);
    DIR* dir = opendir(path.constData());
    if (!dir)
        return entries;
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
            entries.push_back(Entry{QFile::decodeName(name), S_ISDIR(info.st_mode)});
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.name < b.name; });
    return entries;
}

void TDirSearch::Push(const QString& folder, int pattern) {
    if (m_stack.size() >= kMaxLevels)
        return;
    m_stack.push_back(Level{folder, ReadFolder(folder), 0, pattern});
}

QString TDirSearch::Next() {
    while (!m_stack.empty()) {
        Level& level = m_stack.back();
        if (level.next >= level.entries.size()) {
            m_stack.pop_back();
            continue;
        }
        const Entry entry = level.entries[level.next++];
        const QString path = level.folder + entry.name;
        if (level.pattern >= 0) {
            if (entry.folder && Wildcard::Matches(m_folderPatterns.at(level.pattern), entry.name)) {
                const int next = level.pattern + 1 < m_folderPatterns.size() ? level.pattern + 1 : -1;
                Push(path + u'/', next);
            }
            continue;
        }
        if (entry.folder) {
            if (!m_recurse)
                continue;
            Push(path + u'/', -1);
            return path + u'/';
        }
        const QString matched = entry.name.contains(u'.') ? entry.name : entry.name + u'.';
        if (Wildcard::Matches(m_mask, matched))
            return path;
    }
    return QString();
}
