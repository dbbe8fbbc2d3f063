#include "platform/report/TReportFrame.h"

void TReportFrame::AppendLines(const QRectF& box, std::vector<TDrawItem>& items) const {
    auto line = [&](QPointF from, QPointF to) {
        TDrawItem item;
        item.Kind = TDrawKind::dkLine;
        item.Rect = QRectF(from, to);
        item.Pen = Color;
        item.PenWidth = Width;
        items.push_back(item);
    };
    if (DrawTop)
        line(box.topLeft(), box.topRight());
    if (DrawBottom)
        line(box.bottomLeft(), box.bottomRight());
    if (DrawLeft)
        line(box.topLeft(), box.bottomLeft());
    if (DrawRight)
        line(box.topRight(), box.bottomRight());
}
