#pragma once
// The end-of-central-directory record: where the directory is, on which disk,
// how many entries it holds, and the archive comment.

#include "zip/ZipFormat.h"

#include <QByteArray>
#include <cstdint>

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
    // The archive comment or an entry's comment was changed since reading.
    bool Modified = false;

    void Reset() { *this = TEndCentral(); }
    qint64 Length() const { return ZipFormat::EndCentralSize + Comment.size(); }

    // Finds the record at the end of the stream. The last record whose
    // comment ends exactly at the end of the stream wins, so that a record
    // inside a comment is not taken for the real one. Returns the record's
    // position, or -1 when there is none; an empty stream is an empty
    // archive (position 0, all fields 0).
    qint64 Locate(TStream& stream);

    // The record as written; raises EZipTooLarge for a comment over 65535 bytes.
    QByteArray Record() const;

private:
    void Parse(const char* fixed);
};
