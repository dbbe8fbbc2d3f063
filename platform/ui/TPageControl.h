#pragma once
// Pages with tabs. OnChanging can refuse leaving the active page; OnChange
// runs after another page became active. With every tab hidden the tab row
// disappears and pages change only by code.

#include "platform/ui/TWinControl.h"

#include <QPointer>
#include <QStackedWidget>
#include <QTabBar>
#include <vector>

class TTabSheet;

class TPageControl : public TWinControl {
    Q_OBJECT
public:
    TPageControl(TComponent* owner, TWinControl* parent = nullptr);
    ~TPageControl() override;

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    TTabSheet* Pages(int index) const { return m_pages.at(static_cast<std::size_t>(index)); }
    TTabSheet* ActivePage() const { return m_active; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    TNotifyEvent OnChange;
    TEvent<TObject*, bool&> OnChanging;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* page);
    void RemovePage(TTabSheet* page);
    void UpdateTabs();
    void TabClicked(int tabIndex);

    // Both go with the control's widget, which may be deleted first.
    QPointer<QTabBar> m_tabBar;
    QPointer<QStackedWidget> m_stack;
    std::vector<TTabSheet*> m_pages;
    TTabSheet* m_active = nullptr;
    bool m_updatingTabs = false;
};
