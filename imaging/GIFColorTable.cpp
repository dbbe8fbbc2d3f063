#include "imaging/GIFColorTable.h"

TGIFColorTable TGIFColorTable::Default() {
    TGIFColorTable table;
    table.SetCount(kMaxEntries);
    table.Set(1, 0xFF, 0xFF, 0xFF);
    return table;
}

void TGIFColorTable::Clear() {
    m_count = 0;
    m_entries = {};
}

void TGIFColorTable::Set(int index, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    m_entries[static_cast<std::size_t>(index)] = {red, green, blue};
}

TColor TGIFColorTable::Color(int index) const {
    const auto& entry = Entry(index);
    return RGBColor(entry[0], entry[1], entry[2]);
}

int TGIFColorTable::IndexOf(TColor color) const {
    if (color == clNone)
        return -1;
    const TColor rgb = ColorToRGB(color) & 0xFFFFFF;
    for (std::uint32_t i = 0; i < m_count && i < kMaxEntries; ++i)
        if (Color(static_cast<int>(i)) == rgb)
            return static_cast<int>(i);
    return -1;
}

bool TGIFColorTable::operator==(const TGIFColorTable& other) const {
    if (m_count != other.m_count)
        return false;
    for (std::uint32_t i = 0; i < m_count && i < kMaxEntries; ++i)
        if (m_entries[i] != other.m_entries[i])
            return false;
    return true;
}

int TGIFColorTable::BitsNeeded() const {
    int bits = 1;
    while ((1u << bits) < m_count && bits < 8)
        ++bits;
    return bits;
}
