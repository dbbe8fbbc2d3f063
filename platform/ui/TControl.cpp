#include "platform/ui/TControl.h"

#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TWinControl.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>

namespace {
const char* const kControlProperty = "zebControl";

// The last key event seen, to tell a key passed on to a parent widget (which
// was handled already) from a new one.
const QEvent* g_lastKey = nullptr;
QPointer<QObject> g_lastKeyTarget;
bool g_replacingKey = false;

void SelectAllOf(QWidget* widget) {
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        widget = combo->lineEdit();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->selectAll();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
        memo->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget))
        spin->selectAll();
}

// Tab and Shift+Tab move the focus: they type no character (save in a text
// box that takes tabs itself).
bool MovesFocus(const QObject* watched, const QKeyEvent* event) {
    if (event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab)
        return false;
    const auto* memo = qobject_cast<const QPlainTextEdit*>(watched);
    return !memo || memo->tabChangesFocus();
}

bool IsStrictAncestor(const QObject* ancestor, const QObject* object) {
    for (const QObject* o = object ? object->parent() : nullptr; o; o = o->parent())
        if (o == ancestor)
            return true;
    return false;
}
} // namespace

TControl::TControl(TComponent* owner, QWidget* widget) : TComponent(owner), m_widget(widget) {
    WatchWidget(widget);
    widget->hide();
}

TControl::~TControl() {
    if (m_parent)
        m_parent->RemoveControl(this);
    if (m_widget) {
        DetachTree(m_widget);
        delete m_widget.data();
    }
}

void TControl::DetachTree(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets)
        if (TControl* control = ControlOf(widget)) {
            widget->removeEventFilter(control);
            QObject::disconnect(widget, nullptr, control, nullptr);
            widget->setProperty(kControlProperty, QVariant());
        }
}

TControl* TControl::ControlOf(const QWidget* widget) {
    if (!widget)
        return nullptr;
    return static_cast<TControl*>(widget->property(kControlProperty).value<void*>());
}

void TControl::WatchWidget(QWidget* widget) {
    widget->setProperty(kControlProperty, QVariant::fromValue<void*>(this));
    widget->installEventFilter(this);
}

void TControl::SetName(const QString& name) {
    TComponent::SetName(name);
    if (m_widget)
        m_widget->setObjectName(name);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent == m_parent)
        return;
    if (m_parent)
        m_parent->RemoveControl(this);
    m_parent = parent;
    if (!m_widget)
        return;
    if (parent) {
        const QRect geometry = m_widget->geometry();
        m_widget->setParent(parent->ClientWidget());
        m_widget->setGeometry(geometry);
        parent->InsertControl(this);
        m_widget->setVisible(m_visible);
        parent->Realign();
    } else {
        m_widget->hide();
        m_widget->setParent(nullptr);
    }
}

TForm* TControl::ParentForm() const {
    TForm* form = nullptr;
    for (const TControl* control = this; control; control = control->m_parent)
        if (auto* f = dynamic_cast<TForm*>(const_cast<TControl*>(control)))
            form = f;
    return form;
}

int TControl::Left() const {
    const QWidget* frame = FrameWidget();
    return frame ? frame->x() : 0;
}
int TControl::Top() const {
    const QWidget* frame = FrameWidget();
    return frame ? frame->y() : 0;
}
int TControl::Width() const {
    const QWidget* frame = FrameWidget();
    return frame ? frame->width() : 0;
}
int TControl::Height() const {
    const QWidget* frame = FrameWidget();
    return frame ? frame->height() : 0;
}

void TControl::SetBounds(int left, int top, int width, int height) {
    QWidget* frame = FrameWidget();
    if (!frame)
        return;
    frame->setGeometry(left, top, std::max(0, width), std::max(0, height));
    if (m_parent && m_align != TAlign::alNone)
        m_parent->Realign();
}

void TControl::SetAlign(TAlign align) {
    m_align = align;
    if (m_parent)
        m_parent->Realign();
}

void TControl::SetAnchors(TAnchors anchors) {
    m_anchors = anchors;
}

