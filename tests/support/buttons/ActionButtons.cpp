#include "tests/support/buttons/ActionButtons.h"

#include "components/navigation/TCustomVCLToolbar.h"
#include "components/navigation/TVCLTbBtns.h"
#include "components/navigation/TVCLTbButton.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TSpeedButton.h"
#include "tests/support/input/UserInput.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace UserInput {
namespace {

// The widget of the button that runs the action, if the control is or holds one.
QWidget* ButtonOf(const TControl* control, const TAction* action) {
    if (const auto* button = dynamic_cast<const TButton*>(control); button && button->Action() == action)
        return button->Widget();
    if (const auto* speed = dynamic_cast<const TSpeedButton*>(control); speed && speed->Action() == action)
        return speed->Widget();
    if (const auto* toolbar = dynamic_cast<const TCustomVCLToolbar*>(control))
        for (int i = 0; i < toolbar->TbButtons().Count(); ++i)
            if (TVCLTbButton* item = toolbar->TbButtons().Items(i); item->Action() == action)
                return item->SpeedButton()->Widget();
    return nullptr;
}

} // namespace

void ClickButtonOf(TAction* action, QWidget* within) {
    QList<QWidget*> widgets = within->findChildren<QWidget*>();
    widgets.prepend(within);
    for (QWidget* widget : widgets) {
        const TControl* control = TControl::ControlOf(widget);
        if (!control || control->Widget() != widget)
            continue;
        QWidget* button = ButtonOf(control, action);
        if (!button || !button->isVisible())
            continue;
        // The program enables its buttons while it waits for the user.
        if (!WaitFor([button] { return button->isEnabled(); }))
            return void(ADD_FAILURE()
                        << "the button of " << action->Name().toStdString() << " stays disabled");
        return Click(button);
    }
    ADD_FAILURE() << "no button shows " << action->Name().toStdString();
}

} // namespace UserInput
