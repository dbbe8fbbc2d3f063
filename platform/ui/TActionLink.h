#pragma once
// Ties a control to an action: the control shows the action's state at once
// and on every change, and runs it when clicked.

#include "platform/ui/TAction.h"

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <functional>

class TActionLink : public QObject {
    Q_OBJECT
public:
    // `apply` copies the action's state to the client.
    explicit TActionLink(std::function<void(TAction&)> apply);

    TAction* Action() const { return m_action; }
    void SetAction(TAction* action);
    // Runs the action; false when there is none.
    bool Execute();

    // The action's picture from its list's images (none without).
    static QIcon IconOf(const TAction& action);

private:
    void Refresh();

    std::function<void(TAction&)> m_apply;
    QPointer<TAction> m_action;
    QMetaObject::Connection m_connection;
};
