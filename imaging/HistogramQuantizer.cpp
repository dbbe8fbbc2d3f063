#include "imaging/HistogramQuantizer.h"

#include <memory>
#include <vector>

namespace {

constexpr int kFullMask = 0xFF;
constexpr std::uint32_t kFree = 0xFFFFFFFF;
const QRgb kUnusedGrey = qRgb(128, 128, 128);

struct Slot {
    std::uint32_t Color = kFree; // $RRGGBB of the masked colour
    std::uint32_t Count = 0;
    std::uint8_t Index = 0;
};

struct Masks {
    int Red = kFullMask;
    int Green = kFullMask;
    int Blue = kFullMask;

    void DropBit() {
        if (Red < Green)
            Green &= Green - 1;
        else if (Blue < Red)
            Red &= Red - 1;
        else
            Blue &= Blue - 1;
    }
};

class ColorTable {
public:
    ColorTable() : m_slots(HistogramQuantizer::kSlots) {}

    void Clear() {
        std::fill(m_slots.begin(), m_slots.end(), Slot{});
        m_used = 0;
    }

    // The slot of the colour, added when missing; nullptr when full.
    Slot* Find(int red, int green, int blue, bool add) {
        const std::uint32_t color = static_cast<std::uint32_t>(red << 16 | green << 8 | blue);
        std::uint32_t index = static_cast<std::uint32_t>((red + green) * (blue + green) * (red + blue)) %
                              HistogramQuantizer::kSlots;
        for (;;) {
            Slot& slot = m_slots[index];
            if (slot.Color == color)
                return &slot;
            if (slot.Color == kFree) {
                if (!add || m_used == HistogramQuantizer::kCapacity)
                    return nullptr;
                slot.Color = color;
                ++m_used;
                return &slot;
            }
            if (++index == HistogramQuantizer::kSlots)
                index = 0;
        }
    }

    std::vector<Slot>& Slots() { return m_slots; }

private:
    std::vector<Slot> m_slots;
    int m_used = 0;
};

// Counts the masked colours; false when there are more than the table holds.
bool Count(const TrueColorPixels& pixels, const Masks& masks, ColorTable& table) {
    table.Clear();
    for (int y = 0; y < pixels.Height; ++y) {
        const std::uint8_t* in = pixels.Data + y * pixels.Stride24;
        for (int x = 0; x < pixels.Width; ++x, in += 3) {
            Slot* slot = table.Find(in[2] & masks.Red, in[1] & masks.Green, in[0] & masks.Blue, true);
            if (!slot)
                return false;
            ++slot->Count;
        }
    }
    return true;
}

int Distance(std::uint32_t color, QRgb entry) {
    const int dr = static_cast<int>(color >> 16 & 0xFF) - qRed(entry);
    const int dg = static_cast<int>(color >> 8 & 0xFF) - qGreen(entry);
    const int db = static_cast<int>(color & 0xFF) - qBlue(entry);
    return dr * dr + dg * dg + db * db;
}

} // namespace

void HistogramQuantizer::Map(const TrueColorPixels& pixels, int colors, QList<QRgb>& palette) {
    auto table = std::make_unique<ColorTable>();
    Masks masks;
    // Each failed count drops one of 24 mask bits; with none left one colour remains.
    while (!Count(pixels, masks, *table))
        masks.DropBit();

    std::vector<Slot>& entries = table->Slots();
    int picked = 0;
    for (; picked < colors; ++picked) {
        Slot* best = nullptr;
        for (Slot& slot : entries)
            if (slot.Color != kFree && slot.Count > 0 && (!best || slot.Count > best->Count))
                best = &slot;
        if (!best)
            break;
        best->Index = static_cast<std::uint8_t>(picked);
        best->Count = 0;
        palette[picked] = qRgb(best->Color >> 16 & 0xFF, best->Color >> 8 & 0xFF, best->Color & 0xFF);
    }
    for (int i = picked; i < palette.size(); ++i)
        palette[i] = kUnusedGrey;
    for (Slot& slot : entries) {
        if (slot.Color == kFree || slot.Count == 0)
            continue;
        int best = 0;
        int bestDistance = Distance(slot.Color, palette[0]);
        for (int i = 1; i < colors; ++i) {
            const int distance = Distance(slot.Color, palette[i]);
            if (distance < bestDistance) {
                best = i;
                bestDistance = distance;
            }
        }
        slot.Index = static_cast<std::uint8_t>(best);
    }
    for (int y = 0; y < pixels.Height; ++y) {
        const std::uint8_t* in = pixels.Data + y * pixels.Stride24;
        std::uint8_t* out = pixels.Data + y * pixels.Stride8;
        for (int x = 0; x < pixels.Width; ++x, in += 3)
            out[x] = table->Find(in[2] & masks.Red, in[1] & masks.Green, in[0] & masks.Blue, false)->Index;
    }
}
