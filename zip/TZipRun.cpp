#include "zip/TZipRun.h"

#include "platform/base/ByteReader.h"
#include "platform/base/Crc32.h"
#include "platform/base/SystemClock.h"
#include "platform/base/TPrompter.h"
#include "platform/os/TempPaths.h"
#include "zip/CipherSink.h"
#include "zip/CrcSource.h"
#include "zip/DosDateTime.h"
#include "zip/TBufferedFileStream.h"
#include "zip/TZipCrypt.h"
#include "zip/TZipOutput.h"
#include "zip/TZipWriter.h"
#include "zip/ZipArchive.h"
#include "zip/ZipEventSink.h"
#include "zip/ZipExceptions.h"
#include "zip/ZipFiles.h"

#include <QFile>
#include <QScopeGuard>

#include <optional>
#include <vector>

namespace {

// Attempts to open a source file while OnSkippingFile asks to retry.
constexpr int kMaxOpenAttempts = 10;
// Blocks of a multi-disk run's copy into the disks.
constexpr qint64 kCopyStep = 16384;
// Blocks of the CRC pass before encrypting.
constexpr qint64 kCrcPassBlock = 8192;
const QString kTemporaryPrefix = QStringLiteral("zeb");

// A notice for the user after the work is done; dropped where nobody can be asked.
void Notify(const TPromptRequest& request) {
    if (TPrompter::IsInstalled())
        TPrompter::Current().Prompt(request);
}

// An extra field (records of id, length and data) holds ZIP64 information.
bool HasZip64Field(const QByteArray& extra) {
    ByteReader fields(extra.constData(), static_cast<std::size_t>(extra.size()));
    while (fields.Remaining() >= 4) {
        const std::uint16_t id = fields.U16();
        const std::uint16_t length = fields.U16();
        if (id == ZipFormat::Zip64ExtraId)
            return true;
        if (fields.Remaining() < length)
            return false;
        fields.Skip(length);
    }
    return false;
}

} // namespace

// The reading routine: source blocks and the progress events.
class TZipRun::Reading : public TByteSource {
public:
    Reading(TZipRun& run, TStream& source, qint64 size, bool multiDisk)
        : m_run(run), m_source(source), m_size(size), m_multiDisk(multiDisk) {}

    std::size_t Fill(std::uint8_t* buffer, std::size_t capacity) override {
        const qint64 n = std::min<qint64>(static_cast<qint64>(capacity), ZipFormat::BlockSize);
        const qint64 got = m_source.ReadFully(buffer, n);
        if (got <= 0)
            return 0;
        m_read += got;
        m_run.m_bytesDone += got;
        const int percent = TZipReader::Percent(m_read, m_size);
        m_run.m_readerEvents.OnFilePercentDone(m_run.m_sender, m_multiDisk ? percent / 2 : percent);
        m_run.FireTotalPercent();
        return static_cast<std::size_t>(got);
    }

private:
    TZipRun& m_run;
    TStream& m_source;
    qint64 m_size;
    bool m_multiDisk;
    qint64 m_read = 0;
};

// The output routine: blocks written to the archive (or a multi-disk run's
// temporary file), counted, and a message pump after each.
class TZipRun::Writing : public TByteSink {
public:
    Writing(ZipEventSink& sink, TZipOutput* output, TStream* temporary)
        : m_sink(sink), m_output(output), m_temporary(temporary) {}

    void Write(const std::uint8_t* block, std::size_t size) override {
        const auto n = static_cast<qint64>(size);
        if (m_temporary) {
            if (m_temporary->Write(block, n) != n)
                throw ENotEnoughRoom(QStringLiteral("Not enough room to write archive"));
        } else {
            m_output->Write(block, n);
        }
        m_written += n;
        if (m_written > static_cast<qint64>(ZipFormat::MaxSize32))
            throw EZipTooLarge(QStringLiteral("An entry is too large for a zip archive"));
        m_sink.ProcessMessages();
    }

