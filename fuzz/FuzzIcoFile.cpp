// Icon and cursor files: any bytes must parse, decode every image and load
// as an icon, or raise one of the program's exceptions.
#include "platform/base/Exceptions.h"
#include "platform/graphics/IconFile.h"
#include "platform/graphics/TIcon.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const IconFile file(bytes);
        for (std::size_t i = 0; i < file.Entries().size(); ++i) {
            try {
                file.ImageBitCount(i);
                file.Decode(i);
            } catch (const Exception&) {
            }
        }
        TIcon icon;
        icon.LoadFromData(bytes);
    } catch (const Exception&) {
    }
    return 0;
}
