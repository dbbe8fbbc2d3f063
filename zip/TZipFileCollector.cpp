#include "zip/TZipFileCollector.h"

#include "zip/TDirSearch.h"
#include "zip/Wildcard.h"
#include "zip/ZipArchive.h"
#include "zip/ZipEventSink.h"
#include "zip/ZipFiles.h"
#include "zip/ZipFormat.h"
#include "zip/ZipReaderOptions.h"
#include "zip/ZipWriterOptions.h"

namespace {

const QString kAnyFile = QStringLiteral("*.*");

} // namespace

TZipFileCollector::TZipFileCollector(ZipReaderOptions& reading, const ZipWriterOptions& writing,
                                     const ZipArchive& archive, const ZipWriterEvents& events,
                                     ZipEventSink& sink)
    : m_reading(reading), m_writing(writing), m_archive(archive), m_events(events), m_sink(sink),
      m_sender(sink.Sender()) {}

bool TZipFileCollector::MatchesList(const QStringList& patterns, const QString& path) {
    for (const QString& pattern : patterns) {
        const QString text = pattern.contains(u'/') ? path : ZipFiles::NameOf(path);
        if (Wildcard::Matches(pattern.toLower(), text.toLower()))
            return true;
    }
    return false;
}

TZipFileCollector::StoredName TZipFileCollector::StoredFormOf(const QString& file) const {
    StoredName stored;
    stored.name = ZipFiles::NameOf(file);
    if (!m_writing.StorePaths)
        return stored;
    QString path = ZipFiles::FolderOf(file);
    if (path.isEmpty())
        path = QStringLiteral("/");
    if (m_writing.RelativePaths && !m_reading.RootDir.isEmpty() &&
        path.startsWith(m_reading.RootDir, Qt::CaseInsensitive))
        path.remove(0, m_reading.RootDir.size());
    if (!m_writing.StoreVolumes && path.startsWith(u'/'))
        path.remove(0, 1);
    path.replace(u'/', u'\\');
    stored.folder = path;
    return stored;
}

bool TZipFileCollector::Fresh(const QString& file) const {
    if (m_writing.SkipIfArchiveBitNotSet && (ZipFiles::DosAttributes(file) & ZipFormat::AttrArchive) == 0)
        return false;
    if (m_writing.ZipAction != TZipAction::zaFreshen)
        return true;
    const StoredName stored = StoredFormOf(file);
    const QString full = stored.folder + stored.name;
    for (const TZipHeaderInfo* entry : m_archive.Entries().Entries())
        if (entry->FullName().compare(full, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

qint64 TZipFileCollector::Expand() {
    qint64 total = 0;
    QStringList files;
    QStringList patterns;
    for (QString line : m_reading.FilesList) {
        if (line.endsWith(u'/')) {
            files.append(line);
            continue;
        }
        if (Wildcard::IsPattern(line)) {
            patterns.append(line);
            continue;
        }
        if (!line.contains(u'/'))
            line = m_reading.RootDir + line;
        if (MatchesList(m_writing.ExcludeList, line))
            continue;
        if (!ZipFiles::FileExists(line)) {
            m_events.OnNoSuchFile(m_sender, line);
            continue;
        }
        if (!Fresh(line))
            continue;
        files.append(line);
        total += ZipFiles::FileSize(line).value_or(0);
    }
    for (QString pattern : patterns) {
        bool recurse = m_writing.Recurse;
        if (pattern.startsWith(u'|')) {
            recurse = false;
            pattern.remove(0, 1);
        } else if (pattern.startsWith(u'>')) {
            recurse = true;
            pattern.remove(0, 1);
        }
        QString folder = ZipFiles::FolderOf(pattern);
        if (folder.isEmpty())
            folder = m_reading.RootDir;
        QString mask = ZipFiles::NameOf(pattern);
        if (mask == kAnyFile)
            mask = QStringLiteral("*");
        if (!folder.isEmpty() && !ZipFiles::FolderExists(folder) && !Wildcard::IsPattern(folder))
            continue;
        TDirSearch search(folder, mask, recurse);
        for (QString name = search.Next(); !name.isEmpty(); name = search.Next()) {
            if (name.startsWith(QStringLiteral("./")) && !folder.startsWith(QStringLiteral("./")))
                name.remove(0, 2);
            m_events.OnRecursingFile(m_sender, name);
            if (name.endsWith(u'/')) {
                if (recurse && m_writing.AddDirEntriesOnRecurse)
                    files.append(name);
                continue;
            }
            if (MatchesList(m_writing.ExcludeList, name))
                continue;
            m_sink.ProcessMessages();
            if (ZipFiles::SameFile(name, m_archive.Name()) || !Fresh(name))
                continue;
            files.append(name);
            total += ZipFiles::FileSize(name).value_or(0);
        }
    }
    m_reading.FilesList = files;
    return total;
}
