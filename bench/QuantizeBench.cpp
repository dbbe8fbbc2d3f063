// Colour reduction of a 1-megapixel photo-like 24-bit bitmap to 256 colours
// by each mapping method: milliseconds per reduction, best of 10.

#include "imaging/BmpGraph.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kSide = 1024;
constexpr int kRounds = 10;

QImage Photo() {
    QImage image(kSide, kSide, QImage::Format_RGB888);
    QRandomGenerator random(5);
    for (int y = 0; y < kSide; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < kSide; ++x) {
            const double u = x / 97.0;
            const double v = y / 61.0;
            line[3 * x] = static_cast<uchar>(
                std::clamp(128 + 100 * std::sin(u) * std::cos(v) + static_cast<int>(random.bounded(13)) - 6,
                           0.0, 255.0));
            line[3 * x + 1] = static_cast<uchar>(std::clamp(
                128 + 90 * std::cos(u + v) + static_cast<int>(random.bounded(13)) - 6, 0.0, 255.0));
            line[3 * x + 2] = static_cast<uchar>(std::clamp(
                128 + 110 * std::sin(v - u / 2) + static_cast<int>(random.bounded(13)) - 6, 0.0, 255.0));
        }
    }
    return image;
}

} // namespace

int main() {
    TBitmap bitmap;
    bitmap.SetImage(Photo(), TPixelFormat::pf24bit);
    const struct {
        const char* Name;
        TColorMappingMethod Method;
    } methods[] = {
        {"histogram", TColorMappingMethod::Histogram},  {"median cut", TColorMappingMethod::MedianCut},
        {"fixed 7x8x4", TColorMappingMethod::Fixed784}, {"fixed 6x6x6", TColorMappingMethod::Fixed666},
        {"three-way", TColorMappingMethod::ThreeWay},   {"grey", TColorMappingMethod::Grey}};
    std::printf("1024 x 1024 24-bit to 8-bit\n%-12s %10s %10s\n", "method", "best ms", "median ms");
    for (const auto& method : methods) {
        std::vector<double> times;
        for (int round = 0; round < kRounds; ++round) {
            QElapsedTimer timer;
            timer.start();
            const QByteArray file = BitmapToDIBStream(bitmap, TPixelFormat::pf8bit, method.Method);
            times.push_back(timer.nsecsElapsed() / 1e6);
            if (file.isEmpty())
                return 1;
        }
        std::sort(times.begin(), times.end());
        std::printf("%-12s %10.1f %10.1f\n", method.Name, times.front(), times[times.size() / 2]);
    }
    return 0;
}
