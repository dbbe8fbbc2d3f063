#include "zip/TZipHeaderInfo.h"

#include "platform/base/ByteReader.h"
#include "platform/base/ByteWriter.h"
#include "zip/TStream.h"
#include "zip/ZipExceptions.h"
#include "zip/ZipNameCodec.h"

#include <algorithm>

namespace {

constexpr qsizetype kMaxField = 0xFFFF;

void CheckFieldLength(const QByteArray& field, const char* what) {
    if (field.size() > kMaxField)
        throw EZipTooLarge(QStringLiteral("The %1 of an entry is too large for a zip archive (%2 bytes)")
                               .arg(QLatin1String(what))
                               .arg(field.size()));
}

} // namespace

void TZipHeaderInfo::SetFileName(const QString& name) {
    m_fileName = name;
    EncodeName();
}

void TZipHeaderInfo::SetDirectory(const QString& folder) {
    QString path = folder;
    path.replace(u'/', u'\\');
    if (!path.isEmpty() && !path.endsWith(u'\\'))
        path += u'\\';
    m_directory = path;
    EncodeName();
}

void TZipHeaderInfo::SetOEMConvert(bool value) {
    if (m_oemConvert == value)
        return;
    m_oemConvert = value;
    EncodeName();
}

void TZipHeaderInfo::EncodeName() {
    QString name = FullName();
    name.replace(u'\\', u'/');
    bool utf8 = false;
    m_storedName = ZipNameCodec::Encode(name, m_oemConvert, &utf8);
    if (utf8)
        Flag |= ZipFormat::FlagUtf8;
    else
        Flag &= ~ZipFormat::FlagUtf8;
}

void TZipHeaderInfo::TakeStoredName(const QByteArray& name) {
    m_storedName = name;
    QString text = ZipNameCodec::Decode(name, Flag, HostSystem(), m_oemConvert);
    text.replace(u'/', u'\\');
    const qsizetype slash = text.lastIndexOf(u'\\');
    m_directory = text.left(slash + 1);
    m_fileName = text.mid(slash + 1);
}

void TZipHeaderInfo::ParseCentral(const char* fixed, const QByteArray& name, const QByteArray& extra,
                                  const QByteArray& comment) {
    ByteReader reader(fixed, ZipFormat::CentralHeaderSize);
    reader.Skip(4); // signature
    VersionMadeBy = reader.U16();
    VersionNeeded = reader.U16();
    Flag = reader.U16();
    CompressionMethod = reader.U16();
    LastModFileDate = reader.U32();
    CRC32 = reader.U32();
    CompressedSize = reader.U32();
    UncompressedSize = reader.U32();
    reader.Skip(2 + 2 + 2); // name, extra and comment lengths: the fields' own sizes
    DiskNumberStart = reader.U16();
    InternalFileAttributes = reader.U16();
    ExternalFileAttributes = reader.U32();
    RelativeOffset = reader.U32();
    m_extraField = extra;
    m_comment = comment;
    Selected = false;
    TakeStoredName(name);
}

std::uint64_t TZipHeaderInfo::Zip64Size() const {
    ByteReader fields(m_extraField.constData(), static_cast<std::size_t>(m_extraField.size()));
    while (fields.Remaining() >= 4) {
        const std::uint16_t id = fields.U16();
        const std::uint16_t length = fields.U16();
        if (fields.Remaining() < length)
            break;
        if (id != ZipFormat::Zip64ExtraId) {
            fields.Skip(length);
            continue;
        }
        const int sizes =
            int{UncompressedSize == ZipFormat::MaxSize32} + int{CompressedSize == ZipFormat::MaxSize32};
        std::uint64_t largest = 0;
        for (int i = 0; i < sizes && length >= 8 * (i + 1); ++i)
            largest = std::max(largest, fields.U64());
        return largest;
    }
    return 0;
}

std::optional<TZipHeaderInfo> TZipHeaderInfo::ReadLocal(TStream& stream, bool oemConvert) {
    const qint64 start = stream.Position();
    char fixed[ZipFormat::LocalHeaderSize];
    if (stream.ReadFully(fixed, sizeof fixed) != static_cast<qint64>(sizeof fixed)) {
        stream.SetPosition(start);
        return std::nullopt;
    }
    ByteReader reader(fixed, sizeof fixed);
    if (reader.U32() != ZipFormat::LocalHeaderSignature) {
        stream.SetPosition(start);
        return std::nullopt;
    }
    TZipHeaderInfo header;
    header.m_oemConvert = oemConvert;
    header.VersionMadeBy = 0;
    header.VersionNeeded = reader.U16();
    header.Flag = reader.U16();
    header.CompressionMethod = reader.U16();
    header.LastModFileDate = reader.U32();
    header.CRC32 = reader.U32();
    header.CompressedSize = reader.U32();
    header.UncompressedSize = reader.U32();
    const std::uint16_t nameLength = reader.U16();
    header.LocalExtraFieldLength = reader.U16();
    header.InternalFileAttributes = 0;
    header.ExternalFileAttributes = 0;
    header.RelativeOffset = static_cast<std::uint32_t>(start);
    QByteArray name(nameLength, Qt::Uninitialized);
    if (stream.ReadFully(name.data(), nameLength) != nameLength) {
        stream.SetPosition(start);
        return std::nullopt;
    }
    header.TakeStoredName(name);
    return header;
}

QByteArray TZipHeaderInfo::LocalHeader() const {
    CheckFieldLength(m_storedName, "name");
    ByteWriter writer;
    writer.U32(ZipFormat::LocalHeaderSignature);
    writer.U16(VersionNeeded);
    writer.U16(Flag);
    writer.U16(CompressionMethod);
    writer.U32(LastModFileDate);
    writer.U32(CRC32);
    writer.U32(CompressedSize);
    writer.U32(UncompressedSize);
    writer.U16(FileNameLength());
    writer.U16(LocalExtraFieldLength);
    writer.Bytes(m_storedName);
    return writer.Take();
}

QByteArray TZipHeaderInfo::CentralHeader() const {
    CheckFieldLength(m_storedName, "name");
    CheckFieldLength(m_extraField, "extra field");
    CheckFieldLength(m_comment, "comment");
    ByteWriter writer;
    writer.U32(ZipFormat::CentralHeaderSignature);
    writer.U16(VersionMadeBy);
    writer.U16(VersionNeeded);
    writer.U16(Flag);
    writer.U16(CompressionMethod);
    writer.U32(LastModFileDate);
    writer.U32(CRC32);
    writer.U32(CompressedSize);
    writer.U32(UncompressedSize);
    writer.U16(FileNameLength());
    writer.U16(ExtraFieldLength());
    writer.U16(FileCommentLength());
    writer.U16(DiskNumberStart);
    writer.U16(InternalFileAttributes);
    writer.U32(ExternalFileAttributes);
    writer.U32(RelativeOffset);
    writer.Bytes(m_storedName);
    writer.Bytes(m_extraField);
    writer.Bytes(m_comment);
    return writer.Take();
}
