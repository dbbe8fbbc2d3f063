#include "platform/ui/TCheckBox.h"

#include <QCheckBox>

namespace {
// A click or Space ticks an unticked or grey box and unticks a ticked one;
// only a box that allows grey passes through grey on its way.
class CheckBoxWidget : public QCheckBox {
public:
    bool allowGrayed = false;

protected:
    void nextCheckState() override {
        switch (checkState()) {
        case Qt::Unchecked:
            setCheckState(allowGrayed ? Qt::PartiallyChecked : Qt::Checked);
            break;
        case Qt::Checked:
            setCheckState(Qt::Unchecked);
            break;
        case Qt::PartiallyChecked:
            setCheckState(Qt::Checked);
            break;
        }
    }
};
} // namespace

TCheckBox::TCheckBox(TComponent* owner, TWinControl* parent) : TWinControl(owner, new CheckBoxWidget) {
    connect(Box(), &QCheckBox::stateChanged, this, [this] {
        Safe([this] {
            Toggled();
            Click();
        });
    });
    SetBounds(0, 0, 97, 17);
    SetParent(parent);
}

QCheckBox* TCheckBox::Box() const {
    return static_cast<QCheckBox*>(Widget());
}

QString TCheckBox::Caption() const {
    return Box()->text();
}
void TCheckBox::SetCaption(const QString& caption) {
    Box()->setText(caption);
}

void TCheckBox::SetChecked(bool checked) {
    SetState(checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked);
}

TCheckBoxState TCheckBox::State() const {
    switch (Box()->checkState()) {
    case Qt::Checked:
        return TCheckBoxState::cbChecked;
    case Qt::PartiallyChecked:
        return TCheckBoxState::cbGrayed;
    default:
        return TCheckBoxState::cbUnchecked;
    }
}

void TCheckBox::SetState(TCheckBoxState state) {
    const Qt::CheckState qt = state == TCheckBoxState::cbChecked  ? Qt::Checked
                              : state == TCheckBoxState::cbGrayed ? Qt::PartiallyChecked
                                                                  : Qt::Unchecked;
    // (Showing grey makes the widget three-state; a click still follows AllowGrayed.)
    Box()->setCheckState(qt);
}

bool TCheckBox::AllowGrayed() const {
    return static_cast<CheckBoxWidget*>(Box())->allowGrayed;
}
void TCheckBox::SetAllowGrayed(bool allow) {
    static_cast<CheckBoxWidget*>(Box())->allowGrayed = allow;
    Box()->setTristate(allow);
}
