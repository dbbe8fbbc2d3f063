#include "imaging/TExtension.h"

TExtension::TExtension(TGIFExtensionKind kind) : m_kind(kind) {
    m_fixed = QByteArray(FixedSize(), '\0');
    if (kind == TGIFExtensionKind::GraphicControl)
        m_fixed[0] = static_cast<char>(kGraphicControlBlockSize);
}

void TExtension::Assign(const TPersistent* source) {
    if (const auto* extension = dynamic_cast<const TExtension*>(source)) {
        m_kind = extension->m_kind;
        m_fixed = extension->m_fixed;
        m_data = extension->m_data;
        return;
    }
    TPersistent::Assign(source);
}

std::uint8_t TExtension::Label() const {
    switch (m_kind) {
    case TGIFExtensionKind::GraphicControl:
        return kGraphicControlLabel;
    case TGIFExtensionKind::PlainText:
        return kPlainTextLabel;
    case TGIFExtensionKind::Application:
        return kApplicationLabel;
    case TGIFExtensionKind::Comment:
        break;
    }
    return kCommentLabel;
}

int TExtension::FixedSizeOf(TGIFExtensionKind kind) {
    switch (kind) {
    case TGIFExtensionKind::GraphicControl:
        return kGraphicControlSize;
    case TGIFExtensionKind::PlainText:
        return kPlainTextSize;
    case TGIFExtensionKind::Application:
        return kApplicationSize;
    case TGIFExtensionKind::Comment:
        break;
    }
    return 0;
}

int TExtension::FixedSize() const {
    return FixedSizeOf(m_kind);
}

std::uint8_t TExtension::Packed() const {
    return static_cast<std::uint8_t>(m_fixed.at(kPackedOffset));
}

void TExtension::SetPacked(std::uint8_t value) {
    m_fixed[kPackedOffset] = static_cast<char>(value);
}

std::uint16_t TExtension::Delay() const {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(m_fixed.at(kDelayOffset)) |
                                      static_cast<std::uint8_t>(m_fixed.at(kDelayOffset + 1)) << 8);
}

void TExtension::SetDelay(std::uint16_t value) {
    m_fixed[kDelayOffset] = static_cast<char>(value & 0xFF);
    m_fixed[kDelayOffset + 1] = static_cast<char>(value >> 8);
}

std::uint8_t TExtension::TransparentIndex() const {
    return static_cast<std::uint8_t>(m_fixed.at(kTransparentIndexOffset));
}

void TExtension::SetTransparentIndex(std::uint8_t value) {
    m_fixed[kTransparentIndexOffset] = static_cast<char>(value);
}
