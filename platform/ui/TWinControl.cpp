#include "platform/ui/TWinControl.h"

#include <QResizeEvent>
#include <algorithm>

TWinControl::TWinControl(TComponent* owner, QWidget* widget) : TControl(owner, widget) {
    WatchClient();
}

TWinControl::~TWinControl() {
    for (TControl* control : m_controls)
        control->m_parent = nullptr;
}

void TWinControl::WatchClient() {
    QWidget* client = ClientWidget();
    if (client && client != Widget())
        client->installEventFilter(this);
    if (client)
        m_clientSize = client->size();
}

void TWinControl::InsertControl(TControl* control) {
    m_controls.push_back(control);
    m_tabList.push_back(control);
    ChainTabOrder();
}

void TWinControl::RemoveControl(TControl* control) {
    std::erase(m_controls, control);
    std::erase(m_tabList, control);
    Realign();
}

int TWinControl::TabIndexOf(const TControl* control) const {
    const auto it = std::find(m_tabList.begin(), m_tabList.end(), control);
    return it == m_tabList.end() ? -1 : static_cast<int>(it - m_tabList.begin());
}

void TWinControl::MoveTabOrder(TControl* control, int order) {
    const auto it = std::find(m_tabList.begin(), m_tabList.end(), control);
    if (it == m_tabList.end())
        return;
    m_tabList.erase(it);
    order = std::clamp(order, 0, static_cast<int>(m_tabList.size()));
    m_tabList.insert(m_tabList.begin() + order, control);
    ChainTabOrder();
}

void TWinControl::ChainTabOrder() {
    for (std::size_t i = 1; i < m_tabList.size(); ++i)
        if (m_tabList[i - 1]->Widget() && m_tabList[i]->Widget())
            QWidget::setTabOrder(m_tabList[i - 1]->Widget(), m_tabList[i]->Widget());
}

int TWinControl::ClientWidth() const {
    return ClientWidget() ? ClientWidget()->width() : 0;
}
int TWinControl::ClientHeight() const {
    return ClientWidget() ? ClientWidget()->height() : 0;
}

void TWinControl::SetClientWidth(int width) {
    SetWidth(Width() - ClientWidth() + width);
}
void TWinControl::SetClientHeight(int height) {
    SetHeight(Height() - ClientHeight() + height);
}

void TWinControl::SetBorderWidth(int width) {
    m_borderWidth = width;
    Realign();
}

void TWinControl::Realign() {
    QWidget* client = ClientWidget();
    if (m_aligning || !client)
        return;
    m_aligning = true;
    QRect r = client->contentsRect().adjusted(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    const auto place = [&](TAlign align, auto&& geometry) {
        for (TControl* control : m_controls)
            if (control->Align() == align && control->Visible() && control->Widget())
                control->Widget()->setGeometry(geometry(control->Widget()));
    };
    place(TAlign::alTop, [&](QWidget* w) {
        const QRect g(r.left(), r.top(), r.width(), w->height());
        r.setTop(r.top() + w->height());
        return g;
    });
    place(TAlign::alBottom, [&](QWidget* w) {
        const QRect g(r.left(), r.bottom() + 1 - w->height(), r.width(), w->height());
        r.setBottom(r.bottom() - w->height());
        return g;
    });
    place(TAlign::alLeft, [&](QWidget* w) {
        const QRect g(r.left(), r.top(), w->width(), std::max(0, r.height()));
        r.setLeft(r.left() + w->width());
        return g;
    });
    place(TAlign::alRight, [&](QWidget* w) {
        const QRect g(r.right() + 1 - w->width(), r.top(), w->width(), std::max(0, r.height()));
        r.setRight(r.right() - w->width());
        return g;
    });
    place(TAlign::alClient, [&](QWidget*) {
        return QRect(r.topLeft(), QSize(std::max(0, r.width()), std::max(0, r.height())));
    });
    AlignRemainder(r);
    m_aligning = false;
}

void TWinControl::ScaleBy(int multiplier, int divider) {
    TControl::ScaleBy(multiplier, divider);
    for (TControl* control : m_controls)
        control->ScaleBy(multiplier, divider);
    Realign();
}

bool TWinControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == ClientWidget()) {
        const QSize newSize = static_cast<QResizeEvent*>(event)->size();
        if (m_clientSize.isValid() && m_clientSize != newSize)
            for (TControl* control : m_controls)
                control->ParentResized(m_clientSize, newSize);
        m_clientSize = newSize;
        Realign();
    }
    return TControl::eventFilter(watched, event);
}
