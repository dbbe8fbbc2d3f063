#include "zip/TMemoryStream.h"

#include "zip/ZipExceptions.h"

#include <algorithm>
#include <cstring>

qint64 TMemoryStream::Read(void* buffer, qint64 count) {
    const qint64 available = std::max<qint64>(0, m_data.size() - m_position);
    const qint64 n = std::clamp<qint64>(count, 0, available);
    if (n > 0)
        std::memcpy(buffer, m_data.constData() + m_position, static_cast<std::size_t>(n));
    m_position += n;
    return n;
}

qint64 TMemoryStream::Write(const void* buffer, qint64 count) {
    if (count <= 0)
        return 0;
    if (m_position + count > m_data.size())
        m_data.resize(m_position + count);
    std::memcpy(m_data.data() + m_position, buffer, static_cast<std::size_t>(count));
    m_position += count;
    return count;
}

qint64 TMemoryStream::Seek(qint64 offset, TSeekOrigin origin) {
    qint64 target = offset;
    if (origin == TSeekOrigin::soCurrent)
        target = m_position + offset;
    else if (origin == TSeekOrigin::soEnd)
        target = m_data.size() + offset;
    if (target < 0)
        throw EStreamError(QStringLiteral("Seek before the start of a memory stream"));
    m_position = target;
    return m_position;
}
