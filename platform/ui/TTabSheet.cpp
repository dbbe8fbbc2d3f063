#include "platform/ui/TTabSheet.h"

#include "platform/ui/TPageControl.h"

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner, new QWidget) {}

TTabSheet::~TTabSheet() {
    SetPageControl(nullptr);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->RemovePage(this);
    m_pageControl = pageControl;
    if (pageControl)
        pageControl->InsertPage(this);
}

void TTabSheet::SetCaption(const QString& caption) {
    m_caption = caption;
    if (m_pageControl)
        m_pageControl->UpdateTabs();
}

void TTabSheet::SetTabVisible(bool visible) {
    m_tabVisible = visible;
    if (m_pageControl)
        m_pageControl->UpdateTabs();
}

int TTabSheet::PageIndex() const {
    if (!m_pageControl)
        return -1;
    for (int i = 0; i < m_pageControl->PageCount(); ++i)
        if (m_pageControl->Pages(i) == this)
            return i;
    return -1;
}
