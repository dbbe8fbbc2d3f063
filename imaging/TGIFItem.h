#pragma once
// The data of one GIF frame, shared between copies of the frame: the
// compressed image data exactly as in the file (minimum code size byte,
// sub-blocks, zero terminator), the frame's size, the image descriptor's
// packed byte, its bits per pixel and its colour table (its own, or a copy
// of the global one).

#include "imaging/GIFColorTable.h"

#include <QByteArray>
#include <QPoint>
#include <cstdint>

struct TGIFItem {
    QByteArray ImageData;
    QPoint Size;
    std::uint8_t Packed = 0;
    std::uint8_t BitsPerPixel = 0;
    TGIFColorTable ColorTable;
};
