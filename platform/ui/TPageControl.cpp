#include "platform/ui/TPageControl.h"

#include "platform/ui/TTabSheet.h"

#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

TPageControl::TPageControl(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, new QWidget), m_tabBar(new QTabBar(Widget())),
      m_stack(new QStackedWidget(Widget())) {
    auto* layout = new QVBoxLayout(Widget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabBar);
    layout->addWidget(m_stack);
    connect(m_tabBar, &QTabBar::currentChanged, this, [this](int tab) {
        if (!Safe([this, tab] { TabClicked(tab); }) && !m_updatingTabs) {
            m_updatingTabs = true;
            m_tabBar->setCurrentIndex(ActivePageIndex());
            m_updatingTabs = false;
        }
    });
    SetBounds(0, 0, 289, 193);
    SetParent(parent);
}

TPageControl::~TPageControl() {
    for (TTabSheet* page : m_pages)
        page->m_pageControl = nullptr;
}

void TPageControl::InsertPage(TTabSheet* page) {
    m_pages.push_back(page);
    page->SetParent(this);
    page->SetAlign(TAlign::alNone);
    // The stacked widget, not the aligner, places the pages.
    m_stack->addWidget(page->Widget());
    // Only the current page shows; the stack shows another when it becomes current.
    page->Widget()->setVisible(m_stack->currentWidget() == page->Widget());
    UpdateTabs();
    if (!m_active)
        SetActivePage(page);
}

void TPageControl::RemovePage(TTabSheet* page) {
    std::erase(m_pages, page);
    if (m_active == page)
        m_active = nullptr;
    if (!m_tabBar || !m_stack)
        return;
    if (page->Widget())
        m_stack->removeWidget(page->Widget());
    if (m_active == page)
        m_active = nullptr;
    page->SetParent(nullptr);
    UpdateTabs();
}

void TPageControl::UpdateTabs() {
    if (!m_tabBar)
        return;
    m_updatingTabs = true;
    while (m_tabBar->count() > 0)
        m_tabBar->removeTab(0);
    bool anyVisible = false;
    for (TTabSheet* page : m_pages) {
        const int tab = m_tabBar->addTab(page->Caption());
        m_tabBar->setTabVisible(tab, page->TabVisible());
        anyVisible = anyVisible || page->TabVisible();
    }
    if (m_active)
        m_tabBar->setCurrentIndex(m_active->PageIndex());
    m_tabBar->setVisible(anyVisible);
    m_updatingTabs = false;
}

int TPageControl::ActivePageIndex() const {
    return m_active ? m_active->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? m_pages[static_cast<std::size_t>(index)] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->m_pageControl != this)
        return;
    m_active = page;
    if (!m_tabBar || !m_stack)
        return;
    if (page)
        m_stack->setCurrentWidget(page->Widget());
    m_updatingTabs = true;
    m_tabBar->setCurrentIndex(page ? page->PageIndex() : -1);
    m_updatingTabs = false;
}

void TPageControl::TabClicked(int tabIndex) {
    if (m_updatingTabs || tabIndex < 0 || tabIndex >= PageCount() || m_pages[tabIndex] == m_active)
        return;
    bool allow = true;
    OnChanging(this, allow);
    if (!allow) {
        m_updatingTabs = true;
        m_tabBar->setCurrentIndex(ActivePageIndex());
        m_updatingTabs = false;
        return;
    }
    SetActivePageIndex(tabIndex);
    OnChange(this);
}
