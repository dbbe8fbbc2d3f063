#include "platform/ui/TCheckBox.h"

#include <QCheckBox>

namespace {
// A click or Space ticks an unticked or grey box and unticks a ticked one;
// it never turns a box grey.
class CheckBoxWidget : public QCheckBox {
protected:
    void nextCheckState() override {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
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
    // (Showing grey makes the widget three-state; a click still never turns it grey.)
    Box()->setCheckState(qt);
}
