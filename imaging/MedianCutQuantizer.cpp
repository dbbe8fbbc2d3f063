#include "imaging/MedianCutQuantizer.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kChannels = 3;
constexpr int kLevelStep = 16;
constexpr int kFullExtent = 255;
constexpr int kBlackLimit = 16;

struct Color {
    std::array<std::uint8_t, kChannels> Value; // red, green, blue, 4 bits each
    std::uint32_t Count;
};

struct Box {
    std::array<int, kChannels> Lower;
    std::array<int, kChannels> Extent;
    std::uint64_t Pixels;
    int First; // colours [First, First + Entries) of the colour list
    int Entries;
};

int Key(const Color* color, int channel) {
    return color->Value[static_cast<std::size_t>(channel)];
}

// Quicksort with the middle element as pivot, insertion sort for short runs.
void Sort(std::vector<Color*>& list, int low, int high, int channel) {
    while (high - low + 1 > MedianCutQuantizer::kInsertionSortLimit) {
        const int pivot = Key(list[static_cast<std::size_t>((low + high) / 2)], channel);
        int i = low;
        int j = high;
        while (i <= j) {
            while (Key(list[static_cast<std::size_t>(i)], channel) < pivot)
                ++i;
            while (Key(list[static_cast<std::size_t>(j)], channel) > pivot)
                --j;
            if (i <= j)
                std::swap(list[static_cast<std::size_t>(i++)], list[static_cast<std::size_t>(j--)]);
        }
        // Recurse into the smaller part, loop over the larger.
        if (j - low < high - i) {
            Sort(list, low, j, channel);
            low = i;
        } else {
            Sort(list, i, high, channel);
            high = j;
        }
    }
    for (int i = low + 1; i <= high; ++i) {
        Color* item = list[static_cast<std::size_t>(i)];
        int j = i - 1;
        while (j >= low && Key(list[static_cast<std::size_t>(j)], channel) > Key(item, channel)) {
            list[static_cast<std::size_t>(j + 1)] = list[static_cast<std::size_t>(j)];
            --j;
        }
        list[static_cast<std::size_t>(j + 1)] = item;
    }
}

int ColorIndex(const std::uint8_t* bgr) {
    return (bgr[2] >> 4) << 8 | (bgr[1] >> 4) << 4 | (bgr[0] >> 4);
}

std::uint64_t Total(const std::vector<Color*>& list, int first, int entries) {
    std::uint64_t total = 0;
    for (int i = first; i < first + entries; ++i)
        total += list[static_cast<std::size_t>(i)]->Count;
    return total;
}

// Splits `box` into itself and a new box; false when no box can be split.
bool SplitOne(std::vector<Box>& boxes, std::vector<Color*>& list) {
    int chosen = -1;
    int channel = 0;
    for (int b = 0; b < static_cast<int>(boxes.size()); ++b) {
        const Box& box = boxes[static_cast<std::size_t>(b)];
        if (box.Entries <= 1)
            continue;
        for (int c = 0; c < kChannels; ++c)
            if (chosen < 0 ||
                box.Extent[static_cast<std::size_t>(c)] >
                    boxes[static_cast<std::size_t>(chosen)].Extent[static_cast<std::size_t>(channel)]) {
                chosen = b;
                channel = c;
            }
    }
    if (chosen < 0)
        return false;
    Box& box = boxes[static_cast<std::size_t>(chosen)];
    Sort(list, box.First, box.First + box.Entries - 1, channel);
    const std::uint64_t half = box.Pixels / 2;
    std::uint64_t running = list[static_cast<std::size_t>(box.First)]->Count;
    int kept = 1;
    while (kept < box.Entries - 1 &&
           running + list[static_cast<std::size_t>(box.First + kept)]->Count <= half) {
        running += list[static_cast<std::size_t>(box.First + kept)]->Count;
        ++kept;
    }
    Box second = box;
    second.First = box.First + kept;
    second.Entries = box.Entries - kept;
    box.Entries = kept;
    box.Pixels = Total(list, box.First, box.Entries);
    second.Pixels = Total(list, second.First, second.Entries);
    const auto c = static_cast<std::size_t>(channel);
    const int upper = box.Lower[c] + box.Extent[c];
    const int oldEnd = kLevelStep * Key(list[static_cast<std::size_t>(box.First + box.Entries - 1)], channel);
    second.Lower[c] = kLevelStep * Key(list[static_cast<std::size_t>(second.First)], channel);
    second.Extent[c] = upper - second.Lower[c];
    box.Extent[c] = oldEnd - box.Lower[c];
    boxes.push_back(second);
    return true;
}

} // namespace

std::uint32_t MedianCutQuantizer::Map(const TrueColorPixels& pixels, QList<QRgb>& palette) {
    std::vector<Color> colors(kColors);
    for (int i = 0; i < kColors; ++i)
        colors[static_cast<std::size_t>(i)] =
            Color{{static_cast<std::uint8_t>(i >> 8), static_cast<std::uint8_t>(i >> 4 & 0xF),
                   static_cast<std::uint8_t>(i & 0xF)},
                  0};
    for (int y = 0; y < pixels.Height; ++y) {
        const std::uint8_t* in = pixels.Data + y * pixels.Stride24;
        for (int x = 0; x < pixels.Width; ++x, in += 3)
            ++colors[static_cast<std::size_t>(ColorIndex(in))].Count;
    }
    std::vector<Color*> list;
    list.reserve(kColors);
    for (Color& color : colors)
        if (color.Count > 0)
            list.push_back(&color);
    std::vector<Box> boxes;
    boxes.reserve(kMaxBoxes);
    if (!list.empty()) {
        Box all{{0, 0, 0}, {kFullExtent, kFullExtent, kFullExtent}, 0, 0, static_cast<int>(list.size())};
        all.Pixels = Total(list, 0, all.Entries);
        boxes.push_back(all);
        while (static_cast<int>(boxes.size()) < kMaxBoxes && SplitOne(boxes, list)) {
        }
    }
    std::vector<std::uint8_t> boxOf(kColors, 0);
    for (std::size_t b = 0; b < boxes.size(); ++b) {
        const Box& box = boxes[b];
        std::array<int, kChannels> sum{};
        for (int i = box.First; i < box.First + box.Entries; ++i) {
            const Color* color = list[static_cast<std::size_t>(i)];
            for (std::size_t c = 0; c < kChannels; ++c)
                sum[c] += color->Value[c];
            boxOf[static_cast<std::size_t>(color - colors.data())] = static_cast<std::uint8_t>(b);
        }
        std::array<int, kChannels> entry{};
        for (std::size_t c = 0; c < kChannels; ++c)
            entry[c] = (kLevelStep * sum[c] + 15) / box.Entries;
        if (entry[0] <= kBlackLimit && entry[1] <= kBlackLimit && entry[2] <= kBlackLimit)
            entry = {0, 0, 0};
        palette[static_cast<qsizetype>(b)] = qRgb(entry[0], entry[1], entry[2]);
    }
    for (int y = 0; y < pixels.Height; ++y) {
        const std::uint8_t* in = pixels.Data + y * pixels.Stride24;
        std::uint8_t* out = pixels.Data + y * pixels.Stride8;
        for (int x = 0; x < pixels.Width; ++x, in += 3)
            out[x] = boxOf[static_cast<std::size_t>(ColorIndex(in))];
    }
    return static_cast<std::uint32_t>(boxes.size());
}
