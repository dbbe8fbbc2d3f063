#include "zip/TBufferedStream.h"

#include "zip/ZipExceptions.h"

#include <algorithm>
#include <cstring>

TBufferedStream::TBufferedStream(TStream& wrapped, int bufferSize)
    : m_stream(&wrapped), m_buffer(static_cast<std::size_t>(std::max(bufferSize, 1))),
      m_wrappedPosition(wrapped.Position()) {}

TBufferedStream::TBufferedStream(std::unique_ptr<TStream> wrapped, int bufferSize)
    : m_owned(std::move(wrapped)), m_stream(m_owned.get()),
      m_buffer(static_cast<std::size_t>(std::max(bufferSize, 1))), m_wrappedPosition(m_stream->Position()) {}

TBufferedStream::~TBufferedStream() {
    FlushBuffer();
}

bool TBufferedStream::FlushBuffer() {
    if (m_state != State::Writing)
        return true;
    const qint64 pending = m_current;
    const qint64 put = pending > 0 ? m_stream->Write(m_buffer.data(), pending) : 0;
    m_wrappedPosition += put;
    if (put < pending) {
        // Keep what did not go, so that a later flush tries again.
        std::memmove(m_buffer.data(), m_buffer.data() + put, static_cast<std::size_t>(pending - put));
        m_current = pending - put;
        return false;
    }
    m_current = 0;
    m_state = State::Idle;
    return true;
}

void TBufferedStream::DropReadBuffer() {
    if (m_state == State::Reading && m_current != m_end) {
        m_wrappedPosition = m_stream->Seek(m_wrappedPosition - (m_end - m_current), TSeekOrigin::soBeginning);
    }
    m_current = m_end = 0;
    m_state = State::Idle;
}

qint64 TBufferedStream::Read(void* buffer, qint64 count) {
    if (m_state == State::Writing && !FlushBuffer())
        return 0;
    auto* target = static_cast<char*>(buffer);
    const auto size = static_cast<qint64>(m_buffer.size());
    qint64 done = 0;
    while (done < count) {
        if (m_state == State::Reading && m_current < m_end) {
            const qint64 n = std::min(count - done, m_end - m_current);
            std::memcpy(target + done, m_buffer.data() + m_current, static_cast<std::size_t>(n));
            m_current += n;
            done += n;
            continue;
        }
        m_state = State::Reading;
        m_current = m_end = 0;
        if (count - done >= size) {
            const qint64 got = m_stream->Read(target + done, count - done);
            if (got <= 0)
                break;
            m_wrappedPosition += got;
            done += got;
            continue;
        }
        const qint64 got = m_stream->Read(m_buffer.data(), size);
        if (got <= 0)
            break;
        m_wrappedPosition += got;
        m_end = got;
    }
    return done;
}

qint64 TBufferedStream::Write(const void* buffer, qint64 count) {
    if (m_state == State::Reading)
        DropReadBuffer();
    m_state = State::Writing;
    m_written = true;
    const auto* source = static_cast<const char*>(buffer);
    const auto size = static_cast<qint64>(m_buffer.size());
    qint64 done = 0;
    while (done < count) {
        if (m_current == 0 && count - done >= size) {
            const qint64 put = m_stream->Write(source + done, count - done);
            m_wrappedPosition += std::max<qint64>(put, 0);
            return done + std::max<qint64>(put, 0);
        }
        const qint64 n = std::min(count - done, size - m_current);
        std::memcpy(m_buffer.data() + m_current, source + done, static_cast<std::size_t>(n));
        m_current += n;
        done += n;
        if (m_current == size && !FlushBuffer())
            return done - n;
        m_state = State::Writing;
    }
    return done;
}

qint64 TBufferedStream::Seek(qint64 offset, TSeekOrigin origin) {
    qint64 current = m_wrappedPosition;
    if (m_state == State::Writing)
        current += m_current;
    else if (m_state == State::Reading)
        current -= m_end - m_current;
    qint64 target = offset;
    if (origin == TSeekOrigin::soCurrent)
        target = current + offset;
    else if (origin == TSeekOrigin::soEnd)
        target = Size() - (offset < 0 ? -offset : offset);
    if (target == current)
        return current;
    if (m_state == State::Reading) {
        // Inside the buffer: move within it.
        const qint64 bufferStart = m_wrappedPosition - m_end;
        if (target >= bufferStart && target <= m_wrappedPosition) {
            m_current = target - bufferStart;
            return target;
        }
        m_current = m_end = 0;
        m_state = State::Idle;
    } else if (m_state == State::Writing && !FlushBuffer()) {
        throw EStreamError(QStringLiteral("\nSeek error"));
    }
    m_wrappedPosition = m_stream->Seek(target, TSeekOrigin::soBeginning);
    return m_wrappedPosition;
}

qint64 TBufferedStream::Size() {
    const qint64 wrapped = m_stream->Size();
    if (m_state == State::Writing)
        return std::max(wrapped, m_wrappedPosition + m_current);
    return wrapped;
}

void TBufferedStream::PutBack(char byte) {
    if (m_state != State::Reading || m_current == 0)
        throw EStreamError(QStringLiteral("Putback overflow"));
    m_buffer[static_cast<std::size_t>(--m_current)] = byte;
}
