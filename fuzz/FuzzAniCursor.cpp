// Animated cursor files: any bytes must load and, when small enough, become
// a reduced bitmap strip, or raise one of the program's exceptions.
#include "imaging/TAnimatedCursorImage.h"
#include "platform/base/Exceptions.h"
#include "platform/graphics/TBitmap.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

namespace {
// Strips larger than this are not drawn: the drawing is not under test.
constexpr std::int64_t kMaxStripPixels = 1 << 20;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TAnimatedCursorImage cursor;
    try {
        cursor.LoadFromStream(buffer);
        if (cursor.Count() > 0) {
            const std::int64_t pixels = static_cast<std::int64_t>(cursor.Icons(0).Width()) *
                                        cursor.Icons(0).Height() * cursor.Count();
            if (pixels <= kMaxStripPixels) {
                TBitmap strip;
                cursor.AssignToBitmap(strip, clWhite, false, true);
            }
        }
    } catch (const Exception&) {
    }
    return 0;
}
