#pragma once
// A GIF extension block kept with a frame: its kind, the fixed part as it
// stands in the file, and its data sub-blocks, one entry per sub-block.
//   graphic control ($F9): 6 bytes: block size 4, packed byte (bits 2..4
//     disposal method, bit 0 transparent index valid), delay in hundredths
//     of a second, transparent index, block terminator; no sub-blocks;
//   plain text ($01): 13 bytes (block size 12 and the text grid), sub-blocks;
//   application ($FF): 12 bytes (block size 11, identifier and
//     authentication code), sub-blocks;
//   comment ($FE): sub-blocks only.

#include "platform/graphics/TPersistent.h"

#include <QByteArray>
#include <QList>
#include <cstdint>

enum class TGIFExtensionKind { GraphicControl, PlainText, Application, Comment };

class TExtension : public TPersistent {
public:
    static constexpr std::uint8_t kIntroducer = '!';
    static constexpr std::uint8_t kGraphicControlLabel = 0xF9;
    static constexpr std::uint8_t kPlainTextLabel = 0x01;
    static constexpr std::uint8_t kApplicationLabel = 0xFF;
    static constexpr std::uint8_t kCommentLabel = 0xFE;
    static constexpr int kGraphicControlSize = 6;
    static constexpr int kGraphicControlBlockSize = 4;
    static constexpr int kPlainTextSize = 13;
    static constexpr int kApplicationSize = 12;
    static constexpr int kPackedOffset = 1;
    static constexpr int kDelayOffset = 2;
    static constexpr int kTransparentIndexOffset = 4;
    static constexpr std::uint8_t kTransparentFlag = 0x01;
    static constexpr int kDisposalShift = 2;
    static constexpr std::uint8_t kDisposalMask = 0x07;

    explicit TExtension(TGIFExtensionKind kind);

    QString ClassName() const override { return QStringLiteral("TExtension"); }
    void Assign(const TPersistent* source) override;

    TGIFExtensionKind Kind() const { return m_kind; }
    std::uint8_t Label() const;
    // The fixed part's length for the kind (0 for comments).
    int FixedSize() const;
    static int FixedSizeOf(TGIFExtensionKind kind);
    QByteArray& Fixed() { return m_fixed; }
    const QByteArray& Fixed() const { return m_fixed; }
    QList<QByteArray>& Data() { return m_data; }
    const QList<QByteArray>& Data() const { return m_data; }

    // Graphic control fields.
    std::uint8_t Packed() const;
    void SetPacked(std::uint8_t value);
    std::uint16_t Delay() const;
    void SetDelay(std::uint16_t value);
    std::uint8_t TransparentIndex() const;
    void SetTransparentIndex(std::uint8_t value);

private:
    TGIFExtensionKind m_kind;
    QByteArray m_fixed;
    QList<QByteArray> m_data;
};
