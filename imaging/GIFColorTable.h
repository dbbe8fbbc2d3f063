#pragma once
// A GIF colour table: the entry count and up to 256 (red, green, blue)
// entries in file order.

#include "platform/graphics/GraphicsTypes.h"

#include <QList>
#include <array>
#include <cstdint>

class TGIFColorTable {
public:
    static constexpr int kMaxEntries = 256;
    static constexpr int kEntrySize = 3;

    // The table of a file that carries none: 256 entries, black and white
    // first so that two-colour pictures show, the rest black.
    static TGIFColorTable Default();

    std::uint32_t Count() const { return m_count; }
    void Clear();
    void SetCount(std::uint32_t count) { m_count = count; }
    void Set(int index, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    TColor Color(int index) const;
    const std::array<std::uint8_t, kEntrySize>& Entry(int index) const {
        return m_entries[static_cast<std::size_t>(index)];
    }
    // The first entry whose RGB value equals the colour's; -1 when none.
    int IndexOf(TColor color) const;
    bool operator==(const TGIFColorTable& other) const;
    // The smallest n >= 1 with 2^n >= Count.
    int BitsNeeded() const;

private:
    std::uint32_t m_count = 0;
    std::array<std::array<std::uint8_t, kEntrySize>, kMaxEntries> m_entries{};
};
