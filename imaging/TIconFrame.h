#pragma once
// One frame of an animated cursor: its icon, whether it came from an icon
// or a cursor resource, the chunk it was read from, its hot spot, its
// display time in jiffies (1/60 s) and its number in the header (-1 for a
// frame the header did not announce).

#include "platform/graphics/TIcon.h"

#include <QPoint>
#include <array>
#include <cstdint>

struct TRiffChunkHeader {
    std::array<char, 4> Id{};
    std::uint32_t Size = 0;
};

class TIconFrame : public TPersistent {
public:
    TIconFrame(std::uint32_t rate, int index) : m_rate(rate), m_index(index) {}

    QString ClassName() const override { return QStringLiteral("TIconFrame"); }
    void Assign(const TPersistent* source) override;

    TIcon& Icon() { return m_icon; }
    const TIcon& Icon() const { return m_icon; }
    bool IsIcon() const { return m_isIcon; }
    void SetIsIcon(bool value) { m_isIcon = value; }
    const TRiffChunkHeader& ChunkHeader() const { return m_chunkHeader; }
    void SetChunkHeader(const TRiffChunkHeader& value) { m_chunkHeader = value; }
    QPoint HotSpot() const { return m_hotSpot; }
    void SetHotSpot(QPoint value) { m_hotSpot = value; }
    std::uint32_t Rate() const { return m_rate; }
    void SetRate(std::uint32_t value) { m_rate = value; }
    int Index() const { return m_index; }
    void SetIndex(int value) { m_index = value; }

private:
    TIcon m_icon;
    bool m_isIcon = false;
    TRiffChunkHeader m_chunkHeader;
    QPoint m_hotSpot;
    std::uint32_t m_rate;
    int m_index;
};
