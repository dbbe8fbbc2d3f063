#pragma once
// Clicking the button that runs an action, as a person finds it on the
// window: a push button, a speed button or a button of a toolbar.

class QWidget;
class TAction;

namespace UserInput {

// Clicks the visible button that runs the action among the widgets inside
// within; fails the test when none shows.
void ClickButtonOf(TAction* action, QWidget* within);

} // namespace UserInput
