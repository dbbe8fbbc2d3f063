#include "platform/ui/TMenuItem.h"

#include "platform/ui/TActionLink.h"
#include "platform/ui/TApplication.h"

#include <QAction>
#include <QMenu>

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), m_action(new QAction(this)) {
    m_link = std::make_unique<TActionLink>([this](TAction& action) {
        m_action->setText(action.Caption());
        m_action->setEnabled(action.Enabled());
        m_action->setVisible(action.Visible());
        m_action->setCheckable(action.Checked() || m_action->isCheckable());
        m_action->setChecked(action.Checked());
        m_action->setShortcut(action.ShortCut());
        m_action->setStatusTip(action.Hint());
        m_action->setIcon(TActionLink::IconOf(action));
    });
    connect(m_action, &QAction::triggered, this, [this] {
        if (Application)
            Application->SafeCall(this, [this] { Click(); });
        else
            Click();
    });
}

TMenuItem::~TMenuItem() {
    for (TMenuItem* item : m_items)
        item->m_parent = nullptr;
    if (m_parent)
        m_parent->Remove(this);
    m_link.reset();
    m_menu.reset();
}

QString TMenuItem::Caption() const {
    return m_action->isSeparator() ? QStringLiteral("-") : m_action->text();
}

void TMenuItem::SetCaption(const QString& caption) {
    m_action->setSeparator(caption == QLatin1String("-"));
    m_action->setText(caption);
}

bool TMenuItem::Enabled() const {
    return m_action->isEnabled();
}
void TMenuItem::SetEnabled(bool enabled) {
    m_action->setEnabled(enabled);
}
bool TMenuItem::Visible() const {
    return m_action->isVisible();
}
void TMenuItem::SetVisible(bool visible) {
    m_action->setVisible(visible);
}
bool TMenuItem::Checked() const {
    return m_action->isChecked();
}

void TMenuItem::SetChecked(bool checked) {
    m_action->setCheckable(true);
    m_action->setChecked(checked);
}

QKeySequence TMenuItem::ShortCut() const {
    return m_action->shortcut();
}
void TMenuItem::SetShortCut(const QKeySequence& shortCut) {
    m_action->setShortcut(shortCut);
}
QString TMenuItem::Hint() const {
    return m_action->statusTip();
}
void TMenuItem::SetHint(const QString& hint) {
    m_action->setStatusTip(hint);
}
TAction* TMenuItem::Action() const {
    return m_link->Action();
}
void TMenuItem::SetAction(TAction* action) {
    m_link->SetAction(action);
}

QWidget* TMenuItem::Container() {
    if (m_container)
        return m_container;
    if (!m_menu) {
        m_menu = std::make_unique<QMenu>();
        m_action->setMenu(m_menu.get());
    }
    return m_menu.get();
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this)
        return;
    if (item->m_parent)
        item->m_parent->Remove(item);
    index = std::clamp(index, 0, Count());
    QWidget* container = Container();
    QAction* before = index < Count() ? m_items[static_cast<std::size_t>(index)]->m_action : nullptr;
    container->insertAction(before, item->m_action);
    m_items.insert(m_items.begin() + index, item);
    item->m_parent = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it == m_items.end())
        return;
    m_items.erase(it);
    item->m_parent = nullptr;
    if (QWidget* container = m_container ? m_container.data() : m_menu.get())
        container->removeAction(item->m_action);
}

void TMenuItem::Click() {
    if (m_link->Execute())
        return;
    OnClick(this);
}
