#include "zip/TEndCentral.h"

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "zip/TStream.h"
#include "zip/ZipExceptions.h"

#include <algorithm>

namespace {

constexpr int kCommentLengthOffset = 20;

std::uint32_t Le32(const char* p) {
    return ByteReader(p, 4).U32();
}

std::uint16_t Le16(const char* p) {
    return ByteReader(p, 2).U16();
}

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
    for (qint64 at = tailSize - ZipFormat::EndCentralSize; at >= 0; --at) {
        if (Le32(data + at) != ZipFormat::EndCentralSignature)
            continue;
        const qint64 commentLength = Le16(data + at + kCommentLengthOffset);
        if (at + ZipFormat::EndCentralSize + commentLength != tailSize)
            continue;
        Parse(data + at);
        Comment = tail.mid(at + ZipFormat::EndCentralSize, commentLength);
        CommentPosition = tailStart + at + ZipFormat::EndCentralSize;
        return tailStart + at;
    }
    return -1;
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
