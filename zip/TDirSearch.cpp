#include "zip/TDirSearch.h"

#include "zip/Wildcard.h"

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

void TDirSearch::Push(const QString& folder, int pattern) {
    if (m_stack.size() >= kMaxLevels)
        return;
    m_stack.push_back(Level{TSearchData(folder), pattern});
}

QString TDirSearch::Next() {
    while (!m_stack.empty()) {
        Level& level = m_stack.back();
        if (level.search.End()) {
            m_stack.pop_back();
            continue;
        }
        const TSearchData::Found entry = level.search.Next();
        const QString path = level.search.Folder() + entry.name;
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
