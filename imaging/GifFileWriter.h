#pragma once
// Writes a picture as a GIF file: frames without compressed data are
// encoded first and every frame's graphic-control extension is brought up
// to date (delay, transparent index, disposal method); then header, logical
// screen descriptor, global colour table, the loop extension (looping
// pictures of more than one frame), each frame with its extensions, image
// descriptor, local colour table and data, the picture comment and the
// trailer. Sub-blocks longer than 255 bytes are split.

#include <QByteArray>

class TGIFImage;

class GifFileWriter {
public:
    static QByteArray Write(TGIFImage& image);
};
