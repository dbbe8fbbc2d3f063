#pragma once
// A push button. Clicking it sets its form's ModalResult (when it has one),
// then runs OnClick or, without one, its action. The default button answers
// Enter and the cancel button Escape.

#include "platform/base/TPromptRequest.h"
#include "platform/ui/TWinControl.h"

#include <memory>

class QPushButton;
class TAction;
class TActionLink;

class TButton : public TWinControl {
    Q_OBJECT
public:
    TButton(TComponent* owner, TWinControl* parent = nullptr);
    ~TButton() override;

    QString Caption() const;
    void SetCaption(const QString& caption);
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result) { m_modalResult = result; }
    bool Default() const { return m_default; }
    void SetDefault(bool isDefault);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool cancel) { m_cancel = cancel; }
    TAction* Action() const;
    void SetAction(TAction* action);

    void Click() override;

protected:
    QPushButton* Button() const;
    bool ClickOnMouseRelease() const override { return false; }

private:
    TModalResult m_modalResult = mrNone;
    bool m_default = false;
    bool m_cancel = false;
    std::unique_ptr<TActionLink> m_link;
};
