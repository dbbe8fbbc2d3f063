#include "platform/ui/TActionLink.h"

#include "platform/ui/TActionList.h"
#include "platform/ui/TImageList.h"

TActionLink::TActionLink(std::function<void(TAction&)> apply) : m_apply(std::move(apply)) {}

void TActionLink::SetAction(TAction* action) {
    if (action == m_action)
        return;
    QObject::disconnect(m_connection);
    m_action = action;
    if (action) {
        m_connection = connect(action, &TAction::Changed, this, &TActionLink::Refresh);
        Refresh();
    }
}

void TActionLink::Refresh() {
    if (m_action && !m_action->IsDestroying())
        m_apply(*m_action);
}

bool TActionLink::Execute() {
    return m_action && m_action->Execute();
}

QIcon TActionLink::IconOf(const TAction& action) {
    if (!action.ActionList() || !action.ActionList()->Images())
        return {};
    return action.ActionList()->Images()->GetIcon(action.ImageIndex());
}
