#pragma once
// A list of actions with shared images. Whenever the application is idle it
// updates its actions: OnUpdate for each one (a handler can mark it handled),
// then the action's own OnUpdate.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"

#include <vector>

class TAction;
class TImageList;

using TActionEvent = TEvent<TAction*, bool&>;

class TActionList : public TComponent {
    Q_OBJECT
public:
    explicit TActionList(TComponent* owner);
    ~TActionList() override;

    int ActionCount() const { return static_cast<int>(m_actions.size()); }
    TAction* Actions(int index) const { return m_actions.at(static_cast<std::size_t>(index)); }

    TImageList* Images() const { return m_images; }
    void SetImages(TImageList* images);

    void UpdateActions();

    TActionEvent OnUpdate;
    TActionEvent OnExecute;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TAction;
    void AddAction(TAction* action);
    void RemoveAction(TAction* action);

    std::vector<TAction*> m_actions;
    TImageList* m_images = nullptr;
};
