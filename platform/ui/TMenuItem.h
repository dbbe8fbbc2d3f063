#pragma once
// An item of a main or popup menu: a command, a separator (caption "-") or a
// submenu holding further items. Linked to an action it shows the action's
// state and runs it when chosen.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"

#include <QKeySequence>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class TAction;
class TActionLink;

class TMenuItem : public TComponent {
    Q_OBJECT
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    QString Caption() const;
    void SetCaption(const QString& caption);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    bool Checked() const;
    void SetChecked(bool checked);
    QKeySequence ShortCut() const;
    void SetShortCut(const QKeySequence& shortCut);
    QString Hint() const;
    void SetHint(const QString& hint);
    TAction* Action() const;
    void SetAction(TAction* action);

    int Count() const { return static_cast<int>(m_items.size()); }
    TMenuItem* Items(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    TMenuItem* Parent() const { return m_parent; }
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    void Remove(TMenuItem* item);

    // Runs the linked action, else OnClick.
    void Click();
    TNotifyEvent OnClick;

    QAction* QtAction() const { return m_action; }

protected:
    // A menu bar or popup menu whose root item this is; it may be freed
    // before the items.
    void SetContainer(QWidget* container) { m_container = container; }
    friend class TMainMenu;
    friend class TPopupMenu;

private:
    QWidget* Container();

    QAction* m_action;
    std::unique_ptr<QMenu> m_menu;
    QPointer<QWidget> m_container;
    TMenuItem* m_parent = nullptr;
    std::vector<TMenuItem*> m_items;
    std::unique_ptr<TActionLink> m_link;
};
