#include "platform/ui/TSplitter.h"

#include "platform/ui/TWinControl.h"

#include <QMouseEvent>

TSplitter::TSplitter(TComponent* owner, TWinControl* parent) : TControl(owner, new QWidget) {
    SetAlign(TAlign::alLeft);
    SetBounds(0, 0, 3, 100);
    Widget()->setCursor(Qt::SplitHCursor);
    SetParent(parent);
}

TControl* TSplitter::Neighbour() const {
    if (!Parent())
        return nullptr;
    TControl* before = nullptr;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* control = Parent()->Controls(i);
        if (control == this)
            return before;
        if (control->Align() == Align() && control->Visible())
            before = control;
    }
    return nullptr;
}

void TSplitter::MoveBy(int delta) {
    TControl* neighbour = Neighbour();
    if (!neighbour || delta == 0)
        return;
    switch (Align()) {
    case TAlign::alLeft:
        neighbour->SetWidth(std::max(m_minSize, neighbour->Width() + delta));
        break;
    case TAlign::alRight:
        neighbour->SetWidth(std::max(m_minSize, neighbour->Width() - delta));
        break;
    case TAlign::alTop:
        neighbour->SetHeight(std::max(m_minSize, neighbour->Height() + delta));
        break;
    case TAlign::alBottom:
        neighbour->SetHeight(std::max(m_minSize, neighbour->Height() - delta));
        break;
    default:
        return;
    }
    Safe([this] { OnMoved(this); });
}

bool TSplitter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Widget()) {
        const bool vertical = Align() == TAlign::alTop || Align() == TAlign::alBottom;
        auto position = [vertical](QEvent* e) {
            const QPointF p = static_cast<QMouseEvent*>(e)->globalPosition();
            return static_cast<int>(vertical ? p.y() : p.x());
        };
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_dragStart = position(event);
            return true;
        case QEvent::MouseMove:
            if (m_dragStart >= 0) {
                const int now = position(event);
                MoveBy(now - m_dragStart);
                m_dragStart = now;
            }
            return true;
        case QEvent::MouseButtonRelease:
            m_dragStart = -1;
            return true;
        default:
            break;
        }
    }
    return TControl::eventFilter(watched, event);
}
