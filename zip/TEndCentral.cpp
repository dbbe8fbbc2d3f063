#include "zip/TEndCentral.h"

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "zip/TStream.h"
#include "zip/ZipExceptions.h"

#include <algorithm>

namespace {

constexpr int kCommentLengthOffset = 20;
// The ZIP64 end record and the locator right before the end record that says where it is.
constexpr std::uint32_t kZip64RecordSignature = 0x06064B50;
constexpr std::uint32_t kZip64LocatorSignature = 0x07064B50;
constexpr int kZip64RecordSize = 56;
constexpr int kZip64LocatorSize = 20;
// More entries than a directory list can index are not read.
constexpr std::uint64_t kMostEntries = 0x7FFFFFFF;

} // namespace

void TEndCentral::Parse(const char* fixed) {
    ByteReader reader(fixed, ZipFormat::EndCentralSize);
    Signature = reader.U32();
    ThisDisk = reader.U16();
    CentralDisk = reader.U16();
    EntriesThisDisk = reader.U16();
    TotalEntries = reader.U16();
    CentralSize = reader.U32();
    CentralOffset = reader.U32();
}

qint64 TEndCentral::Locate(TStream& stream) {
    Reset();
    const qint64 size = stream.Size();
    if (size == 0) {
        Signature = 0;
        return 0;
    }
    if (size < ZipFormat::EndCentralSize)
        return -1;
    const qint64 tailSize = std::min<qint64>(ZipFormat::MaxEndCentralSize, size);
    const qint64 tailStart = size - tailSize;
    QByteArray tail(tailSize, Qt::Uninitialized);
    stream.SetPosition(tailStart);
    if (stream.ReadFully(tail.data(), tailSize) != tailSize)
        return -1;
    const char* data = tail.constData();
    ByteReader scan(tail);
    for (qint64 at = tailSize - ZipFormat::EndCentralSize; at >= 0; --at) {
        scan.Seek(static_cast<std::size_t>(at));
        if (scan.U32() != ZipFormat::EndCentralSignature)
            continue;
        const qint64 position = tailStart + at;
        scan.Seek(static_cast<std::size_t>(at + kCommentLengthOffset));
        const qint64 commentLength = scan.U16();
        const qint64 room = tailSize - at - ZipFormat::EndCentralSize;
        Reset();
        Parse(data + at);
        qint64 directoryEnd = position;
        if (!ReadZip64(stream, position, directoryEnd))
            continue;
        if (commentLength != room && !DescribesDirectory(stream, directoryEnd))
            continue;
        Comment = tail.mid(at + ZipFormat::EndCentralSize, std::min(commentLength, room));
        CommentPosition = position + ZipFormat::EndCentralSize;
        return position;
    }
    Reset();
    return -1;
}

bool TEndCentral::ReadZip64(TStream& stream, qint64 position, qint64& directoryEnd) {
    constexpr std::uint16_t full16 = 0xFFFF;
    constexpr std::uint32_t full32 = 0xFFFFFFFF;
    if (TotalEntries != full16 && EntriesThisDisk != full16 && CentralSize != full32 &&
        CentralOffset != full32)
        return true;
    // Without a ZIP64 record full counts are 65535 entries; the directory
    // reading finds out when there are more.
    const bool countsOnly = CentralSize != full32 && CentralOffset != full32;
    char locator[kZip64LocatorSize];
    if (position < kZip64LocatorSize)
        return countsOnly;
    stream.SetPosition(position - kZip64LocatorSize);
    if (stream.ReadFully(locator, kZip64LocatorSize) != kZip64LocatorSize)
        return countsOnly;
    ByteReader at(locator, kZip64LocatorSize);
    if (at.U32() != kZip64LocatorSignature)
        return countsOnly;
    const std::uint32_t recordDisk = at.U32();
    const std::uint64_t recordPosition = at.U64();
    const std::uint32_t disks = at.U32();
    // Sets of several disks with ZIP64 records are not read.
    if (recordDisk != 0 || disks > 1 ||
        recordPosition + kZip64RecordSize > static_cast<std::uint64_t>(position - kZip64LocatorSize))
        return false;
    char record[kZip64RecordSize];
    stream.SetPosition(static_cast<qint64>(recordPosition));
    if (stream.ReadFully(record, kZip64RecordSize) != kZip64RecordSize)
        return false;
    ByteReader fields(record, kZip64RecordSize);
    if (fields.U32() != kZip64RecordSignature)
        return false;
    fields.Skip(8 + 2 + 2); // record size, versions
    const std::uint32_t thisDisk = fields.U32();
    const std::uint32_t centralDisk = fields.U32();
    const std::uint64_t entriesThisDisk = fields.U64();
    const std::uint64_t entries = fields.U64();
    const std::uint64_t centralSize = fields.U64();
    const std::uint64_t centralOffset = fields.U64();
    if (thisDisk != 0 || centralDisk != 0 || entriesThisDisk != entries || entries > kMostEntries ||
        centralSize > ZipFormat::MaxSize32 || centralOffset > ZipFormat::MaxSize32)
        return false;
    Zip64Entries = static_cast<qint64>(entries);
    CentralSize = static_cast<std::uint32_t>(centralSize);
    CentralOffset = static_cast<std::uint32_t>(centralOffset);
    directoryEnd = static_cast<qint64>(recordPosition);
    return true;
}

bool TEndCentral::DescribesDirectory(TStream& stream, qint64 directoryEnd) const {
    if (ThisDisk != 0 || CentralDisk != 0 || EntriesThisDisk != TotalEntries ||
        static_cast<qint64>(CentralOffset) + CentralSize > directoryEnd)
        return false;
    if (EntryCount() == 0)
        return CentralSize == 0;
    char signature[4];
    stream.SetPosition(CentralOffset);
    return stream.ReadFully(signature, 4) == 4 &&
           ByteReader(signature, 4).U32() == ZipFormat::CentralHeaderSignature;
}

QByteArray TEndCentral::Record() const {
    if (Comment.size() > ZipFormat::MaxCommentLength)
        throw EZipTooLarge(QStringLiteral("The archive comment is too large (%1 bytes)").arg(Comment.size()));
    ByteWriter writer;
    writer.U32(ZipFormat::EndCentralSignature);
    writer.U16(ThisDisk);
    writer.U16(CentralDisk);
    writer.U16(EntriesThisDisk);
    writer.U16(TotalEntries);
    writer.U32(CentralSize);
    writer.U32(CentralOffset);
    writer.U16(static_cast<std::uint16_t>(Comment.size()));
    writer.Bytes(Comment);
    return writer.Take();
}
