#include "zip/ZipArchive.h"

#include "zip/TBufferedFileStream.h"
#include "zip/ZipExceptions.h"

#include <QFileInfo>

ZipArchive::ZipArchive() : m_systemMedia(std::make_unique<TZipMedia>()), m_media(m_systemMedia.get()) {}

ZipArchive::~ZipArchive() = default;

void ZipArchive::Rename(const QString& name) {
    m_name = name;
    m_directory.Clear();
    m_view.reset();
    m_endCentral.Reset();
    m_haveDirectory = false;
    Close();
}

void ZipArchive::SetMedia(TZipMedia* media) {
    m_media = media ? media : m_systemMedia.get();
}

TStream& ZipArchive::File() const {
    return *m_file;
}

void ZipArchive::Open(bool flushOnClose) {
    if (!m_file)
        m_file = std::make_unique<TBufferedFileStream>(m_name, TFileMode::fmOpenRead,
                                                       ZipFormat::StreamBufferSize, flushOnClose);
}

void ZipArchive::OpenDisk(const QString& name, int diskNumber, bool flushOnClose) {
    m_file = std::make_unique<TBufferedFileStream>(name, TFileMode::fmOpenRead, ZipFormat::StreamBufferSize,
                                                   flushOnClose);
    m_currentDisk = diskNumber - 1;
    NoteFileState(name);
    m_name = name;
}

void ZipArchive::Close() {
    m_file.reset();
}

void ZipArchive::Clear() {
    Close();
    m_directory.Clear();
    m_view.reset();
    m_endCentral.Reset();
    m_haveDirectory = false;
    m_currentDisk = 0;
    m_diskCount = 0;
    m_multiMode = TMultiMode::mmNone;
    m_name.clear();
}

void ZipArchive::NoteFileState(const QString& path) {
    const QFileInfo info(path);
    m_fileDate = info.lastModified();
    m_fileSize = info.size();
}

bool ZipArchive::DirectoryIsCurrent() const {
    const QFileInfo info(m_name);
    return m_haveDirectory && info.lastModified() == m_fileDate && info.size() == m_fileSize;
}

void ZipArchive::BeginReading() {
    NoteFileState(m_name);
    m_directory.Clear();
    m_view.reset();
    m_haveDirectory = false;
    if (m_fileSize > static_cast<qint64>(ZipFormat::MaxSize32))
        throw EZipTooLarge(QStringLiteral("Archive \"%1\" is too large for a zip archive").arg(m_name));
}

void ZipArchive::FinishReading() {
    m_haveDirectory = true;
    Sort(m_sortMode);
}

void ZipArchive::Adopt(const QString& name, std::vector<std::unique_ptr<TZipHeaderInfo>> entries,
                       const TEndCentral& end, TMultiMode multiMode) {
    m_name = name;
    m_directory.Clear();
    m_view.reset();
    for (auto& entry : entries)
        m_directory.Add(std::move(entry));
    m_endCentral = end;
    m_haveDirectory = true;
    NoteFileState(name);
    m_diskCount = end.ThisDisk + 1;
    m_currentDisk = end.ThisDisk;
    m_multiMode = multiMode;
}

TZipHeaderInfo& ZipArchive::Entry(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("Index %1 is out of range").arg(index));
    return m_view ? *m_view->Items(index) : *m_directory.Items(index);
}

void ZipArchive::Sort(TZipSortMode mode) {
    m_sortMode = mode;
    m_view.reset();
    if (mode == TZipSortMode::ByNone)
        return;
    m_view = std::make_unique<TSortedZip>(mode, false);
    for (TZipHeaderInfo* entry : m_directory.Entries())
        m_view->AddShared(entry);
}