    qint64 Written() const { return m_written; }

private:
    ZipEventSink& m_sink;
    TZipOutput* m_output;
    TStream* m_temporary;
    qint64 m_written = 0;
};

TZipRun::TZipRun(ZipArchive& archive, ZipReaderOptions& reading, ZipWriterOptions writing,
                 ZipReaderEvents readerEvents, ZipWriterEvents events, ZipEventSink& sink)
    : m_archive(archive), m_reading(reading), m_writing(std::move(writing)),
      m_readerEvents(std::move(readerEvents)), m_events(std::move(events)), m_sink(sink),
      m_sender(sink.Sender()), m_collector(m_reading, m_writing, m_archive, m_events, m_sink) {}

void TZipRun::FireTotalPercent() {
    m_readerEvents.OnTotalPercentDone(m_sender, TZipReader::Percent(m_bytesDone, m_totalBytes));
}

TZipRun::~TZipRun() = default;

QString TZipRun::TemporaryFolder() const {
    return ZipFiles::FolderExists(m_writing.TempPath) ? m_writing.TempPath : TempPaths::TempFolder();
}

int TZipRun::Run() {
    const TZipSortMode sortMode = m_archive.SortMode();
    const bool keepOpen = m_reading.KeepZipOpen;
    const TMultiMode readMode = m_archive.MultiMode();
    const auto ending = [&]() {
        m_reading.KeepZipOpen = keepOpen;
        m_archive.Sort(sortMode);
        m_sink.CloseZip();
        m_reading.FilesList.clear();
    };
    int added = 0;
    try {
        added = Build();
    } catch (...) {
        m_output.reset();
        m_archive.SetMultiMode(readMode);
        ending();
        throw;
    }
    ending();
    return added;
}

int TZipRun::Build() {
    const TMultiZipInfo& multi = m_writing.MultiZipInfo;
    m_multiDisk = multi.MultiMode != TMultiMode::mmNone;
    if (multi.MultiMode == TMultiMode::mmBlocks &&
        (multi.BlockSize < TMultiZipInfo::MinBlockSize || multi.FirstBlockSize < TMultiZipInfo::MinBlockSize))
        throw EZipError(
            QStringLiteral("Pieces must hold at least %1 bytes").arg(TMultiZipInfo::MinBlockSize));
    m_archive.SetCurrentDisk(0);
    m_reading.KeepZipOpen = true;
    // The disks this run writes decide how the next one is asked for.
    m_archive.SetMultiMode(multi.MultiMode);
    m_archive.Sort(TZipSortMode::ByNone);

    const bool updating = !m_multiDisk && ZipFiles::FileExists(m_archive.Name());
    if (updating) {
        m_sink.ReadDirectory();
        m_sink.OpenZip();
    }
    m_totalBytes = m_reading.FilesList.isEmpty() ? 0 : m_collector.Expand();
    m_bytesDone = 0;

    if (updating || m_archive.EndCentral().Modified) {
        m_end = m_archive.EndCentral();
        m_end.TotalEntries = m_end.EntriesThisDisk = 0;
        m_end.Zip64Entries.reset();
    }
    m_end.Modified = false;
    if (!m_reading.FilesList.isEmpty() && m_events.OnStartZipInfo) {
        bool stop = false;
        m_events.OnStartZipInfo(m_sender, static_cast<int>(m_reading.FilesList.size()), m_totalBytes, m_end,
                                stop);
        if (stop)
            throw EUserCanceled(QStringLiteral("User canceled Zip operation"));
    }
    if (m_multiDisk)
        m_totalBytes *= 2;

    TZipOutput::Settings settings;
    settings.zipName = m_archive.Name();
    settings.multi = multi;
    settings.flushOnClose = m_reading.FlushFilesOnClose;
    settings.media = &m_archive.Media();
    settings.nextDisk = [this](int disk, QString& name) {
        m_readerEvents.OnGetNextDisk(m_sender, disk, name);
        if (m_sink.TakeCancel())
            name.clear();
    };
    settings.prepareDisk = [this](int disk) { m_events.OnPrepareNextDisk(m_sender, disk); };
    if (multi.MultiMode == TMultiMode::mmSpan) {
        // Room for the directory copy, worked out afresh for every run.
        if (multi.SaveZipInfoOnFirstDisk)
            m_directoryCopyReserve =
                m_reading.FilesList.size() * (m_writing.StorePaths
                                                  ? TZipWriter::DirectoryCopyPerFile
                                                  : TZipWriter::DirectoryCopyPerFileWithoutPaths) +
                ZipFormat::EndCentralSize + m_end.Comment.size() + TZipWriter::DirectoryCopyReserve;
        settings.firstDiskReserve = multi.SaveOnFirstDisk + m_directoryCopyReserve;
    }
    m_output = std::make_unique<TZipOutput>(settings);
    m_output->Open();
    m_deflater = std::make_unique<TDeflater>();

    if (updating)
        ProcessExistingEntries();
    while (!m_reading.FilesList.isEmpty()) {
        const QString line = m_reading.FilesList.takeFirst();
        if (AddFile(line) && m_writing.Dispose)
            m_disposeList.append(line);
    }
    WriteDirectory();
    m_archive.Close();
    const QString finalName = m_output->Finish();
    Adopt(finalName);
    DisposeFiles();
    m_readerEvents.OnTotalPercentDone(m_sender, 100);
    if (m_multiDisk && multi.SaveZipInfoOnFirstDisk && m_end.ThisDisk > 0)
        WriteDirectoryCopy();
    return m_added;
}

