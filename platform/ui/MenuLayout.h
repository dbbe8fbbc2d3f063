#pragma once
// Making the actions and menu items of a window's menu bar.

#include <QString>

class TAction;
class TActionList;
class TComponent;
class TMenuItem;

// An action with its caption, in the window's action list.
TAction* MakeAction(TComponent* owner, TActionList* list, const QString& name, const QString& caption);
// A menu item at `index` in `parent`: the action's when there is one, else
// a submenu with its own caption.
TMenuItem* MakeMenuItem(TComponent* owner, TMenuItem* parent, int index, const QString& name, TAction* action,
                        const QString& caption = QString());
