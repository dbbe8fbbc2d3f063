#include "platform/graphics/GraphicsTypes.h"

namespace {

// The window colours the program shows, by system colour number.
TColor SystemColor(int index) {
    switch (index) {
    case 5: // window background
        return clWhite;
    case 8: // window text
        return clBlack;
    case 15: // button face
        return RGBColor(0xF0, 0xF0, 0xF0);
    default:
        return clSilver;
    }
}

} // namespace

TColor ColorToRGB(TColor color) {
    if (color < 0)
        return SystemColor(color & 0xFF);
    return color;
}

QRgb ColorToQRgb(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return qRgb(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TColor QRgbToColor(QRgb rgb) {
    return RGBColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
