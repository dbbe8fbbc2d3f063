#pragma once
// A GIF file as a value: what GifFileReader makes of the bytes and what
// GifFileWriter turns into bytes. A picture (TGIFImage) takes one when it
// loads and makes one when it is written.

#include "imaging/GifFileFrame.h"
#include "imaging/TGIFData.h"
#include "platform/graphics/GraphicsTypes.h"

#include <cstdint>
#include <vector>

struct GifFile {
    // 1 "87a", 2 "89a".
    std::uint8_t Version = 0;
    int ScreenWidth = 0;
    int ScreenHeight = 0;
    // The logical screen's colour settings, global colour table and the picture comment.
    TGIFData Screen;
    TColor BackgroundColor = clNone;
    bool Looping = false;
    std::uint16_t RepeatCount = 1;
    std::vector<GifFileFrame> Frames;
};
