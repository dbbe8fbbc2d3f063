#pragma once
// What a person does with the keyboard and the mouse, as real key and mouse
// events on the real widgets. Keys go to the widget that has the focus, as
// they do on a desktop; every call lets the program react before it returns.

#include <QPoint>
#include <QString>
#include <Qt>

#include <functional>

class QMenuBar;
class QWidget;
class TControl;
class TMenuItem;
class TDBGrid;
class TTreeView;

namespace UserInput {

// A left click on the widget (its centre unless at is given), with the
// keyboard modifiers held.
void Click(QWidget* widget, QPoint at = QPoint(-1, -1), Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Click(TControl* control, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void DoubleClick(QWidget* widget, QPoint at = QPoint(-1, -1));
// One key pressed and released on the focused widget.
void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void Tab();
void ShiftTab();
void Enter();
void Esc();
void Space();
// Types the text on the focused widget, one key per character.
void Type(const QString& text);
// Clicks into the control and types the text where the click left the caret.
void TypeInto(TControl* control, const QString& text);
// Clicks into the control, selects all it shows (Home, Shift+End) and types
// the text over the selection.
void TypeOver(TControl* control, const QString& text);
// Puts the text on the clipboard and pastes it with Ctrl+V.
void Paste(const QString& text);
// Chooses an item of a combo box: by clicking it in its opened list, or by
// typing its text into the box.
void ChooseFromDropDown(TControl* combo, const QString& item);
// Clicks a row of a grid (its first visible column).
void ClickRow(TDBGrid* grid, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Clicks the node of a tree at its absolute index, opening its folded
// branches first.
void ClickNode(TTreeView* tree, int absoluteIndex);
// Chooses a menu item by clicking its way through the menu bar.
void ChooseMenuItem(QMenuBar* bar, TMenuItem* item);
// Lets the program run (its timers too) until done() holds, at most a few
// seconds; whether it came to hold.
bool WaitFor(const std::function<bool()>& done);
// The widget that has the keyboard focus now.
QWidget* Focused();

} // namespace UserInput
