#pragma once
// One entry of an archive: the fields of its local and central headers, its
// name split into folder and file name, its central extra field and comment.
// Folders are held with backslashes and one trailing backslash ("dir\sub\");
// the archive holds them with forward slashes.

#include "zip/ZipFormat.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>

class TStream;

class TZipHeaderInfo {
public:
    std::uint16_t VersionMadeBy = ZipFormat::ZipVersion;
    std::uint16_t VersionNeeded = ZipFormat::ZipVersion;
    std::uint16_t Flag = 0;
    std::uint16_t CompressionMethod = ZipFormat::MethodDeflated;
    std::uint32_t LastModFileDate = 0; // DOS time in the low word, date in the high word
    std::uint32_t CRC32 = 0xFFFFFFFF;
    std::uint32_t CompressedSize = 0; // with the encryption header when encrypted
    std::uint32_t UncompressedSize = 0;
    std::uint16_t LocalExtraFieldLength = 0;
    std::uint16_t DiskNumberStart = 0; // 0-based disk of the local header
    std::uint16_t InternalFileAttributes = ZipFormat::InternalText;
    std::uint32_t ExternalFileAttributes = ZipFormat::AttrArchive;
    std::uint32_t RelativeOffset = 0; // of the local header on its disk
    qint64 CentralOffset = 0;         // of the central header in the archive read
    bool Selected = false;

    const QString& FileName() const { return m_fileName; }
    const QString& Directory() const { return m_directory; }
    // Folder and file name, as the entry is stored (backslashes).
    QString FullName() const { return m_directory + m_fileName; }
    void SetFileName(const QString& name);
    // A folder without a trailing backslash gets one; "/" becomes "\".
    void SetDirectory(const QString& folder);

    // Names are held in the OEM code page when set (else the ANSI page).
    bool OEMConvert() const { return m_oemConvert; }
    void SetOEMConvert(bool value);

    // The name as the archive holds it (forward slashes, encoded).
    const QByteArray& StoredName() const { return m_storedName; }
    std::uint16_t FileNameLength() const { return static_cast<std::uint16_t>(m_storedName.size()); }

    void SetExtraField(const QByteArray& extra) { m_extraField = extra; }
    std::uint16_t ExtraFieldLength() const { return static_cast<std::uint16_t>(m_extraField.size()); }

    // The comment's bytes as stored (empty for none).
    const QByteArray& FileComment() const { return m_comment; }
    void SetFileComment(const QByteArray& comment) { m_comment = comment; }
    std::uint16_t FileCommentLength() const { return static_cast<std::uint16_t>(m_comment.size()); }

    // The largest size the ZIP64 extended information of the extra field
    // gives for the size fields that hold 0xFFFFFFFF (uncompressed first,
    // then compressed, 8 bytes each); 0 when there is none.
    std::uint64_t Zip64Size() const;

    bool Encrypted() const { return Flag & ZipFormat::FlagEncrypted; }
    bool HasDataDescriptor() const { return Flag & ZipFormat::FlagDataDescriptor; }
    int HostSystem() const { return VersionMadeBy >> 8; }
    qint64 LocalHeaderLength() const {
        return ZipFormat::LocalHeaderSize + FileNameLength() + LocalExtraFieldLength;
    }
    qint64 CentralHeaderLength() const {
        return ZipFormat::CentralHeaderSize + FileNameLength() + ExtraFieldLength() + FileCommentLength();
    }

    // Parses the fixed 46 bytes of a central header (after its signature is
    // known to be right) and takes the name, extra field and comment bytes.
    void ParseCentral(const char* fixed, const QByteArray& name, const QByteArray& extra,
                      const QByteArray& comment);
    // Reads a local header at the stream's position (rebuilding a damaged
    // directory); empty, with the stream where it was, when none is there.
    static std::optional<TZipHeaderInfo> ReadLocal(TStream& stream, bool oemConvert);

    // The records as written. Raise EZipTooLarge for a name, extra field or
    // comment longer than 65535 bytes.
    QByteArray LocalHeader() const;
    QByteArray CentralHeader() const;

private:
    void EncodeName();
    void TakeStoredName(const QByteArray& name);

    QString m_fileName;
    QString m_directory;
    QByteArray m_storedName;
    QByteArray m_extraField;
    QByteArray m_comment;
    bool m_oemConvert = true;
};
