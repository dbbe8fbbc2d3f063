#include "platform/ui/TActionList.h"

#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TImageList.h"

TActionList::TActionList(TComponent* owner) : TComponent(owner) {
    if (Application)
        connect(Application, &TApplication::IdleUpdate, this, &TActionList::UpdateActions);
}

TActionList::~TActionList() {
    for (TAction* action : std::vector<TAction*>(m_actions))
        action->SetActionList(nullptr);
}

void TActionList::SetImages(TImageList* images) {
    if (m_images)
        RemoveFreeNotification(m_images);
    m_images = images;
    if (images)
        FreeNotification(images);
    for (TAction* action : m_actions)
        emit action->Changed();
}

void TActionList::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_images)
        SetImages(nullptr);
}

void TActionList::UpdateActions() {
    for (TAction* action : std::vector<TAction*>(m_actions))
        action->Update();
}

void TActionList::AddAction(TAction* action) {
    m_actions.push_back(action);
}

void TActionList::RemoveAction(TAction* action) {
    std::erase(m_actions, action);
}