// ---- existing entries ---------------------------------------------------------------

void TZipRun::ProcessExistingEntries() {
    const std::vector<TZipHeaderInfo*> entries = m_archive.Entries().Entries();
    for (int index = 0; index < static_cast<int>(entries.size()); ++index) {
        const TZipHeaderInfo& old = *entries[static_cast<std::size_t>(index)];
        qsizetype match = -1;
        for (qsizetype i = 0; i < m_reading.FilesList.size() && match < 0; ++i) {
            const TZipFileCollector::StoredName stored = m_collector.StoredFormOf(m_reading.FilesList.at(i));
            if ((stored.folder + stored.name).compare(old.FullName(), Qt::CaseInsensitive) == 0)
                match = i;
        }
        if (match >= 0) {
            const QString line = m_reading.FilesList.takeAt(match);
            const std::uint32_t fileDate =
                DosDateTime::Normalise(DosDateTime::FromDateTime(ZipFiles::ModificationTime(line)));
            const bool keep = m_writing.ZipAction != TZipAction::zaReplace &&
                              DosDateTime::Normalise(old.LastModFileDate) >= fileDate;
            if (!keep) {
                m_events.OnUpdate(m_sender, TUpdateAction::uaReplacing, index);
                if (AddFile(line) && m_writing.Dispose)
                    m_disposeList.append(line);
                continue;
            }
            if (m_writing.Dispose)
                m_disposeList.append(line);
            m_totalBytes -= ZipFiles::FileSize(line).value_or(0);
            m_events.OnUpdate(m_sender, TUpdateAction::uaKeeping, index);
        }
        KeepEntry(old);
    }
}

