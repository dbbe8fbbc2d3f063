#include "platform/ui/TAction.h"

#include "platform/ui/TActionList.h"

TAction::TAction(TComponent* owner) : TComponent(owner) {}

TAction::~TAction() {
    SetActionList(nullptr);
}

void TAction::SetActionList(TActionList* list) {
    if (list == m_actionList)
        return;
    if (m_actionList)
        m_actionList->RemoveAction(this);
    m_actionList = list;
    if (list)
        list->AddAction(this);
    emit Changed();
}

void TAction::SetCaption(const QString& caption) {
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit Changed();
}

void TAction::SetHint(const QString& hint) {
    if (hint == m_hint)
        return;
    m_hint = hint;
    emit Changed();
}

void TAction::SetImageIndex(int index) {
    if (index == m_imageIndex)
        return;
    m_imageIndex = index;
    emit Changed();
}

void TAction::SetEnabled(bool enabled) {
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit Changed();
}

void TAction::SetVisible(bool visible) {
    if (visible == m_visible)
        return;
    m_visible = visible;
    emit Changed();
}

void TAction::SetChecked(bool checked) {
    if (checked == m_checked)
        return;
    m_checked = checked;
    emit Changed();
}

void TAction::SetShortCut(const QKeySequence& shortCut) {
    if (shortCut == m_shortCut)
        return;
    m_shortCut = shortCut;
    emit Changed();
}

bool TAction::Update() {
    bool handled = false;
    if (m_actionList)
        m_actionList->OnUpdate(this, handled);
    if (!handled && OnUpdate) {
        OnUpdate(this);
        handled = true;
    }
    return handled;
}

bool TAction::Execute() {
    Update();
    if (!m_enabled)
        return false;
    bool handled = false;
    if (m_actionList)
        m_actionList->OnExecute(this, handled);
    if (!handled && OnExecute) {
        OnExecute(this);
        handled = true;
    }
    return handled;
}
