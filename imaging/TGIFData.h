#pragma once
// The data a GIF picture shares between its copies: the picture comment
// and the logical screen's colour settings and global colour table.

#include "imaging/GIFColorTable.h"

#include <QByteArray>
#include <QList>
#include <cstdint>

struct TGIFData {
    QList<QByteArray> Comment;
    std::uint8_t AspectRatio = 0;
    std::uint8_t BitsPerPixel = 0;
    std::uint8_t ColorResolution = 0;
    TGIFColorTable ColorTable;
};
