#include "platform/ui/TBevel.h"

#include "platform/ui/TWinControl.h"

#include <QFrame>

TBevel::TBevel(TComponent* owner, TWinControl* parent) : TControl(owner, new QFrame) {
    UpdateFrame();
    SetBounds(0, 0, 50, 50);
    SetParent(parent);
}

void TBevel::SetShape(TBevelShape shape) {
    m_shape = shape;
    UpdateFrame();
}

void TBevel::SetStyle(TBevelStyle style) {
    m_style = style;
    UpdateFrame();
}

void TBevel::UpdateFrame() {
    auto* frame = static_cast<QFrame*>(Widget());
    if (!frame)
        return;
    const int shadow = m_style == TBevelStyle::bsRaised ? QFrame::Raised : QFrame::Sunken;
    switch (m_shape) {
    case TBevelShape::bsBox:
    case TBevelShape::bsFrame:
        frame->setFrameStyle(QFrame::Box | shadow);
        break;
    case TBevelShape::bsTopLine:
    case TBevelShape::bsBottomLine:
        frame->setFrameStyle(QFrame::HLine | shadow);
        break;
    case TBevelShape::bsLeftLine:
    case TBevelShape::bsRightLine:
        frame->setFrameStyle(QFrame::VLine | shadow);
        break;
    case TBevelShape::bsSpacer:
        frame->setFrameStyle(QFrame::NoFrame);
        break;
    }
}
