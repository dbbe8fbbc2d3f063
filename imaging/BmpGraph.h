#pragma once
// Bitmaps as bitmap files of a requested depth. Bitmaps with more colours
// than an 8-bit file holds are reduced by a colour mapping method; 1- and
// 4-bit files take each pixel's nearest colour of the bitmap's own palette
// or of the standard one.

#include "imaging/ColorMapping.h"
#include "platform/graphics/TBitmap.h"

#include <QByteArray>

// The method BitmapToColors uses; histogram unless changed.
extern TColorMappingMethod DefaultColorMapping;

// A bitmap file of `bitmap` with `format` (1-, 4-, 8- or 24-bit). Raises
// EInvalidGraphic "Bitmap image is not valid" for a bitmap without pixels;
// other formats are reported as not implemented (the silent abort).
QByteArray BitmapToDIBStream(const TBitmap& bitmap, TPixelFormat format, TColorMappingMethod method);
// BitmapToDIBStream with the format a colour count needs (up to 2: 1-bit,
// up to 16: 4-bit, up to 256: 8-bit, more: 24-bit) and the default method.
QByteArray BitmapToColors(const TBitmap& bitmap, int colors);
