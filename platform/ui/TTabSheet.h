#pragma once
// One page of a page control. A page whose tab is hidden can still be shown
// by code (wizard-like page controls hide every tab).

#include "platform/ui/TWinControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
    Q_OBJECT
public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;

    void SetPageControl(TPageControl* pageControl);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool visible);
    int PageIndex() const;

private:
    friend class TPageControl;
    TPageControl* m_pageControl = nullptr;
    QString m_caption;
    bool m_tabVisible = true;
};