void TControl::ParentResized(const QSize& oldSize, const QSize& newSize) {
    if (m_align != TAlign::alNone || !m_widget)
        return;
    QRect r = m_widget->geometry();
    const int dx = newSize.width() - oldSize.width();
    const int dy = newSize.height() - oldSize.height();
    if (m_anchors & akRight) {
        if (m_anchors & akLeft)
            r.setWidth(std::max(0, r.width() + dx));
        else
            r.moveLeft(r.left() + dx);
    }
    if (m_anchors & akBottom) {
        if (m_anchors & akTop)
            r.setHeight(std::max(0, r.height() + dy));
        else
            r.moveTop(r.top() + dy);
    }
    m_widget->setGeometry(r);
}

void TControl::SetVisible(bool visible) {
    m_visible = visible;
    if (m_widget && m_parent)
        m_widget->setVisible(visible);
    if (m_parent && m_align != TAlign::alNone)
        m_parent->Realign();
}

bool TControl::Enabled() const {
    return m_widget && !m_widget->testAttribute(Qt::WA_Disabled);
}

void TControl::SetEnabled(bool enabled) {
    if (m_widget)
        m_widget->setEnabled(enabled);
}

void TControl::SetHint(const QString& hint) {
    m_hint = hint;
    if (m_widget)
        m_widget->setToolTip(m_showHint ? hint : QString());
}

void TControl::SetShowHint(bool show) {
    m_showHint = show;
    SetHint(m_hint);
}

void TControl::SetFont(const QFont& font) {
    if (m_widget)
        m_widget->setFont(font);
}

QColor TControl::FontColor() const {
    return m_widget ? m_widget->palette().color(m_widget->foregroundRole()) : QColor();
}

void TControl::SetFontColor(const QColor& color) {
    if (!m_widget)
        return;
    QPalette palette = m_widget->palette();
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, m_widget->foregroundRole()})
        palette.setColor(role, color);
    m_widget->setPalette(palette);
}

QColor TControl::Color() const {
    return m_widget ? m_widget->palette().color(m_widget->backgroundRole()) : QColor();
}

void TControl::SetColor(const QColor& color) {
    if (!m_widget)
        return;
    QPalette palette = m_widget->palette();
    palette.setColor(m_widget->backgroundRole(), color);
    // Text boxes, lists and trees paint their area with the base colour.
    if (qobject_cast<QAbstractScrollArea*>(m_widget) || qobject_cast<QLineEdit*>(m_widget))
        palette.setColor(QPalette::Base, color);
    m_widget->setPalette(palette);
    m_widget->setAutoFillBackground(true);
}

void TControl::SetCursor(TCursor cursor) {
    m_cursor = cursor;
    if (!m_widget)
        return;
    if (cursor == crDefault)
        m_widget->unsetCursor();
    else
        m_widget->setCursor(TScreen::QtCursor(cursor));
}

int TControl::TabOrder() const {
    return m_parent ? m_parent->TabIndexOf(this) : -1;
}

void TControl::SetTabOrder(int order) {
    if (m_parent)
        m_parent->MoveTabOrder(this, order);
}

bool TControl::TabStop() const {
    return m_widget && (m_widget->focusPolicy() & Qt::TabFocus);
}

void TControl::SetTabStop(bool stop) {
    if (m_widget)
        m_widget->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
    if (m_popupMenu)
        RemoveFreeNotification(m_popupMenu);
    m_popupMenu = menu;
    if (!m_widget)
        return;
    QObject::disconnect(m_widget, &QWidget::customContextMenuRequested, this, nullptr);
    if (menu) {
        FreeNotification(menu);
        m_widget->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(m_widget, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
            if (m_popupMenu)
                m_popupMenu->Popup(m_widget->mapToGlobal(pos));
        });
    } else {
        m_widget->setContextMenuPolicy(Qt::DefaultContextMenu);
    }
}

void TControl::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_popupMenu)
        SetPopupMenu(nullptr);
}

void TControl::SetFocus() {
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
}

bool TControl::Focused() const {
    return m_widget && m_widget->hasFocus();
}

bool TControl::CanFocus() const {
    for (const TControl* control = this; control; control = control->m_parent)
        if (!control->m_visible || !control->Enabled())
            return false;
    return m_widget && m_widget->focusPolicy() != Qt::NoFocus;
}

void TControl::BringToFront() {
    if (m_widget)
        m_widget->raise();
}

void TControl::Invalidate() {
    if (m_widget)
        m_widget->update();
}

