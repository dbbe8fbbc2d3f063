#pragma once
// A check box. OnClick runs whenever Checked changes, by the user or by code.
// Code may show any state; a click or Space never turns the box grey.

#include "platform/ui/TWinControl.h"

class QCheckBox;

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TCheckBox : public TWinControl {
    Q_OBJECT
public:
    TCheckBox(TComponent* owner, TWinControl* parent = nullptr);

    QString Caption() const;
    void SetCaption(const QString& caption);
    bool Checked() const { return State() == TCheckBoxState::cbChecked; }
    void SetChecked(bool checked);
    TCheckBoxState State() const;
    void SetState(TCheckBoxState state);

protected:
    QCheckBox* Box() const;
    bool ClickOnMouseRelease() const override { return false; }
    // Called on every change of state before OnClick.
    virtual void Toggled() {}
};
