// JPEG pictures for report headers are read from files: any bytes must decode
// or raise EJPEGError, never crash.
#include "platform/graphics/TJPEGImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TJPEGImage image;
    try {
        image.LoadFromData(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    } catch (const EJPEGError&) {
    }
    return 0;
}
