#include "zip/TZipFileCollector.h"

#include "zip/TDirSearch.h"
#include "zip/TZipWriter.h"
#include "zip/Wildcard.h"
#include "zip/ZipFiles.h"
#include "zip/ZipFormat.h"

namespace {

const QString kAnyFile = QStringLiteral("*.*");

} // namespace

TZipFileCollector::TZipFileCollector(TZipWriter& writer) : m_writer(writer) {}

bool TZipFileCollector::MatchesList(const QStringList& patterns, const QString& path) {
    for (const QString& pattern : patterns) {
        const QString text = pattern.contains(u'/') ? path : ZipFiles::NameOf(path);
        if (Wildcard::Matches(pattern.toLower(), text.toLower()))
            return true;
    }
    return false;
}

TZipFileCollector::StoredName TZipFileCollector::StoredFormOf(const QString& file) const {
    const TZipWriter& w = m_writer;
    StoredName stored;
    stored.name = ZipFiles::NameOf(file);
    if (!w.m_storePaths)
        return stored;
    QString path = ZipFiles::FolderOf(file);
    if (path.isEmpty())
        path = QStringLiteral("/");
    if (w.m_relativePaths && !w.m_rootDir.isEmpty() && path.startsWith(w.m_rootDir, Qt::CaseInsensitive))
        path.remove(0, w.m_rootDir.size());
    if (!w.m_storeVolumes && path.startsWith(u'/'))
        path.remove(0, 1);
    path.replace(u'/', u'\\');
    stored.folder = path;
    return stored;
}

bool TZipFileCollector::Fresh(const QString& file) const {
    if (m_writer.m_skipIfArchiveBitNotSet && (ZipFiles::DosAttributes(file) & ZipFormat::AttrArchive) == 0)
        return false;
    if (m_writer.m_zipAction != TZipAction::zaFreshen)
        return true;
    const StoredName stored = StoredFormOf(file);
    const QString full = stored.folder + stored.name;
    for (const TZipHeaderInfo* entry : m_writer.m_directory.Entries())
        if (entry->FullName().compare(full, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

qint64 TZipFileCollector::Expand() {
    TZipWriter& w = m_writer;
    qint64 total = 0;
    QStringList files;
    QStringList patterns;
    for (QString line : w.m_filesList) {
        if (line.endsWith(u'/')) {
            files.append(line);
            continue;
        }
        if (Wildcard::IsPattern(line)) {
            patterns.append(line);
            continue;
        }
        if (!line.contains(u'/'))
            line = w.m_rootDir + line;
        if (MatchesList(w.m_excludeList, line))
            continue;
        if (!ZipFiles::FileExists(line)) {
            w.OnNoSuchFile(&w, line);
            continue;
        }
        if (!Fresh(line))
            continue;
        files.append(line);
        total += ZipFiles::FileSize(line).value_or(0);
    }
    for (QString pattern : patterns) {
        bool recurse = w.m_recurse;
        if (pattern.startsWith(u'|')) {
            recurse = false;
            pattern.remove(0, 1);
        } else if (pattern.startsWith(u'>')) {
            recurse = true;
            pattern.remove(0, 1);
        }
        QString folder = ZipFiles::FolderOf(pattern);
        if (folder.isEmpty())
            folder = w.m_rootDir;
        QString mask = ZipFiles::NameOf(pattern);
        if (mask == kAnyFile)
            mask = QStringLiteral("*");
        if (!folder.isEmpty() && !ZipFiles::FolderExists(folder) && !Wildcard::IsPattern(folder))
            continue;
        TDirSearch search(folder, mask, recurse);
        for (QString name = search.Next(); !name.isEmpty(); name = search.Next()) {
            if (name.startsWith(QStringLiteral("./")) && !folder.startsWith(QStringLiteral("./")))
                name.remove(0, 2);
            w.OnRecursingFile(&w, name);
            if (name.endsWith(u'/')) {
                if (recurse && w.m_addDirEntriesOnRecurse)
                    files.append(name);
                continue;
            }
            if (MatchesList(w.m_excludeList, name))
                continue;
            w.ProcessMessages();
            if (ZipFiles::SameFile(name, w.m_zipName) || !Fresh(name))
                continue;
            files.append(name);
            total += ZipFiles::FileSize(name).value_or(0);
        }
    }
    w.m_filesList = files;
    return total;
}
