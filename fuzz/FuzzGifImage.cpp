// GIF files come from anywhere: any bytes must load, decode and draw every
// frame and write back, or raise one of the program's exceptions; never
// crash, hang or allocate without bound.
#include "imaging/TGIFImage.h"
#include "platform/base/Exceptions.h"
#include "platform/graphics/TCanvas.h"

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TGIFImage image;
    try {
        image.LoadFromData(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
        QImage target(16, 16, QImage::Format_RGB32);
        TCanvas canvas(&target);
        for (int i = 0; i < image.Count(); ++i) {
            try {
                image.SetFrameIndex(i);
                image.Draw(canvas, target.rect());
            } catch (const Exception&) {
            }
        }
        image.SaveToData();
    } catch (const Exception&) {
    }
    return 0;
}
