#pragma once
// What a screen reader finds in a window: the focusable controls of the
// program it cannot name, and the role the window reads as.

#include <QAccessible>
#include <QStringList>

class QWidget;

// "objectName (class)" of each visible focusable control of `window` whose
// accessible name is empty.
QStringList UnnamedControls(QWidget* window);

QAccessible::Role RoleOf(QWidget* window);
