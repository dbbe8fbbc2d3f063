#include "platform/report/TPrintable.h"

#include "platform/report/TBandReport.h"
#include "platform/report/TReportBand.h"

TPrintable::TPrintable(TComponent* owner) : TComponent(owner) {}

TPrintable::~TPrintable() {
    SetParent(nullptr);
}

void TPrintable::SetParent(TReportBand* band) {
    if (band == m_parent)
        return;
    if (m_parent)
        m_parent->RemoveControl(this);
    m_parent = band;
    if (m_parent) {
        m_parent->AddControl(this);
        FreeNotification(m_parent);
    }
}

void TPrintable::SetBounds(double left, double top, double width, double height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
}

TReportFont& TPrintable::Font() {
    if (m_parentFont) {
        m_font = static_cast<const TPrintable*>(this)->Font();
        m_parentFont = false;
    }
    return m_font;
}

const TReportFont& TPrintable::Font() const {
    if (m_parentFont && m_parent && m_parent->Parent())
        return m_parent->Parent()->Font();
    return m_font;
}

void TPrintable::SetFont(const TReportFont& font) {
    m_font = font;
    m_parentFont = false;
}

void TPrintable::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_parent)
        m_parent = nullptr;
}

void TPrintable::AddBackgroundAndFrame(const QRectF& box, std::vector<TDrawItem>& items) const {
    if (m_color.isValid()) {
        TDrawItem fill;
        fill.Kind = TDrawKind::dkRect;
        fill.Rect = box;
        fill.Brush = m_color;
        items.push_back(fill);
    }
    m_frame.AppendLines(box, items);
}

int TPrintable::AlignmentFlags() const {
    switch (m_alignment) {
    case taRightJustify:
        return Qt::AlignRight | Qt::AlignTop;
    case taCenter:
        return Qt::AlignHCenter | Qt::AlignTop;
    case taLeftJustify:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}
