#include "platform/ui/TMainMenu.h"

#include "platform/ui/TMenuItem.h"

#include <QMenuBar>

TMainMenu::TMainMenu(TComponent* owner)
    : TComponent(owner), m_bar(new QMenuBar), m_items(std::make_unique<TMenuItem>(nullptr)) {
    // The bar keeps its natural height in the window's layout.
    m_bar->setSizePolicy(m_bar->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    m_items->SetContainer(m_bar);
}

TMainMenu::~TMainMenu() {
    m_items.reset();
    delete m_bar.data();
}
