#pragma once
// Drawing a bitmap stretched with one colour transparent, and the report of
// a function that is not offered.

#include "platform/graphics/TBitmap.h"
#include "platform/graphics/TCanvas.h"

#include <QRect>

// Draws the source part of `bitmap` stretched into the destination; pixels
// of the transparent colour leave the destination as it was. A destination
// size below 1 takes the bitmap's size; a source size below 1 the whole
// bitmap. clNone copies without transparency; clDefault stands for the
// bottom-left pixel's colour (white in a monochrome bitmap). In a bitmap
// with a palette the transparent colour is its nearest palette colour.
void StretchTransparent(TCanvas& canvas, const TBitmap& bitmap, TColor transparentColor, int x, int y,
                        int width, int height, int sourceX, int sourceY, int sourceWidth, int sourceHeight);
// The whole of a bitmap with a palette stretched into `target`; pixels
// holding the palette index `transparentIndex` leave the destination as it
// was, whatever their colour.
void StretchTransparentIndex(TCanvas& canvas, const TBitmap& bitmap, int transparentIndex,
                             const QRect& target);
void StretchRectTransparent(TCanvas& canvas, int x, int y, int width, int height, const QRect& source,
                            const TBitmap& bitmap, TColor transparentColor);

// Puts the screen cursor back to the default, tells the user "Function not
// yet implemented" and ends the action with the silent abort.
[[noreturn]] void ReportNotImplemented();
