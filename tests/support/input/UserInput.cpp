#include "tests/support/input/UserInput.h"

#include "platform/ui/TControl.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeNodes.h"
#include "platform/ui/TTreeView.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <vector>

namespace UserInput {
namespace {

// The program handles the event and then waits for the next one, as it does
// between a person's keys (its idle work, such as enabling the buttons of
// its actions, runs while it waits).
void Settle() {
    QEventLoop wait;
    QTimer::singleShot(5, &wait, &QEventLoop::quit);
    wait.exec();
}

QPoint Where(QWidget* widget, QPoint at) {
    return at == QPoint(-1, -1) ? widget->rect().center() : at;
}

// The widget of a control that takes keys and clicks: a combo box's text part.
QWidget* InputWidget(TControl* control) {
    if (auto* combo = qobject_cast<QComboBox*>(control->Widget()); combo && combo->lineEdit())
        return combo->lineEdit();
    return control->Widget();
}

// Where a person clicks a control: a check box on its box, anything else in its middle.
QPoint Target(QWidget* widget) {
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    return widget->rect().center();
}

} // namespace

bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.hasExpired(5000))
            return false;
        Settle();
    }
    return true;
}

void ChooseMenuItem(QMenuBar* bar, TMenuItem* item) {
    std::vector<QAction*> path;
    for (TMenuItem* i = item; i && i->Parent(); i = i->Parent())
        path.insert(path.begin(), i->QtAction());
    QWidget* container = bar;
    for (QAction* action : path) {
        const QRect place = container == bar ? bar->actionGeometry(action)
                                             : static_cast<QMenu*>(container)->actionGeometry(action);
        Click(container, place.center());
        if (action->menu())
            container = action->menu();
    }
}

QWidget* Focused() {
    return QApplication::focusWidget();
}

void Click(QWidget* widget, QPoint at, Qt::KeyboardModifiers modifiers) {
    // The window clicked into is the active one.
    if (QWidget* window = widget->window(); window->windowType() != Qt::Popup && !window->isActiveWindow()) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
    QTest::mouseClick(widget, Qt::LeftButton, modifiers, Where(widget, at));
    Settle();
}

void Click(TControl* control, Qt::KeyboardModifiers modifiers) {
    QWidget* widget = InputWidget(control);
    Click(widget, Target(widget), modifiers);
}

void DoubleClick(QWidget* widget, QPoint at) {
    QTest::mouseDClick(widget, Qt::LeftButton, Qt::NoModifier, Where(widget, at));
    Settle();
}

void Key(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : Focused();
    if (!target)
        return;
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    Settle();
}

void Tab() {
    Key(Qt::Key_Tab);
}
void ShiftTab() {
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
}
void Enter() {
    Key(Qt::Key_Return);
}
void Esc() {
    Key(Qt::Key_Escape);
}
void Space() {
    Key(Qt::Key_Space);
}

void Type(const QString& text) {
    for (const QChar c : text) {
        QWidget* target = Focused();
        if (!target)
            return;
        // Sent as a keyboard sends it: the key of the letter, its text, and
        // Shift for a capital.
        const Qt::KeyboardModifiers shift = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
        const int key = c.isLetter() && c.unicode() < 128 ? c.toUpper().unicode() : c.unicode();
        QTest::sendKeyEvent(QTest::Press, target, static_cast<Qt::Key>(key), QString(c), shift);
        QTest::sendKeyEvent(QTest::Release, target, static_cast<Qt::Key>(key), QString(c), shift);
        Settle();
    }
}

void TypeInto(TControl* control, const QString& text) {
    Click(control);
    Type(text);
}

void TypeOver(TControl* control, const QString& text) {
    Click(control);
    Key(Qt::Key_Home);
    Key(Qt::Key_End, Qt::ShiftModifier);
    Type(text);
}

void Paste(const QString& text) {
    QApplication::clipboard()->setText(text);
    Key(Qt::Key_V, Qt::ControlModifier);
}

void ChooseFromDropDown(TControl* control, const QString& item) {
    auto* combo = qobject_cast<QComboBox*>(control->Widget());
    if (!combo)
        return;
    Click(combo->lineEdit() ? static_cast<QWidget*>(combo) : combo,
          QPoint(combo->width() - 6, combo->height() / 2));
    QAbstractItemView* list = combo->view();
    if (!list->isVisible())
        return void(ADD_FAILURE() << "the click did not open the list of "
                                  << combo->objectName().toStdString());
    const int row = combo->findText(item);
    if (row < 0)
        return;
    const QModelIndex index = list->model()->index(row, combo->modelColumn());
    list->scrollTo(index);
    // The pointer goes over the item before it clicks, as a hand moves it
    // (a release without a move soon after the list opened is taken for the
    // opening click's own).
    QTest::mouseMove(list->viewport(), list->visualRect(index).center());
    Click(list->viewport(), list->visualRect(index).center());
}

void ClickRow(TDBGrid* grid, int row, Qt::KeyboardModifiers modifiers) {
    QTableView* view = grid->View();
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    Click(view->viewport(), view->visualRect(index).center(), modifiers);
}

void ClickNode(TTreeView* tree, int absoluteIndex) {
    QTreeWidget* widget = tree->Tree();
    QTreeWidgetItem* item = tree->Items().Item(absoluteIndex)->Item();
    // A folded branch is opened first, with a double click on it.
    std::vector<QTreeWidgetItem*> folded;
    for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
        if (!parent->isExpanded())
            folded.insert(folded.begin(), parent);
    for (QTreeWidgetItem* parent : folded) {
        widget->scrollToItem(parent);
        DoubleClick(widget->viewport(), widget->visualItemRect(parent).center());
    }
    widget->scrollToItem(item);
    Click(widget->viewport(), widget->visualItemRect(item).center());
}

} // namespace UserInput
