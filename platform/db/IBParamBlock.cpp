#include "platform/db/IBParamBlock.h"

#include "platform/base/Exceptions.h"

void IBParamBlock::AddString(std::uint8_t tag, const QByteArray& value) {
    if (value.size() > 255)
        throw EDatabaseError(
            QStringLiteral("Parameter value too long (%1 bytes, at most 255).").arg(value.size()));
    AddTag(tag);
    m_bytes.append(static_cast<char>(value.size()));
    m_bytes.append(value);
}

void IBParamBlock::AddLongString(std::uint8_t tag, const QByteArray& value) {
    if (value.size() > 65535)
        throw EDatabaseError(QStringLiteral("Parameter value too long (%1 bytes).").arg(value.size()));
    AddTag(tag);
    m_bytes.append(static_cast<char>(value.size() & 0xFF));
    m_bytes.append(static_cast<char>((value.size() >> 8) & 0xFF));
    m_bytes.append(value);
}

void IBParamBlock::AddSizedInt(std::uint8_t tag, std::int32_t value) {
    AddTag(tag);
    m_bytes.append(static_cast<char>(4));
    AppendInt32(value);
}

void IBParamBlock::AddInt(std::uint8_t tag, std::int32_t value) {
    AddTag(tag);
    AppendInt32(value);
}

void IBParamBlock::AppendInt32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        m_bytes.append(static_cast<char>((bits >> shift) & 0xFF));
}
