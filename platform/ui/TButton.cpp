#include "platform/ui/TButton.h"

#include "platform/ui/TActionLink.h"
#include "platform/ui/TForm.h"

#include <QPushButton>

TButton::TButton(TComponent* owner, TWinControl* parent) : TWinControl(owner, new QPushButton) {
    m_link = std::make_unique<TActionLink>([this](TAction& action) {
        SetCaption(action.Caption());
        SetEnabled(action.Enabled());
        SetVisible(action.Visible());
        SetHint(action.Hint());
    });
    Button()->setAutoDefault(false);
    connect(Button(), &QPushButton::clicked, this, [this] { Safe([this] { Click(); }); });
    SetBounds(0, 0, 75, 25);
    SetParent(parent);
}

TButton::~TButton() = default;

QPushButton* TButton::Button() const {
    return static_cast<QPushButton*>(Widget());
}

QString TButton::Caption() const {
    return Button() ? Button()->text() : QString();
}

void TButton::SetCaption(const QString& caption) {
    if (Button())
        Button()->setText(caption);
}

void TButton::SetDefault(bool isDefault) {
    m_default = isDefault;
    if (Button())
        Button()->setDefault(isDefault);
}

TAction* TButton::Action() const {
    return m_link->Action();
}
void TButton::SetAction(TAction* action) {
    m_link->SetAction(action);
}

void TButton::Click() {
    if (m_modalResult != mrNone) {
        for (TControl* c = Parent(); c; c = c->Parent())
            if (auto* form = dynamic_cast<TForm*>(c)) {
                form->SetModalResult(m_modalResult);
                break;
            }
    }
    if (OnClick)
        OnClick(this);
    else
        m_link->Execute();
}
