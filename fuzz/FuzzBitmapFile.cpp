// Bitmap files: any bytes must load into a bitmap or raise one of the
// program's exceptions; a bitmap that loaded saves to a file that loads again
// with the same size and bit count.
#include "platform/base/Exceptions.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/TBitmap.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TBitmap bitmap;
    try {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        bitmap.LoadFromStream(buffer);
    } catch (const Exception&) {
        return 0;
    }
    const QByteArray saved = bitmap.SaveToBitmapFile();
    if (bitmap.Empty())
        return 0;
    BitmapFile::Info info;
    const QImage again = BitmapFile::Read(saved, &info);
    if (again.size() != bitmap.Image().size() || info.BitCount != bitmap.BitCount())
        std::abort();
    return 0;
}
