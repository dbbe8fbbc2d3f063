#include "zip/TZipDirectoryReader.h"

#include "platform/base/ByteReader.h"
#include "zip/TBufferedFileStream.h"
#include "zip/ZipArchive.h"
#include "zip/ZipEventSink.h"
#include "zip/ZipExceptions.h"
#include "zip/ZipFiles.h"
#include "zip/ZipReaderOptions.h"

#include <QFileInfo>

#include <cstring>

namespace {

constexpr int kNameLengthOffset = 28;
constexpr int kExtraLengthOffset = 30;
constexpr int kCommentLengthOffset = 32;
// The version-needed byte after a local signature: higher values are not
// believed while rebuilding.
constexpr int kMaxVersionHigh = 10;
constexpr qint64 kScanBlock = 65536;

} // namespace

TZipDirectoryReader::TZipDirectoryReader(ZipArchive& archive, ZipReaderOptions& options,
                                         ZipReaderEvents events, ZipEventSink& sink)
    : m_archive(archive), m_options(options), m_events(std::move(events)), m_sink(sink),
      m_sender(sink.Sender()) {}

TStream& TZipDirectoryReader::File() const {
    return m_archive.File();
}

void TZipDirectoryReader::Bad(const QString& message) {
    m_archive.Clear();
    throw EBadZipFile(message);
}

qint64 TZipDirectoryReader::LocateEnd(TStream& stream) {
    TEndCentral& end = m_archive.EndCentral();
    const qint64 position = end.Locate(stream);
    if (position < 0)
        return -1;
    const bool believable = end.ThisDisk <= ZipFormat::MaxDiskNumber &&
                            end.CentralDisk <= ZipFormat::MaxDiskNumber && end.ThisDisk >= end.CentralDisk;
    return believable ? position : -1;
}

void TZipDirectoryReader::Read() {
    ZipArchive& archive = m_archive;
    archive.BeginReading();
    const QString& name = archive.Name();
    qint64 endPosition = LocateEnd(File());
    std::unique_ptr<TBufferedFileStream> zfc;
    if (endPosition < 0) {
        const QString copy = ZipFiles::ReplaceExtension(name, QStringLiteral(".zfc"));
        if (ZipFiles::FileExists(copy)) {
            zfc = std::make_unique<TBufferedFileStream>(copy, TFileMode::fmOpenRead,
                                                        ZipFormat::StreamBufferSize);
            endPosition = LocateEnd(*zfc);
            if (endPosition < 0)
                zfc.reset();
        }
    }
    if (endPosition < 0) {
        TIncompleteZipMode mode = m_options.IncompleteZipMode;
        m_events.OnInCompleteZip(m_sender, mode);
        m_options.IncompleteZipMode = mode;
        if (mode == TIncompleteZipMode::izAssumeNotAZip)
            throw ENotAZipFile(QStringLiteral("Not a valid zip file!"));
        if (mode == TIncompleteZipMode::izAssumeMulti)
            throw EIncompleteZip(QStringLiteral("Incomplete Zip File"));
        if (!Recover())
            Bad();
    } else {
        const TEndCentral& end = archive.EndCentral();
        archive.SetCurrentDisk(zfc ? 0 : end.ThisDisk);
        m_multiDisk = end.ThisDisk != 0 && !zfc;
        if (end.ThisDisk == 0)
            archive.SetMultiMode(TMultiMode::mmNone);
        else
            archive.SetMultiMode(archive.Media().IsRemovable(name) ? TMultiMode::mmSpan
                                                                   : TMultiMode::mmBlocks);
        bool read = true;
        if (end.EntryCount() > 0) {
            if (zfc) {
                zfc->SetPosition(0);
            } else {
                if (m_multiDisk && end.CentralDisk != archive.CurrentDisk())
                    m_sink.AskForNewDisk(end.CentralDisk + 1);
                // A single file's directory must lie before its end record.
                if (!m_multiDisk && static_cast<qint64>(end.CentralOffset) + end.CentralSize > endPosition)
                    read = false;
                else
                    File().SetPosition(end.CentralOffset);
            }
            read = read && ReadCentral(zfc.get());
        }
        if (!read) {
            if (m_multiDisk)
                Bad();
            if (!Recover())
                Bad();
        }
        archive.SetDiskCount(archive.EndCentral().ThisDisk + 1);
    }
    archive.FinishReading();
}

qint64 TZipDirectoryReader::ReadSpanning(TStream* zfc, char* buffer, qint64 count) {
    if (zfc)
        return zfc->ReadFully(buffer, count);
    qint64 got = File().ReadFully(buffer, count);
    if (got < count && m_multiDisk) {
        m_sink.AskForNewDisk(m_archive.CurrentDisk() + 2);
        got += File().ReadFully(buffer + got, count - got);
    }
    return got;
}

std::unique_ptr<TZipHeaderInfo> TZipDirectoryReader::ReadCentralHeader(TStream* zfc) {
    TStream& stream = zfc ? *zfc : File();
    const qint64 start = stream.Position();
    char fixed[ZipFormat::CentralHeaderSize];
    const qint64 got = ReadSpanning(zfc, fixed, sizeof fixed);
    TStream& now = zfc ? *zfc : File();
    const auto fail = [&]() -> std::unique_ptr<TZipHeaderInfo> {
        if (&now == &stream)
            stream.SetPosition(start);
        return nullptr;
    };
    if (got != static_cast<qint64>(sizeof fixed))
        return fail();
    ByteReader fields(fixed, sizeof fixed);
    if (fields.U32() != ZipFormat::CentralHeaderSignature)
        return fail();
    fields.Seek(kNameLengthOffset);
    const std::uint16_t nameLength = fields.U16();
    const std::uint16_t extraLength = fields.U16();
    const std::uint16_t commentLength = fields.U16();
    QByteArray rest(nameLength + extraLength + commentLength, Qt::Uninitialized);
    if (ReadSpanning(zfc, rest.data(), rest.size()) != rest.size())
        return fail();
    auto header = std::make_unique<TZipHeaderInfo>();
    header->SetOEMConvert(m_options.OEMConvert);
    header->ParseCentral(fixed, rest.left(nameLength), rest.mid(nameLength, extraLength),
                         rest.right(commentLength));
    header->CentralOffset = start;
    return header;
}

