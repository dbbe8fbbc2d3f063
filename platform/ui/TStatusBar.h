#pragma once
// The status line at the bottom of a form: panels of fixed widths, or one
// simple text when SimplePanel is on.

#include "platform/ui/TWinControl.h"

#include <memory>
#include <vector>

class QStackedWidget;
class TStatusPanel;

class TStatusBar : public TWinControl {
    Q_OBJECT
public:
    TStatusBar(TComponent* owner, TWinControl* parent = nullptr);
    ~TStatusBar() override;

    int PanelCount() const { return static_cast<int>(m_panels.size()); }
    TStatusPanel* Panels(int index) const { return m_panels.at(static_cast<std::size_t>(index)).get(); }
    TStatusPanel* AddPanel(int width);

    void SetSimplePanel(bool simple);
    QString SimpleText() const;
    void SetSimpleText(const QString& text);

private:
    QStackedWidget* m_stack;
    QWidget* m_panelRow;
    class QLabel* m_simple;
    std::vector<std::unique_ptr<TStatusPanel>> m_panels;
};
