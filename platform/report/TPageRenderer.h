#pragma once
// Paints a prepared page on any paint device: a widget at some zoom, an image,
// a printer or a PDF writer. Text keeps its proportions on every device.

#include "platform/report/TPreparedPage.h"

#include <QImage>
#include <QPointF>

class QPainter;

class TPageRenderer {
public:
    // Paints `page` with its top-left corner at `origin` (device pixels),
    // `pixelsPerMm` device pixels to the millimetre, on a white background.
    static void Render(const TPreparedPage& page, QPainter& painter, QPointF origin, double pixelsPerMm);
    // The page as an image at `dpi` dots per inch.
    static QImage ToImage(const TPreparedPage& page, double dpi);
};
