#pragma once
// The end-of-central-directory record: where the directory is, on which disk,
// how many entries it holds, and the archive comment.

#include "zip/ZipFormat.h"

#include <QByteArray>
#include <cstdint>
#include <optional>

class TStream;

class TEndCentral {
public:
    std::uint32_t Signature = ZipFormat::EndCentralSignature;
    std::uint16_t ThisDisk = 0;        // number of the disk holding this record
    std::uint16_t CentralDisk = 0;     // disk where the central directory starts
    std::uint16_t EntriesThisDisk = 0; // central headers on this disk
    std::uint16_t TotalEntries = 0;
    std::uint32_t CentralSize = 0;
    std::uint32_t CentralOffset = 0; // on its own disk
    QByteArray Comment;
    qint64 CommentPosition = 0; // in the archive read
    // The entry count of a ZIP64 end record, read when the 16-bit counts are full.
    std::optional<qint64> Zip64Entries;
    // The archive comment or an entry's comment was changed since reading.
    bool Modified = false;

    void Reset() { *this = TEndCentral(); }
    qint64 Length() const { return ZipFormat::EndCentralSize + Comment.size(); }
    // Entries of the whole archive.
    qint64 EntryCount() const { return Zip64Entries.value_or(TotalEntries); }

    // Finds the record near the end of the stream, searching back from the
    // end: the last record that is valid wins. A record is valid when its
    // comment ends exactly at the end of the stream, or when it describes a
    // single-file archive whose directory lies before it and begins with a
    // central header (bytes after the record, a wrong comment length: the
    // comment is then what its length and the stream allow). Full 16-bit
    // counts are taken from the ZIP64 end record before it; a record that
    // needs one and has none readable is not valid. Returns the record's
    // position, or -1 when there is none; an empty stream is an empty
    // archive (position 0, all fields 0).
    qint64 Locate(TStream& stream);

    // The record as written; raises EZipTooLarge for a comment over 65535 bytes.
    QByteArray Record() const;

private:
    void Parse(const char* fixed);
    // Takes what the ZIP64 end record before the record at position holds
    // when a 16- or 32-bit field is full, and sets where the directory must
    // end. False when a ZIP64 record is announced and this engine cannot
    // use it, or when a 32-bit field is full and there is none.
    bool ReadZip64(TStream& stream, qint64 position, qint64& directoryEnd);
    // The record describes a single-file archive whose directory ends by
    // directoryEnd and begins with a central header.
    bool DescribesDirectory(TStream& stream, qint64 directoryEnd) const;
};
