#pragma once
// A context menu shown at a screen position (a control's right click).

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"

#include <QPoint>
#include <memory>

class QMenu;
class TMenuItem;

class TPopupMenu : public TComponent {
    Q_OBJECT
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    TMenuItem* Items() const { return m_items.get(); }
    QMenu* Menu() const { return m_menu.get(); }
    // Runs OnPopup, then shows the menu.
    void Popup(const QPoint& globalPos);

    TNotifyEvent OnPopup;

private:
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<TMenuItem> m_items;
};
