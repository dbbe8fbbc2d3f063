#include "platform/ui/TSpeedButton.h"

#include "platform/ui/TActionLink.h"
#include "platform/ui/TWinControl.h"

#include <QToolButton>

TSpeedButton::TSpeedButton(TComponent* owner, TWinControl* parent) : TControl(owner, new QToolButton) {
    m_link = std::make_unique<TActionLink>([this](TAction& action) {
        SetCaption(action.Caption());
        SetEnabled(action.Enabled());
        SetVisible(action.Visible());
        SetHint(action.Hint());
        const QIcon icon = TActionLink::IconOf(action);
        if (!icon.isNull())
            SetGlyph(icon.pixmap(icon.availableSizes().value(0, QSize(16, 16))));
        if (m_groupIndex > 0)
            SetDown(action.Checked());
    });
    Button()->setFocusPolicy(Qt::NoFocus);
    connect(Button(), &QToolButton::clicked, this, [this] { Safe([this] { Pressed(); }); });
    SetBounds(0, 0, 23, 22);
    UpdateStyle();
    SetParent(parent);
}

TSpeedButton::~TSpeedButton() = default;

QToolButton* TSpeedButton::Button() const {
    return static_cast<QToolButton*>(Widget());
}

void TSpeedButton::SetCaption(const QString& caption) {
    m_caption = caption;
    if (Button())
        Button()->setText(caption);
    UpdateStyle();
}

void TSpeedButton::SetFlat(bool flat) {
    m_flat = flat;
    if (Button())
        Button()->setAutoRaise(flat);
}

void TSpeedButton::SetGlyph(const QPixmap& glyph) {
    m_glyph = glyph;
    if (!Button())
        return;
    Button()->setIcon(glyph.isNull() ? QIcon() : QIcon(glyph));
    if (!glyph.isNull())
        Button()->setIconSize(glyph.size());
    UpdateStyle();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
    m_layout = layout;
    UpdateStyle();
}

void TSpeedButton::UpdateStyle() {
    if (!Button())
        return;
    if (m_caption.isEmpty())
        Button()->setToolButtonStyle(Qt::ToolButtonIconOnly);
    else if (m_glyph.isNull())
        Button()->setToolButtonStyle(Qt::ToolButtonTextOnly);
    else if (m_layout == TButtonLayout::blGlyphTop || m_layout == TButtonLayout::blGlyphBottom)
        Button()->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    else
        Button()->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void TSpeedButton::SetGroupIndex(int index) {
    m_groupIndex = index;
    if (Button())
        Button()->setCheckable(index > 0);
    if (index == 0)
        SetDown(false);
}

void TSpeedButton::SetDown(bool down) {
    if (m_groupIndex == 0)
        down = false;
    m_down = down;
    if (Button())
        Button()->setChecked(down);
    if (!down || !Parent())
        return;
    for (int i = 0; i < Parent()->ControlCount(); ++i)
        if (auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
            other && other != this && other->m_groupIndex == m_groupIndex && other->m_down)
            other->SetDown(false);
}

TAction* TSpeedButton::Action() const {
    return m_link->Action();
}
void TSpeedButton::SetAction(TAction* action) {
    m_link->SetAction(action);
}

void TSpeedButton::Pressed() {
    if (m_groupIndex > 0) {
        // Qt toggled the check state already; the group's rule decides.
        const bool wasDown = m_down;
        SetDown(wasDown ? !m_allowAllUp : true);
        if (wasDown && !m_allowAllUp)
            return;
    }
    Click();
}

void TSpeedButton::Click() {
    if (OnClick)
        OnClick(this);
    else
        m_link->Execute();
}
