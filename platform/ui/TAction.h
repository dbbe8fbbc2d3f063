#pragma once
// A command shared by buttons and menu items: its caption, hint, image,
// enabled, visible and checked states and shortcut show on every linked
// control; OnUpdate (through the action list, on idle) sets them, OnExecute
// does the work.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"

#include <QKeySequence>

class TActionList;

class TAction : public TComponent {
    Q_OBJECT
public:
    explicit TAction(TComponent* owner);
    ~TAction() override;

    TActionList* ActionList() const { return m_actionList; }
    void SetActionList(TActionList* list);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    const QString& Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Checked() const { return m_checked; }
    void SetChecked(bool checked);
    const QKeySequence& ShortCut() const { return m_shortCut; }
    void SetShortCut(const QKeySequence& shortCut);

    // Runs the action when it is enabled (updating it first); true when a
    // handler ran.
    bool Execute();
    // The action list's OnUpdate, then the action's own; true when handled.
    bool Update();

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

signals:
    void Changed();

private:
    TActionList* m_actionList = nullptr;
    QString m_caption;
    QString m_hint;
    int m_imageIndex = -1;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_checked = false;
    QKeySequence m_shortCut;
};
