#include "platform/ui/TPopupMenu.h"

#include "platform/ui/TApplication.h"
#include "platform/ui/TMenuItem.h"

#include <QMenu>

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner), m_menu(std::make_unique<QMenu>()), m_items(std::make_unique<TMenuItem>(nullptr)) {
    m_items->SetContainer(m_menu.get());
}

TPopupMenu::~TPopupMenu() {
    m_items.reset();
}

void TPopupMenu::Popup(const QPoint& globalPos) {
    const bool ok =
        Application ? Application->SafeCall(this, [this] { OnPopup(this); }) : (OnPopup(this), true);
    if (ok)
        m_menu->popup(globalPos);
}
