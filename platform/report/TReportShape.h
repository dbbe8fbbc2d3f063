#pragma once
// A line or a rectangle on a band. Lines run through the middle of the
// control's box, one design unit wide.

#include "platform/report/TPrintable.h"

enum class TShapeType { stRectangle, stHorLine, stVertLine };

class TReportShape : public TPrintable {
public:
    using TPrintable::TPrintable;

    void SetShape(TShapeType shape) { m_shape = shape; }
    void SetPenColor(const QColor& color) { m_penColor = color; }
    QColor BrushColor() const { return m_brushColor; } // invalid: not filled
    void SetBrushColor(const QColor& color) { m_brushColor = color; }

    double Print(const TPrintContext& context, std::vector<TDrawItem>& items) override;

private:
    TShapeType m_shape = TShapeType::stRectangle;
    QColor m_penColor = Qt::black;
    static constexpr double PenWidth = 1; // design units
    QColor m_brushColor;
};
