#pragma once
// Writes a GIF file from its value: header, logical screen descriptor,
// global colour table, the loop extension (looping files of more than one
// frame), each frame with its extensions, image descriptor, local colour
// table and compressed data, the picture comment and the trailer.
// Sub-blocks longer than 255 bytes are split.

#include "imaging/GifFile.h"

#include <QByteArray>

class GifFileWriter {
public:
    // Every frame has its compressed data.
    static QByteArray Write(const GifFile& file);
};
