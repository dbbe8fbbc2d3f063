// GIF LZW coding against giflib, side by side in one run: encode and decode
// speed in megapixels per second and the size of the compressed data, on
// 8-bit pictures made here (photo-like, flat, noise) from 64 x 64 to
// 4096 x 4096. Each figure is the best of several timed rounds.

#include "imaging/GifLzwDecoder.h"
#include "imaging/GifLzwEncoder.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QRandomGenerator>

#include <gif_lib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace {

// giflib writes the 6-byte header, the 7-byte screen descriptor, a global
// table of 256 entries, a 10-byte image descriptor and the trailer around
// the compressed data.
constexpr int kGiflibOverhead = 6 + 7 + 256 * 3 + 10 + 1;
constexpr double kMinRoundSeconds = 0.25;
constexpr int kRounds = 5;

struct Picture {
    const char* Kind;
    int Side;
    std::vector<GifPixelType> Pixels;
};

Picture Make(const char* kind, int side) {
    Picture picture{kind, side, std::vector<GifPixelType>(static_cast<std::size_t>(side) * side)};
    QRandomGenerator random(static_cast<quint32>(side));
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            int value;
            if (std::strcmp(kind, "photo") == 0)
                value = static_cast<int>(128 + 60 * std::sin(x / 37.0) + 50 * std::cos(y / 23.0 + x / 71.0)) +
                        static_cast<int>(random.bounded(9)) - 4;
            else if (std::strcmp(kind, "flat") == 0)
                value = (x * 4 / side) * 4 + (y * 4 / side) + ((x / 7 + y / 5) % 11 == 0 ? 100 : 0);
            else
                value = static_cast<int>(random.bounded(256));
            picture.Pixels[static_cast<std::size_t>(y) * side + x] = static_cast<GifPixelType>(value & 0xFF);
        }
    return picture;
}

// Seconds per call of one round: the call runs until a quarter of a second
// has passed.
double Round(const std::function<void()>& call) {
    QElapsedTimer timer;
    timer.start();
    int calls = 0;
    do {
        call();
        ++calls;
    } while (timer.nsecsElapsed() < kMinRoundSeconds * 1e9);
    return timer.nsecsElapsed() / 1e9 / calls;
}

// Seconds per call of ours and theirs: rounds taken in turn, so that both
// see the same load of the machine; the best round of each counts.
std::pair<double, double> TimePair(const std::function<void()>& ours, const std::function<void()>& theirs) {
    double bestOurs = 1e30;
    double bestTheirs = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        bestOurs = std::min(bestOurs, Round(ours));
        bestTheirs = std::min(bestTheirs, Round(theirs));
    }
    return {bestOurs, bestTheirs};
}

int WriteToBuffer(GifFileType* gif, const GifByteType* data, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

struct ReadState {
    const QByteArray* Data;
    qsizetype Position;
};

int ReadFromBuffer(GifFileType* gif, GifByteType* data, int length) {
    auto* state = static_cast<ReadState*>(gif->UserData);
    const int count = static_cast<int>(std::min<qsizetype>(length, state->Data->size() - state->Position));
    std::memcpy(data, state->Data->constData() + state->Position, static_cast<std::size_t>(count));
    state->Position += count;
    return count;
}

QByteArray GiflibEncode(const Picture& picture) {
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, WriteToBuffer, &error);
    GifColorType colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = {static_cast<GifByteType>(i), static_cast<GifByteType>(i), static_cast<GifByteType>(i)};
    ColorMapObject* map = GifMakeMapObject(256, colours);
    EGifPutScreenDesc(gif, picture.Side, picture.Side, 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, picture.Side, picture.Side, false, nullptr);
    for (int y = 0; y < picture.Side; ++y)
        EGifPutLine(gif,
                    const_cast<GifPixelType*>(picture.Pixels.data()) +
                        static_cast<std::size_t>(y) * picture.Side,
                    picture.Side);
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return out;
}

void GiflibDecode(const QByteArray& file, std::vector<GifPixelType>& pixels, int side) {
    ReadState state{&file, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&state, ReadFromBuffer, &error);
    GifRecordType record;
    DGifGetRecordType(gif, &record);
    DGifGetImageDesc(gif);
    for (int y = 0; y < side; ++y)
        DGifGetLine(gif, pixels.data() + static_cast<std::size_t>(y) * side, side);
    DGifCloseFile(gif, &error);
}

// The compressed data inside a file giflib wrote.
QByteArray Payload(const QByteArray& file) {
    return file.mid(kGiflibOverhead - 1, file.size() - kGiflibOverhead);
}

} // namespace

// Arguments: optionally one kind and one side, to time only that picture.
int main(int argc, char** argv) {
    const char* onlyKind = argc > 2 ? argv[1] : nullptr;
    const int onlySide = argc > 2 ? std::atoi(argv[2]) : 0;
    std::printf("%-6s %5s | %9s %9s %5s | %9s %9s %6s | %9s %9s %5s\n", "image", "side", "enc ours",
                "enc gif", "ratio", "size ours", "size gif", "diff", "dec ours", "dec gif", "ratio");
    std::printf("%-6s %5s | %9s %9s %5s | %9s %9s %6s | %9s %9s %5s\n", "", "", "Mpx/s", "Mpx/s", "", "bytes",
                "bytes", "%", "Mpx/s", "Mpx/s", "");
    bool identical = true;
    for (const char* kind : {"photo", "flat", "noise"}) {
        for (int side : {64, 256, 1024, 4096}) {
            if (onlyKind && (std::strcmp(onlyKind, kind) != 0 || onlySide != side))
                continue;
            const Picture picture = Make(kind, side);
            const double megapixels = static_cast<double>(side) * side / 1e6;
            const GifLzwRows rows{const_cast<std::uint8_t*>(picture.Pixels.data()), side, side, side, 8};

            QByteArray ours;
            QByteArray theirs;
            const auto [encodeOurs, encodeGiflib] = TimePair(
                [&] {
                    ours.clear();
                    GifLzwEncoder::Encode(ours, rows, false);
                },
                [&] { theirs = GiflibEncode(picture); });
            const QByteArray payload = Payload(theirs);

            std::vector<std::uint8_t> decoded(picture.Pixels.size());
            const GifLzwRows target{decoded.data(), side, side, side, 8};
            const auto data =
                std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(payload.constData()),
                                              static_cast<std::size_t>(payload.size()));
            std::vector<GifPixelType> theirPixels(picture.Pixels.size());
            const auto [decodeOurs, decodeGiflib] =
                TimePair([&] { GifLzwDecoder::Decode(data, target, 8, false, false); },
                         [&] { GiflibDecode(theirs, theirPixels, side); });
            identical = identical && decoded == picture.Pixels && theirPixels == picture.Pixels;

            const double sizeDiff =
                100.0 * (static_cast<double>(ours.size()) - payload.size()) / payload.size();
            std::printf("%-6s %5d | %9.1f %9.1f %5.2f | %9lld %9lld %+6.2f | %9.1f %9.1f %5.2f\n", kind, side,
                        megapixels / encodeOurs, megapixels / encodeGiflib, encodeGiflib / encodeOurs,
                        static_cast<long long>(ours.size()), static_cast<long long>(payload.size()), sizeDiff,
                        megapixels / decodeOurs, megapixels / decodeGiflib, decodeGiflib / decodeOurs);
        }
    }
    std::printf("ratio: ours / giflib speed (above 1 is faster); decoded pixels %s\n",
                identical ? "identical" : "DIFFER");
    return identical ? 0 : 1;
}
