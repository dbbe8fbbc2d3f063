#pragma once
// The lines drawn around a band or a printable control.

#include "platform/report/TDrawItem.h"

#include <QColor>
#include <QRectF>
#include <vector>

struct TReportFrame {
    bool DrawTop = false;
    bool DrawBottom = false;
    bool DrawLeft = false;
    bool DrawRight = false;
    QColor Color = Qt::black;
    double Width = 1; // design units

    bool Any() const { return DrawTop || DrawBottom || DrawLeft || DrawRight; }
    void SetAll(bool draw) { DrawTop = DrawBottom = DrawLeft = DrawRight = draw; }
    // Appends one line item per side to draw around box.
    void AppendLines(const QRectF& box, std::vector<TDrawItem>& items) const;
};
