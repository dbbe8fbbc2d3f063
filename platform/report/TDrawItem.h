#pragma once
// One drawing operation of a prepared page. Geometry is in millimetres from
// the page's top-left corner; fonts keep their point size, so a page renders
// the same at any zoom and on any device.

#include "platform/report/TReportFont.h"

#include <QImage>
#include <QRectF>
#include <QString>

enum class TDrawKind : unsigned char { dkText = 1, dkLine = 2, dkRect = 3, dkImage = 4 };

struct TDrawItem {
    TDrawKind Kind = TDrawKind::dkText;
    // Text, rectangle and image: the box. Line: from topLeft() to bottomRight().
    QRectF Rect;
    QString Text;
    TReportFont Font;
    // Qt alignment flags. Prepared text comes broken into its lines; a text
    // with Qt::TextWordWrap (as report files may hold) is broken where drawn.
    int Flags = 0;
    QColor Pen;          // invalid: no outline
    double PenWidth = 0; // millimetres
    QColor Brush;        // invalid: no fill
    QImage Image;

    bool operator==(const TDrawItem& other) const = default;
};