void TControl::Repaint() {
    if (m_widget)
        m_widget->repaint();
}

void TControl::ScaleBy(int multiplier, int divider) {
    if (!m_widget || divider == 0)
        return;
    const QRect r = m_widget->geometry();
    m_widget->setGeometry(r.left() * multiplier / divider, r.top() * multiplier / divider,
                          r.width() * multiplier / divider, r.height() * multiplier / divider);
    QFont font = m_widget->font();
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, font.pixelSize() * multiplier / divider));
    else
        font.setPointSizeF(font.pointSizeF() * multiplier / divider);
    m_widget->setFont(font);
}

void TControl::Click() {
    OnClick(this);
}

void TControl::ReturnFocus() {
    SetFocus();
    // The control losing the focus clears its selection after its exit.
    QTimer::singleShot(0, this, [this] {
        if (Focused())
            SelectAllOf(m_widget);
    });
}

bool TControl::Safe(const std::function<void()>& call) {
    if (Application)
        return Application->SafeCall(this, call);
    call();
    return true;
}

bool TControl::DoKeyDown(int& key, TShiftState shift) {
    // Keys without a code (typed through an input method) cannot be swallowed here.
    const bool coded = key != 0;
    OnKeyDown(this, key, shift);
    return key != 0 || !coded;
}

bool TControl::DoKeyPress(QChar& key) {
    OnKeyPress(this, key);
    return !key.isNull();
}

void TControl::DoEnter() {
    OnEnter(this);
}
void TControl::DoExit() {
    OnExit(this);
}
void TControl::Resized() {
    OnResize(this);
}

bool TControl::HandleKeyPress(QObject* watched, QKeyEvent* event) {
    if (g_replacingKey)
        return false;
    if (event == g_lastKey && g_lastKeyTarget && IsStrictAncestor(watched, g_lastKeyTarget)) {
        // Passed on by a child widget that did not use it.
        if (auto* form = dynamic_cast<TForm*>(this))
            return form->KeyPassedOn(event);
        return false;
    }
    g_lastKey = event;
    g_lastKeyTarget = watched;

    int key = event->key();
    const TShiftState shift = event->modifiers();
    QChar ch = event->text().isEmpty() || MovesFocus(watched, event) ? QChar() : event->text().at(0);
    const QChar typed = ch;
    bool pass = true;
    const bool ok = Safe([&] {
        std::vector<TForm*> previewers;
        for (TControl* c = m_parent; c; c = c->m_parent)
            if (auto* form = dynamic_cast<TForm*>(c); form && form->KeyPreview())
                previewers.insert(previewers.begin(), form);
        for (TForm* form : previewers) {
            form->OnKeyDown(form, key, shift);
            if (key == 0 && event->key() != 0)
                return void(pass = false);
            if (!ch.isNull()) {
                form->OnKeyPress(form, ch);
                if (ch.isNull())
                    return void(pass = false);
            }
        }
        if (!DoKeyDown(key, shift))
            return void(pass = false);
        if (!ch.isNull() && !DoKeyPress(ch))
            pass = false;
    });
    if (!ok || !pass)
        return true;
    if (ch != typed) {
        // A handler changed the character: deliver the new one instead.
        QKeyEvent replacement(QEvent::KeyPress, key, shift, QString(ch));
        g_replacingKey = true;
        QCoreApplication::sendEvent(watched, &replacement);
        g_replacingKey = false;
        return true;
    }
    return false;
}

bool TControl::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleKeyPress(watched, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        int key = keyEvent->key();
        bool swallow = false;
        if (OnKeyUp && watched == m_widget)
            swallow = !Safe([&] { OnKeyUp(this, key, keyEvent->modifiers()); }) || key == 0;
        return swallow;
    }
    case QEvent::FocusIn:
        if (watched == m_widget &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            Safe([this] { DoEnter(); });
        return false;
    case QEvent::FocusOut:
        if (watched == m_widget &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
            static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            Safe([this] { DoExit(); });
        return false;
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        if (ClickOnMouseRelease() && mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint()))
            Safe([this] { Click(); });
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (OnDblClick)
            Safe([this] { OnDblClick(this); });
        return false;
    case QEvent::Resize:
        if (watched == m_widget)
            Safe([this] { Resized(); });
        return false;
    default:
        return false;
    }
}
