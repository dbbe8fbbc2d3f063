#pragma once
// A drawing surface over a 32-bit image (a bitmap's pixels, or any image a
// caller paints into). Pictures draw themselves onto it; its brush colour
// fills areas. Stretching is by nearest pixel, as screen copies do.

#include "platform/graphics/GraphicsTypes.h"

#include <QImage>
#include <QRect>
#include <functional>

class TGraphic;

class TCanvas {
public:
    // `target` must outlive the canvas; `changed` runs after each drawing.
    explicit TCanvas(QImage* target, std::function<void()> changed = {});

    TColor BrushColor() const { return m_brushColor; }
    void SetBrushColor(TColor color) { m_brushColor = color; }

    QImage& Image() { return *m_target; }
    int Width() const { return m_target->width(); }
    int Height() const { return m_target->height(); }

    void FillRect(const QRect& rect);
    void SetPixel(int x, int y, TColor color);

    // The graphic at its own size with its top-left corner at (x, y).
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const QRect& rect, const TGraphic& graphic);
    // Copies `source` (a part of `image`) stretched into `rect`; with
    // `alphaBlend` the image's alpha channel is respected.
    void CopyRect(const QRect& rect, const QImage& image, const QRect& source, bool alphaBlend = false);

private:
    void Changed();

    QImage* m_target;
    std::function<void()> m_changed;
    TColor m_brushColor = clWhite;
};
