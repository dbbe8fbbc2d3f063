#pragma once
// A buffered stream over a file it opens and owns. Close reports every
// failure of the last write, the flush to disk and the close itself.

#include "zip/TBufferedStream.h"
#include "zip/TFileStream.h"

class TBufferedFileStream : public TBufferedStream {
public:
    // Raises EFOpenError when the file cannot be opened. With flushOnClose
    // and a write mode, Close also makes the data durable.
    TBufferedFileStream(const QString& fileName, TFileMode mode, int bufferSize, bool flushOnClose = false);
    // Over a descriptor opened elsewhere (for writing).
    TBufferedFileStream(int handle, const QString& fileName, int bufferSize, bool flushOnClose = false);

    // Writes out the buffer, flushes when asked to, closes; raises
    // ENotEnoughRoom for a short write and EStreamError for the rest.
    void Close();
    const QString& FileName() const { return m_file->FileName(); }

private:
    TFileStream* m_file;
    bool m_flushOnClose;
};