void TZipRun::KeepEntry(const TZipHeaderInfo& old) {
    TStream& archive = m_archive.File();
    archive.SetPosition(old.RelativeOffset);
    char fixed[ZipFormat::LocalHeaderSize];
    if (archive.ReadFully(fixed, sizeof fixed) != static_cast<qint64>(sizeof fixed))
        throw EBadZipFile(QStringLiteral("Not a valid zip file!"));
    ByteReader local(fixed, sizeof fixed);
    if (local.U32() != ZipFormat::LocalHeaderSignature)
        throw EBadZipFile(QStringLiteral("Not a valid zip file!"));
    local.Seek(26);
    const qint64 nameLength = local.U16();
    const qint64 extraLength = local.U16();
    qint64 length = ZipFormat::LocalHeaderSize + nameLength + extraLength + old.CompressedSize;
    if (old.HasDataDescriptor()) {
        // Sizes and CRC follow the data, with or without their signature;
        // the sizes take 8 bytes each when the local header has a ZIP64 field.
        QByteArray extra(extraLength, Qt::Uninitialized);
        archive.SetPosition(static_cast<qint64>(old.RelativeOffset) + ZipFormat::LocalHeaderSize +
                            nameLength);
        if (archive.ReadFully(extra.data(), extraLength) != extraLength)
            throw EBadZipFile(QStringLiteral("Not a valid zip file!"));
        archive.SetPosition(static_cast<qint64>(old.RelativeOffset) + length);
        char signature[4];
        const bool marked = archive.ReadFully(signature, 4) == 4 &&
                            ByteReader(signature, 4).U32() == ZipFormat::DataDescriptorSignature;
        length +=
            (HasZip64Field(extra) ? ZipFormat::Zip64DataDescriptorSize : ZipFormat::DataDescriptorSize) +
            (marked ? 4 : 0);
    }
    auto kept = std::make_unique<TZipHeaderInfo>(old);
    kept->RelativeOffset = static_cast<std::uint32_t>(m_output->Position());
    kept->DiskNumberStart = static_cast<std::uint16_t>(m_output->Disk());
    archive.SetPosition(old.RelativeOffset);
    std::vector<char> block(ZipFormat::BlockSize);
    for (qint64 left = length; left > 0;) {
        const qint64 n = std::min<qint64>(left, ZipFormat::BlockSize);
        if (archive.ReadFully(block.data(), n) != n)
            throw EBadZipFile(QStringLiteral("Not a valid zip file!"));
        m_output->Write(block.data(), n);
        left -= n;
        m_sink.ProcessMessages();
    }
    Enter(std::move(kept));
}

void TZipRun::Enter(std::unique_ptr<TZipHeaderInfo> header) {
    if (m_byOrder.Count() >= 0xFFFF)
        throw EZipTooLarge(QStringLiteral("Too many entries for a zip archive"));
    TZipHeaderInfo* entry = header.get();
    m_byOrder.Add(std::move(header));
    m_byName.AddShared(entry);
    ++m_end.TotalEntries;
    ++m_end.EntriesThisDisk;
}

// ---- new files ----------------------------------------------------------------------------

bool TZipRun::AddFolder(const QString& line) {
    const TZipFileCollector::StoredName stored = m_collector.StoredFormOf(line);
    if (stored.folder.isEmpty())
        return false; // without stored folders there is nothing to store
    auto header = std::make_unique<TZipHeaderInfo>();
    header->SetOEMConvert(m_reading.OEMConvert);
    header->SetDirectory(stored.folder);
    const bool exists = ZipFiles::FolderExists(line);
    header->LastModFileDate =
        DosDateTime::FromDateTime(exists ? ZipFiles::ModificationTime(line) : SystemClock::Now());
    header->CRC32 = 0;
    header->CompressionMethod = ZipFormat::MethodStored;
    header->InternalFileAttributes = ZipFormat::InternalBinary;
    header->ExternalFileAttributes = exists ? ZipFiles::DosAttributes(line) : ZipFormat::AttrDirectory;
    if (m_byName.FindByName(header->FullName())) {
        bool retry = false;
        m_readerEvents.OnSkippingFile(m_sender, TSkipReason::srNoOverwrite, line, -1, retry);
        return false;
    }
    bool skip = false;
    m_events.OnStartZip(m_sender, line, *header, skip);
    if (skip)
        return false;
    const QByteArray local = header->LocalHeader();
    if (m_multiDisk && m_output->RoomLeft() <= local.size())
        m_output->NextDisk();
    header->RelativeOffset = static_cast<std::uint32_t>(m_output->Position());
    header->DiskNumberStart = static_cast<std::uint16_t>(m_output->Disk());
    m_output->Write(local.constData(), local.size());
    m_events.OnEndZip(m_sender, line, 0, 0, 0);
    Enter(std::move(header));
    ++m_added;
    return true;
}

