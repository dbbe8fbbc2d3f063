#pragma once
// The menu bar of a form; its items are the bar's entries.

#include "platform/base/TComponent.h"

#include <QMenuBar>
#include <QPointer>
#include <memory>

class TMenuItem;

class TMainMenu : public TComponent {
    Q_OBJECT
public:
    explicit TMainMenu(TComponent* owner);
    ~TMainMenu() override;

    TMenuItem* Items() const { return m_items.get(); }
    QMenuBar* MenuBar() const { return m_bar; }

private:
    // The form that shows the bar takes it into its widget tree.
    QPointer<QMenuBar> m_bar;
    std::unique_ptr<TMenuItem> m_items;
};
