#pragma once
// A stream of bytes with a position, the base of every file and memory stream
// of the zip engine.

#include <QtGlobal>

enum class TSeekOrigin { soBeginning = 0, soCurrent = 1, soEnd = 2 };

class TStream {
public:
    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;
    virtual ~TStream() = default;

    // Reads up to count bytes; returns how many came (0 at the end).
    virtual qint64 Read(void* buffer, qint64 count) = 0;
    // Writes up to count bytes; returns how many went (fewer when the disk is full).
    virtual qint64 Write(const void* buffer, qint64 count) = 0;
    // Moves the position and returns the new one.
    virtual qint64 Seek(qint64 offset, TSeekOrigin origin) = 0;
    virtual qint64 Size() = 0;

    qint64 Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(qint64 position) { Seek(position, TSeekOrigin::soBeginning); }
    // Reads as much of count as there is, crossing short reads.
    qint64 ReadFully(void* buffer, qint64 count);
    // Writes all of count or raises EStreamError.
    void WriteBuffer(const void* buffer, qint64 count);
};