bool TZipDirectoryReader::ReadCentral(TStream* zfc) {
    const qint64 count = m_archive.EndCentral().EntryCount();
    TZipHeaderInfo* previous = nullptr;
    for (qint64 i = 0; i < count; ++i) {
        std::unique_ptr<TZipHeaderInfo> header = ReadCentralHeader(zfc);
        if (!header && previous && previous->ExtraFieldLength() > 0) {
            // A wrong extra length on the previous entry: try where its extra field began.
            TStream& stream = zfc ? *zfc : File();
            stream.Seek(-static_cast<qint64>(previous->ExtraFieldLength()), TSeekOrigin::soCurrent);
            previous->SetExtraField(QByteArray());
            header = ReadCentralHeader(zfc);
        }
        if (!header)
            return false;
        // Sizes past 32 bits are refused before anything is unpacked.
        if (header->Zip64Size() > ZipFormat::MaxSize32)
            throw EZipTooLarge(QStringLiteral("The size of entry \"%1\" (%2 bytes) is beyond the 4 GiB this "
                                              "reader supports")
                                   .arg(header->FullName())
                                   .arg(header->Zip64Size()));
        try {
            previous = header.get();
            m_archive.Entries().Add(std::move(header));
        } catch (const EListError&) {
            return false;
        }
    }
    if (!zfc && !m_multiDisk && MoreHeadersFollow())
        Bad(QStringLiteral("The archive holds more entries than its end record counts"));
    return true;
}

bool TZipDirectoryReader::MoreHeadersFollow() {
    TStream& stream = File();
    const TEndCentral& end = m_archive.EndCentral();
    char signature[4];
    return stream.Position() < static_cast<qint64>(end.CentralOffset) + end.CentralSize &&
           stream.ReadFully(signature, 4) == 4 &&
           ByteReader(signature, 4).U32() == ZipFormat::CentralHeaderSignature;
}

qint64 TZipDirectoryReader::FindLocalHeader(TStream& stream, qint64 start) {
    const qint64 size = stream.Size();
    QByteArray block(kScanBlock + 6, Qt::Uninitialized);
    qint64 sincePump = 0;
    for (qint64 at = start; at < size; at += kScanBlock) {
        stream.SetPosition(at);
        const qint64 got = stream.ReadFully(block.data(), block.size());
        ByteReader scan(block.constData(), static_cast<std::size_t>(std::max<qint64>(got, 0)));
        for (qint64 i = 0; i + 6 <= got && i < kScanBlock; ++i) {
            scan.Seek(static_cast<std::size_t>(i));
            const std::uint32_t signature = scan.U32();
            scan.Skip(1);
            if (signature == ZipFormat::LocalHeaderSignature && scan.U8() < kMaxVersionHigh)
                return at + i;
        }
        sincePump += kScanBlock;
        while (sincePump >= ScanPumpInterval) {
            m_sink.ProcessMessages();
            sincePump -= ScanPumpInterval;
        }
    }
    return -1;
}

bool TZipDirectoryReader::Recover() {
    if (m_recovered)
        return false;
    m_recovered = true;
    ZipArchive& archive = m_archive;
    archive.Entries().Clear();
    archive.SetCurrentDisk(0);
    archive.SetMultiMode(TMultiMode::mmNone);
    m_multiDisk = false;
    TStream& stream = File();
    const qint64 size = stream.Size();
    const qint64 start =
        archive.Name().endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive) ? ExeStubSize : 0;
    qint64 position = FindLocalHeader(stream, start);
    if (position < 0)
        return false;
    int found = 0;
    while (position < size) {
        stream.SetPosition(position);
        std::optional<TZipHeaderInfo> local = TZipHeaderInfo::ReadLocal(stream, m_options.OEMConvert);
        if (!local)
            break;
        const qint64 next = position + local->LocalHeaderLength() + local->CompressedSize +
                            (local->HasDataDescriptor() ? 16 : 0);
        archive.Entries().Add(std::make_unique<TZipHeaderInfo>(*local));
        ++found;
        position = next;
    }
    if (found == 0)
        return false;
    TEndCentral& end = archive.EndCentral();
    end.Reset();
    end.CentralOffset = static_cast<std::uint32_t>(std::min<qint64>(position, ZipFormat::MaxSize32));
    end.TotalEntries = end.EntriesThisDisk = static_cast<std::uint16_t>(std::min(found, 0xFFFF));
    if (found > 0xFFFF)
        end.Zip64Entries = found;
    // Central headers found where the walk stopped give the entries they
    // name the rest of their fields; the walk's offsets stay.
    if (position < size) {
        stream.SetPosition(position);
        for (int i = 0; i < found; ++i) {
            std::unique_ptr<TZipHeaderInfo> central = ReadCentralHeader(nullptr);
            if (!central)
                break;
            TZipHeaderInfo* entry =
                archive.Entries().FindByPosition(central->DiskNumberStart, central->RelativeOffset);
            if (entry && entry->StoredName() == central->StoredName())
                *entry = *central;
        }
    }
    archive.SetDiskCount(1);
    return true;
}