bool TZipRun::AddFile(const QString& line) {
    if (line.endsWith(u'/'))
        return AddFolder(line);
    if (!ZipFiles::FileExists(line))
        return false;
    const qint64 size = ZipFiles::FileSize(line).value_or(0);
    if (size > static_cast<qint64>(ZipFormat::MaxSize32))
        throw EZipTooLarge(QStringLiteral("File \"%1\" is too large for a zip archive").arg(line));
    std::unique_ptr<TBufferedFileStream> source;
    for (int attempt = 0; !source; ++attempt) {
        try {
            source = std::make_unique<TBufferedFileStream>(line, TFileMode::fmOpenRead,
                                                           ZipFormat::StreamBufferSize);
        } catch (const EFOpenError&) {
            bool retry = false;
            m_readerEvents.OnSkippingFile(m_sender, TSkipReason::srFileOpenError, line, -1, retry);
            if (!retry || attempt + 1 >= kMaxOpenAttempts) {
                m_totalBytes -= size;
                return false;
            }
        }
    }
    auto header = std::make_unique<TZipHeaderInfo>();
    header->SetOEMConvert(m_reading.OEMConvert);
    const TZipFileCollector::StoredName stored = m_collector.StoredFormOf(line);
    header->SetDirectory(stored.folder);
    header->SetFileName(stored.name);
    header->LastModFileDate = DosDateTime::FromDateTime(ZipFiles::ModificationTime(line));
    header->UncompressedSize = static_cast<std::uint32_t>(size);
    header->ExternalFileAttributes = ZipFiles::DosAttributes(line);
    header->InternalFileAttributes = ZipFormat::InternalUndecided;
    header->CompressionMethod = ZipFormat::MethodDeflated;
    if (m_byName.FindByName(header->FullName())) {
        bool retry = false;
        m_readerEvents.OnSkippingFile(m_sender, TSkipReason::srNoOverwrite, line, -1, retry);
        m_totalBytes -= size;
        return false;
    }
    bool skip = false;
    m_events.OnStartZip(m_sender, line, *header, skip);
    if (skip) {
        m_totalBytes -= size;
        return false;
    }
    if (m_multiDisk && m_output->RoomLeft() <= header->LocalHeaderLength())
        m_output->NextDisk();
    header->RelativeOffset = static_cast<std::uint32_t>(m_output->Position());
    header->DiskNumberStart = static_cast<std::uint16_t>(m_output->Disk());

    if (m_multiDisk) {
        const QString temporaryName = TempPaths::CreateFile(kTemporaryPrefix, QString(), TemporaryFolder());
        const auto removeTemporary = qScopeGuard([&temporaryName] { QFile::remove(temporaryName); });
        TBufferedFileStream temporary(temporaryName, TFileMode::fmCreatePrivate, ZipFormat::StreamBufferSize);
        Compress(line, *source, *header, &temporary);
        if (!temporary.FlushBuffer())
            throw ENotEnoughRoom(QStringLiteral("Not enough room to write archive"));
        const QByteArray local = header->LocalHeader();
        m_output->Write(local.constData(), local.size());
        CopyIntoDisks(temporary, *header);
    } else {
        const QByteArray placeholder = header->LocalHeader();
        m_output->Write(placeholder.constData(), placeholder.size());
        Compress(line, *source, *header, nullptr);
        m_output->Rewrite(header->RelativeOffset, header->LocalHeader());
    }
    m_events.OnEndZip(m_sender, line, header->UncompressedSize, header->CompressedSize, m_output->Position());
    Enter(std::move(header));
    ++m_added;
    return true;
}

