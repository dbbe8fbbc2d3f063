#pragma once
// A stream that buffers another one: small reads and writes are gathered
// into one buffer, large ones go straight through. A stream is used either
// for reading or for writing between seeks.

#include "zip/TStream.h"

#include <memory>
#include <vector>

class TBufferedStream : public TStream {
public:
    // Buffers wrapped, which must outlive this stream.
    TBufferedStream(TStream& wrapped, int bufferSize);
    // Buffers wrapped and owns it.
    TBufferedStream(std::unique_ptr<TStream> wrapped, int bufferSize);
    // Writes out pending data; a failure here is lost (call FlushBuffer first).
    ~TBufferedStream() override;

    qint64 Read(void* buffer, qint64 count) override;
    qint64 Write(const void* buffer, qint64 count) override;
    // From the end, the offset is a distance back whatever its sign.
    qint64 Seek(qint64 offset, TSeekOrigin origin) override;
    qint64 Size() override;

    // Puts byte back before the read position, which moves back by one; only
    // while that place is in the buffer (EStreamError "Putback overflow").
    void PutBack(char byte);
    // Writes pending data to the wrapped stream; false when that write was short.
    bool FlushBuffer();
    // True once anything was written through this stream.
    bool Written() const { return m_written; }

protected:
    TStream& Wrapped() { return *m_stream; }

private:
    enum class State { Idle, Reading, Writing };
    void DropReadBuffer();

    std::unique_ptr<TStream> m_owned;
    TStream* m_stream;
    std::vector<char> m_buffer;
    // Reading: [m_current, m_end) not yet consumed; writing: [0, m_current) pending.
    qint64 m_current = 0;
    qint64 m_end = 0;
    // Position of the wrapped stream.
    qint64 m_wrappedPosition;
    State m_state = State::Idle;
    bool m_written = false;
};
