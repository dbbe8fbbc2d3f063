#pragma once
// A line or a rectangle on a band. Lines run through the middle of the
// control's box; PenWidth is in design units.

#include "platform/report/TPrintable.h"

enum class TShapeType { stRectangle, stHorLine, stVertLine };

class TReportShape : public TPrintable {
public:
    using TPrintable::TPrintable;

    TShapeType Shape() const { return m_shape; }
    void SetShape(TShapeType shape) { m_shape = shape; }
    QColor PenColor() const { return m_penColor; }
    void SetPenColor(const QColor& color) { m_penColor = color; }
    double PenWidth() const { return m_penWidth; }
    void SetPenWidth(double width) { m_penWidth = width; }
    QColor BrushColor() const { return m_brushColor; } // invalid: not filled
    void SetBrushColor(const QColor& color) { m_brushColor = color; }

    double Print(const TPrintContext& context, std::vector<TDrawItem>& items) override;

private:
    TShapeType m_shape = TShapeType::stRectangle;
    QColor m_penColor = Qt::black;
    double m_penWidth = 1;
    QColor m_brushColor;
};
