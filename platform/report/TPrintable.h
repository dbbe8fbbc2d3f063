#pragma once
// Base of everything printed on a band: position and size in design units
// relative to the band, font, background colour, alignment, frame. A control
// is owned by any component (the report or its form) and printed by the band
// set as its Parent. Its font follows the report's font until it is changed
// (ParentFont).

#include "platform/base/TComponent.h"
#include "platform/db/DBTypes.h"
#include "platform/report/TDrawItem.h"
#include "platform/report/TPrintContext.h"
#include "platform/report/TReportFont.h"
#include "platform/report/TReportFrame.h"

#include <QColor>
#include <vector>

class TReportBand;

class TPrintable : public TComponent {
public:
    explicit TPrintable(TComponent* owner = nullptr);
    ~TPrintable() override;

    TReportBand* Parent() const { return m_parent; }
    void SetParent(TReportBand* band);

    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }
    void SetLeft(double value) { m_left = value; }
    void SetTop(double value) { m_top = value; }
    void SetWidth(double value) { m_width = value; }
    void SetHeight(double value) { m_height = value; }
    void SetBounds(double left, double top, double width, double height);

    // Changing the font through Font() ends ParentFont.
    TReportFont& Font();
    const TReportFont& Font() const;
    void SetFont(const TReportFont& font);
    bool ParentFont() const { return m_parentFont; }
    void SetParentFont(bool value) { m_parentFont = value; }

    QColor Color() const { return m_color; } // invalid: transparent
    void SetColor(const QColor& color) { m_color = color; }
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment) { m_alignment = alignment; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled) { m_enabled = enabled; }
    TReportFrame& Frame() { return m_frame; }
    const TReportFrame& Frame() const { return m_frame; }

    // Adds the control's drawing in design units relative to the band and
    // returns the bottom it reaches (more than Top + Height when it stretches).
    virtual double Print(const TPrintContext& context, std::vector<TDrawItem>& items) = 0;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // Background and frame around `box` (design units).
    void AddBackgroundAndFrame(const QRectF& box, std::vector<TDrawItem>& items) const;
    int AlignmentFlags() const;

private:
    TReportBand* m_parent = nullptr;
    double m_left = 0;
    double m_top = 0;
    double m_width = 65;
    double m_height = 17;
    TReportFont m_font;
    bool m_parentFont = true;
    QColor m_color;
    TAlignment m_alignment = taLeftJustify;
    bool m_enabled = true;
    TReportFrame m_frame;
};