void TZipRun::Compress(const QString& line, TStream& source, TZipHeaderInfo& header, TStream* temporary) {
    std::unique_ptr<TZipCrypt> crypt;
    ByteCipher encrypt;
    std::uint32_t firstCrc = 0;
    qint64 firstSize = 0;
    if (!m_reading.Password.isEmpty()) {
        // The check byte of the encryption header needs the CRC before the data.
        std::vector<char> block(kCrcPassBlock);
        for (qint64 got; (got = source.ReadFully(block.data(), kCrcPassBlock)) > 0;) {
            firstCrc = Crc32Update(firstCrc, block.data(), static_cast<std::size_t>(got));
            firstSize += got;
        }
        source.SetPosition(0);
        crypt = std::make_unique<TZipCrypt>(TZipCrypt::PasswordBytes(m_reading.Password));
        if (m_events.OnEncrypt)
            encrypt = [this](std::uint8_t* block, std::size_t size) {
                m_events.OnEncrypt(m_sender, block, static_cast<int>(size), m_reading.Password);
            };
        else
            encrypt = [keys = crypt.get()](std::uint8_t* block, std::size_t size) {
                keys->Encrypt(block, size);
            };
    }
    // The stages: the file, the CRC, the encoder, the encryption with a
    // password, the archive.
    Reading reading(*this, source, header.UncompressedSize, m_multiDisk);
    CrcSource input(reading);
    Writing writing(m_sink, m_output.get(), temporary);
    std::optional<CipherSink> enciphered;
    if (encrypt)
        enciphered.emplace(writing, std::move(encrypt));
    TByteSink& output = enciphered ? static_cast<TByteSink&>(*enciphered) : writing;
    if (crypt) {
        const QByteArray plain = TZipCrypt::PlainHeader(firstCrc);
        output.Write(reinterpret_cast<const std::uint8_t*>(plain.constData()),
                     static_cast<std::size_t>(plain.size()));
    }
    QString storedPath = header.FullName();
    storedPath.replace(u'\\', u'/');
    const int level = std::clamp(m_writing.PackLevel, 0, 9);
    if (level == 0 || TZipFileCollector::MatchesList(m_writing.NoCompressList, storedPath)) {
        std::vector<std::uint8_t> block(ZipFormat::BlockSize);
        while (const std::size_t n = input.Fill(block.data(), block.size()))
            output.Write(block.data(), n);
        header.CompressionMethod = ZipFormat::MethodStored;
        header.InternalFileAttributes = ZipFormat::InternalBinary;
    } else {
        const TDeflater::Result result = m_deflater->Deflate(input, output, level);
        header.Flag |= result.flags;
        header.InternalFileAttributes = result.internalAttributes;
        if (result.stored)
            header.CompressionMethod = ZipFormat::MethodStored;
    }
    if (input.Count() > ZipFormat::MaxSize32)
        throw EZipTooLarge(QStringLiteral("File \"%1\" is too large for a zip archive").arg(line));
    if (crypt && (input.Crc() != firstCrc || input.Count() != static_cast<std::uint64_t>(firstSize)))
        throw EZipError(QStringLiteral("File \"%1\" changed while it was being added").arg(line));
    header.CRC32 = input.Crc();
    header.UncompressedSize = static_cast<std::uint32_t>(input.Count());
    header.CompressedSize = static_cast<std::uint32_t>(writing.Written()); // with the encryption header
    if (crypt)
        header.Flag |= ZipFormat::FlagEncrypted;
}

