#include "platform/ui/TPanel.h"

#include <QLabel>

TPanel::TPanel(TComponent* owner, TWinControl* parent) : TWinControl(owner, new QLabel) {
    Label()->setAutoFillBackground(true);
    SetAlignment(TAlignment::taCenter);
    UpdateFrame();
    SetBounds(0, 0, 185, 41);
    SetParent(parent);
}

QLabel* TPanel::Label() const {
    return static_cast<QLabel*>(Widget());
}

void TPanel::SetCaption(const QString& caption) {
    m_caption = caption;
    if (Label())
        Label()->setText(StripAccelChar(caption));
}

void TPanel::SetAlignment(TAlignment alignment) {
    m_alignment = alignment;
    if (!Label())
        return;
    Qt::Alignment horizontal = Qt::AlignHCenter;
    if (alignment == TAlignment::taLeftJustify)
        horizontal = Qt::AlignLeft;
    else if (alignment == TAlignment::taRightJustify)
        horizontal = Qt::AlignRight;
    Label()->setAlignment(horizontal | Qt::AlignVCenter);
}

void TPanel::SetBevelOuter(TBevelCut bevel) {
    m_bevelOuter = bevel;
    UpdateFrame();
}

void TPanel::SetBevelInner(TBevelCut bevel) {
    m_bevelInner = bevel;
    UpdateFrame();
}

void TPanel::SetBevelWidth(int width) {
    m_bevelWidth = width;
    UpdateFrame();
}

void TPanel::UpdateFrame() {
    if (!Label())
        return;
    const int bevels =
        (m_bevelOuter != TBevelCut::bvNone ? 1 : 0) + (m_bevelInner != TBevelCut::bvNone ? 1 : 0);
    if (bevels == 0) {
        Label()->setFrameStyle(QFrame::NoFrame);
    } else {
        const TBevelCut cut = m_bevelOuter != TBevelCut::bvNone ? m_bevelOuter : m_bevelInner;
        Label()->setFrameStyle(QFrame::Panel |
                               (cut == TBevelCut::bvRaised ? QFrame::Raised : QFrame::Sunken));
        Label()->setLineWidth(m_bevelWidth * bevels);
    }
    Label()->setIndent(2);
    Realign();
}
