#include "platform/report/TReportShape.h"

double TReportShape::Print(const TPrintContext&, std::vector<TDrawItem>& items) {
    const QRectF box(Left(), Top(), Width(), Height());
    TDrawItem item;
    item.Pen = m_penColor;
    item.PenWidth = PenWidth;
    switch (m_shape) {
    case TShapeType::stRectangle:
        item.Kind = TDrawKind::dkRect;
        item.Rect = box;
        item.Brush = m_brushColor;
        break;
    case TShapeType::stHorLine:
        item.Kind = TDrawKind::dkLine;
        item.Rect = QRectF(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
        break;
    case TShapeType::stVertLine:
        item.Kind = TDrawKind::dkLine;
        item.Rect = QRectF(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
        break;
    }
    items.push_back(std::move(item));
    return box.bottom();
}