void TZipRun::CopyIntoDisks(TStream& temporary, TZipHeaderInfo& header) {
    const qint64 size = temporary.Size();
    const qint64 plain = header.UncompressedSize;
    m_totalBytes -= plain - size;
    temporary.SetPosition(0);
    std::vector<char> block(kCopyStep);
    for (qint64 copied = 0; copied < size;) {
        if (m_output->RoomLeft() <= 0)
            m_output->NextDisk();
        const qint64 n = std::min({kCopyStep, size - copied, m_output->RoomLeft()});
        if (temporary.ReadFully(block.data(), n) != n)
            throw EZipError(QStringLiteral("Cannot read back a temporary file"));
        m_output->Write(block.data(), n);
        copied += n;
        m_bytesDone += n;
        m_readerEvents.OnFilePercentDone(m_sender, TZipReader::Percent(plain + copied, plain + size));
        FireTotalPercent();
        m_sink.ProcessMessages();
    }
}

// ---- directory -----------------------------------------------------------------------------

void TZipRun::WriteDirectory() {
    qint64 offset = m_output->Position();
    int disk = m_output->Disk();
    qint64 size = 0;
    int onDisk = 0;
    bool first = true;
    for (const TZipHeaderInfo* entry : m_byOrder.Entries()) {
        const QByteArray central = entry->CentralHeader();
        if (m_multiDisk && m_output->RoomLeft() < central.size()) {
            m_output->NextDisk();
            onDisk = 0;
            if (first) {
                offset = 0;
                disk = m_output->Disk();
            }
        }
        m_output->Write(central.constData(), central.size());
        size += central.size();
        ++onDisk;
        first = false;
    }
    if (m_multiDisk && m_output->RoomLeft() < ZipFormat::EndCentralSize + m_end.Comment.size()) {
        m_output->NextDisk();
        onDisk = 0;
    }
    m_end.ThisDisk = static_cast<std::uint16_t>(m_output->Disk());
    m_end.CentralDisk = static_cast<std::uint16_t>(disk);
    m_end.EntriesThisDisk = static_cast<std::uint16_t>(onDisk);
    m_end.TotalEntries = static_cast<std::uint16_t>(m_byOrder.Count());
    m_end.CentralSize = static_cast<std::uint32_t>(size);
    m_end.CentralOffset = static_cast<std::uint32_t>(offset);
    const QByteArray record = m_end.Record();
    m_output->Write(record.constData(), record.size());
}

void TZipRun::Adopt(const QString& finalName) {
    m_archive.Adopt(finalName, m_byOrder.TakeAll(), m_end,
                    m_end.ThisDisk > 0 ? m_writing.MultiZipInfo.MultiMode : TMultiMode::mmNone);
}

void TZipRun::DisposeFiles() {
    for (const QString& file : m_disposeList) {
        bool skip = false;
        m_events.OnDisposeFile(m_sender, file, skip);
        if (!skip)
            QFile::remove(file);
    }
}

void TZipRun::WriteDirectoryCopy() {
    QString name = m_archive.Name();
    if (m_writing.MultiZipInfo.MultiMode == TMultiMode::mmSpan) {
        m_readerEvents.OnGetNextDisk(m_sender, 1, name);
        if (name.isEmpty())
            return;
    }
    const QString copyName = ZipFiles::ReplaceExtension(name, QStringLiteral(".zfc"));
    std::unique_ptr<TBufferedFileStream> copy;
    try {
        copy = std::make_unique<TBufferedFileStream>(copyName, TFileMode::fmCreatePrivate,
                                                     ZipFormat::StreamBufferSize);
    } catch (const EFOpenError&) {
        Notify(TPromptRequest::FromMessageBoxFlags(
            QStringLiteral("Unable to create Zip Configuration File to disk"), QString(), 0));
        return;
    }
    try {
        for (const TZipHeaderInfo* entry : m_archive.Entries().Entries())
            copy->WriteBuffer(entry->CentralHeader().constData(), entry->CentralHeaderLength());
        const QByteArray record = m_end.Record();
        copy->WriteBuffer(record.constData(), record.size());
        copy->Close();
    } catch (const EStreamError&) {
        Notify(TPromptRequest::FromMessageBoxFlags(
            QStringLiteral("Unable to save Zip Configuration File to disk"), QString(), 0));
    }
}
