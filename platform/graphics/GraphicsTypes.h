#pragma once
// Colours, pixel formats and progress reports shared by the picture classes.
// A TColor is $00BBGGRR; negative values name system colours, which
// ColorToRGB turns into the program's fixed palette of window colours.

#include "platform/base/TEvent.h"

#include <QRgb>
#include <QString>
#include <cstdint>

using TColor = std::int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clSilver = 0xC0C0C0;
// No colour at all (no transparency, no background).
constexpr TColor clNone = 0x1FFFFFFF;
// "Take the usual one": for a bitmap's transparent colour, its bottom-left pixel.
constexpr TColor clDefault = 0x20000000;
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor clWindow = clSystemColor | 5;

// The RGB value of a colour: system colours resolved, others unchanged.
TColor ColorToRGB(TColor color);
// Between TColor ($00BBGGRR) and Qt's opaque $FFRRGGBB.
QRgb ColorToQRgb(TColor color);
TColor QRgbToColor(QRgb rgb);
inline TColor RGBColor(int red, int green, int blue) {
    return static_cast<TColor>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

// Bits per pixel of a bitmap. pfDevice is the screen's own format (32-bit
// here); pfCustom a format the others do not name.
enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

enum class TProgressStage { psStarting, psRunning, psEnding };

class TObject;
// Sender, stage, percent done, message (set when the end came through an error).
using TProgressEvent = TEvent<TObject*, TProgressStage, int, const QString&>;

// The standard bitmap clipboard format; registered formats number from
// $C000 up.
constexpr unsigned CF_BITMAP = 2;
