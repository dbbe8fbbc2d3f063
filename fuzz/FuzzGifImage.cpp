// GIF files come from anywhere: any bytes must load, decode every frame and
// write back, or raise one of the program's exceptions; never crash, hang
// or allocate without bound.
#include "imaging/TGIFImage.h"
#include "platform/base/Exceptions.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGIFImage image;
    try {
        image.LoadFromData(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
        for (int i = 0; i < image.Count(); ++i) {
            try {
                image.Frames(i).FrameBitmap();
            } catch (const Exception&) {
            }
        }
        image.SaveToData();
    } catch (const Exception&) {
    }
    return 0;
}
