#include "platform/ui/TCheckBox.h"

#include <QCheckBox>

TCheckBox::TCheckBox(TComponent* owner, TWinControl* parent) : TWinControl(owner, new QCheckBox) {
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
    if (qt == Qt::PartiallyChecked)
        Box()->setTristate(true);
    Box()->setCheckState(qt);
}

bool TCheckBox::AllowGrayed() const {
    return Box()->isTristate();
}
void TCheckBox::SetAllowGrayed(bool allow) {
    Box()->setTristate(allow);
}
