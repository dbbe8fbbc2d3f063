#include "platform/ui/MenuLayout.h"

#include "platform/ui/Make.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TMenuItem.h"

TAction* MakeAction(TComponent* owner, TActionList* list, const QString& name, const QString& caption) {
    auto* action = Make<TAction>(owner, name);
    action->SetCaption(caption);
    action->SetActionList(list);
    return action;
}

TMenuItem* MakeMenuItem(TComponent* owner, TMenuItem* parent, int index, const QString& name, TAction* action,
                        const QString& caption) {
    auto* item = Make<TMenuItem>(owner, name);
    if (action)
        item->SetAction(action);
    else
        item->SetCaption(caption);
    parent->Insert(index, item);
    return item;
}
