#include "platform/ui/TForm.h"

#include "platform/ui/DocumentMnemonics.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TScreen.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {
TButton* FindButton(const TWinControl* container, bool (TButton::*flag)() const) {
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* control = container->Controls(i);
        if (auto* button = dynamic_cast<TButton*>(control);
            button && (button->*flag)() && button->Visible() && button->Enabled())
            return button;
        if (auto* inner = dynamic_cast<TWinControl*>(control))
            if (TButton* found = FindButton(inner, flag))
                return found;
    }
    return nullptr;
}
} // namespace

TForm::TForm(TComponent* owner) : TWinControl(owner, new QWidget(nullptr, Qt::Window)) {
    m_layout = new QVBoxLayout(Widget());
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_client = new QWidget(Widget());
    m_layout->addWidget(m_client, 1);
    WatchClient();
    Widget()->resize(320, 240);
}

TForm::~TForm() {
    BeforeDestruction();
    // The bar belongs to the menu, which may outlive the window's widgets.
    SetMenu(nullptr);
    if (Application)
        Application->FormDestroyed(this);
    if (Screen && Screen->ActiveForm() == this)
        Screen->SetActiveForm(nullptr);
    if (m_mdiArea)
        QObject::disconnect(m_mdiArea, nullptr, this, nullptr);
    for (TForm* child : m_mdiChildren)
        child->m_mdiParent = nullptr;
    m_mdiChildren.clear();
    if (m_mdiParent)
        std::erase(m_mdiParent->m_mdiChildren, this);
    if (m_subWindow && Widget()) {
        DetachTree(Widget());
        Widget()->setParent(nullptr);
        delete m_subWindow.data();
    }
}

void TForm::BeforeDestruction() {
    if (m_destroyFired)
        return;
    m_destroyFired = true;
    Safe([this] { OnDestroy(this); });
}

void TForm::AfterConstruction() {
    OnCreate(this);
    if (m_formStyle == TFormStyle::fsMDIChild)
        Show();
}

QWidget* TForm::ClientWidget() const {
    return m_client;
}

int TForm::MenuHeight() const {
    return m_menu && m_menu->MenuBar() ? m_menu->MenuBar()->sizeHint().height() : 0;
}

int TForm::ClientWidth() const {
    return Widget() ? Widget()->width() : 0;
}

int TForm::ClientHeight() const {
    return Widget() ? Widget()->height() - MenuHeight() : 0;
}

void TForm::SetClientWidth(int width) {
    if (!Widget())
        return;
    if (m_subWindow)
        SetBounds(Left(), Top(), Width() - Widget()->width() + width, Height());
    else
        Widget()->resize(width, Widget()->height());
}

void TForm::SetClientHeight(int height) {
    if (!Widget())
        return;
    if (m_subWindow)
        SetBounds(Left(), Top(), Width(), Height() - Widget()->height() + height + MenuHeight());
    else
        Widget()->resize(Widget()->width(), height + MenuHeight());
}

QWidget* TForm::FrameWidget() const {
    return m_subWindow ? static_cast<QWidget*>(m_subWindow.data()) : Widget();
}

void TForm::SetBounds(int left, int top, int width, int height) {
    if (!m_subWindow)
        return TWinControl::SetBounds(left, top, width, height);
    width = std::max(0, width);
    height = std::max(0, height);
    if (FixedSize())
        m_subWindow->setFixedSize(width, height);
    m_subWindow->setGeometry(left, top, width, height);
}

TWinControl* TForm::ActiveControl() const {
    if (Widget())
        for (QWidget* widget = Widget()->focusWidget(); widget && widget != Widget();
             widget = widget->parentWidget())
            if (auto* control = dynamic_cast<TWinControl*>(ControlOf(widget)))
                return control;
    return m_activeControl;
}

void TForm::SetActiveControl(TWinControl* control) {
    if (m_activeControl && m_activeControl != this)
        RemoveFreeNotification(m_activeControl);
    m_activeControl = control;
    if (control && control != this)
        FreeNotification(control);
    if (Visible() && Widget() && Widget()->isVisible())
        FocusActiveControl();
}

void TForm::FocusActiveControl() {
    if (m_activeControl && m_activeControl->CanFocus())
        m_activeControl->SetFocus();
}

void TForm::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_activeControl)
        m_activeControl = nullptr;
}

QString TForm::Caption() const {
    return Widget() ? Widget()->windowTitle() : QString();
}

void TForm::SetCaption(const QString& caption) {
    if (Widget())
        Widget()->setWindowTitle(caption);
}

void TForm::SetFormStyle(TFormStyle style) {
    m_formStyle = style;
    if (style == TFormStyle::fsMDIForm && !m_mdiArea) {
        m_mdiArea = new QMdiArea(m_client);
        m_mdiArea->setObjectName(QStringLiteral("MDIClient"));
        m_mdiArea->show();
        connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
            for (TForm* child : m_mdiChildren)
                if (child->m_subWindow == window)
                    return ActivateMdiChild(child);
        });
        m_documentMnemonics = std::make_unique<DocumentMnemonics>(*this);
        Realign();
    }
    ApplyWindowFlags();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    m_borderStyle = style;
    ApplyWindowFlags();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    m_borderIcons = icons;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
    if (m_subWindow)
        return ApplySubWindowFlags();
    if (!IsTopLevel() || !Widget())
        return;
    Qt::WindowFlags flags = m_borderStyle == TFormBorderStyle::bsDialog ? Qt::Dialog : Qt::Window;
    flags |= Qt::CustomizeWindowHint;
    if (m_borderStyle == TFormBorderStyle::bsNone) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint;
        if (m_borderIcons & biSystemMenu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (m_borderStyle != TFormBorderStyle::bsDialog) {
            if (m_borderIcons & biMinimize)
                flags |= Qt::WindowMinimizeButtonHint;
            if (m_borderIcons & biMaximize)
                flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    if (m_formStyle == TFormStyle::fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    const bool visible = Widget()->isVisible();
    Widget()->setWindowFlags(flags);
    if (visible)
        Widget()->show();
}

void TForm::ApplySubWindowFlags() {
    Qt::WindowFlags flags = Qt::SubWindow | Qt::CustomizeWindowHint;
    if (m_borderStyle != TFormBorderStyle::bsNone) {
        flags |= Qt::WindowTitleHint;
        if (m_borderIcons & biSystemMenu)
            flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (m_borderStyle != TFormBorderStyle::bsDialog) {
            if (m_borderIcons & biMinimize)
                flags |= Qt::WindowMinimizeButtonHint;
            if (m_borderIcons & biMaximize)
                flags |= Qt::WindowMaximizeButtonHint;
        }
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    const bool visible = m_subWindow->isVisible();
    m_subWindow->setWindowFlags(flags);
    if (FixedSize()) {
        m_subWindow->setFixedSize(m_subWindow->size());
    } else {
        m_subWindow->setMinimumSize(0, 0);
        m_subWindow->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    if (visible)
        m_subWindow->show();
}

TWindowState TForm::WindowState() const {
    return m_windowState;
}

void TForm::SetWindowState(TWindowState state) {
    m_windowState = state;
    QWidget* window = m_subWindow ? static_cast<QWidget*>(m_subWindow.data()) : Widget();
    if (!window || !m_shownOnce || !Visible())
        return;
    switch (state) {
    case TWindowState::wsNormal:
        window->showNormal();
        break;
    case TWindowState::wsMinimized:
        window->showMinimized();
        break;
    case TWindowState::wsMaximized:
        window->showMaximized();
        break;
    }
}

TMainMenu* TForm::Menu() const {
    return m_menu;
}

void TForm::SetMenu(TMainMenu* menu) {
    if (m_menu == menu)
        return;
    if (m_menu && m_menu->MenuBar()) {
        QMenuBar* bar = m_menu->MenuBar();
        m_layout->removeWidget(bar);
        bar->hide();
        bar->setParent(nullptr);
    }
    m_menu = menu;
    if (menu) {
        menu->MenuBar()->setParent(Widget());
        m_layout->insertWidget(0, menu->MenuBar());
        menu->MenuBar()->show();
    }
}

void TForm::SetParent(TWinControl* parent) {
    TWinControl::SetParent(parent);
    if (!parent)
        ApplyWindowFlags();
}

void TForm::AlignRemainder(const QRect& rect) {
    if (m_mdiArea)
        m_mdiArea->setGeometry(rect);
}

void TForm::WrapAsMdiChild() {
    TForm* frame = Application ? Application->MainForm() : nullptr;
    if (!frame || frame->m_formStyle != TFormStyle::fsMDIForm || !frame->m_mdiArea)
        throw EInvalidOperation(QStringLiteral("Cannot create form. No MDI forms are currently active"));
    m_mdiParent = frame;
    const QSize size = Widget()->size();
    const QPoint designed = Widget()->pos();
    m_subWindow = frame->m_mdiArea->addSubWindow(Widget());
    m_subWindow->setAttribute(Qt::WA_DeleteOnClose, false);
    // A click on what takes no focus itself (a speed button, a panel) leaves
    // the focus where it is, as it does in a dialog: the frame does not take it.
    m_subWindow->setFocusPolicy(Qt::TabFocus);
    m_subWindow->installEventFilter(this);
    frame->m_mdiChildren.insert(frame->m_mdiChildren.begin(), this);
    const int frameWidth = m_subWindow->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int caption = Screen->CaptionHeight();
    m_subWindow->resize(size.width() + 2 * frameWidth, size.height() + caption + frameWidth);
    // Each new child opens one caption height further down and right.
    const int offset = caption * (frame->MDIChildCount() - 1);
    if (m_position == TPosition::poDesigned)
        m_subWindow->move(designed);
    else
        m_subWindow->move(offset, offset);
    ApplySubWindowFlags();
}

void TForm::PlaceOnFirstShow() {
    if (!IsTopLevel())
        return;
    QRect area = Screen ? QRect(0, 0, Screen->Width(), Screen->Height()) : QRect();
    if (m_position == TPosition::poMainFormCenter && Application && Application->MainForm() &&
        Application->MainForm() != this)
        area = Application->MainForm()->Widget()->frameGeometry();
    if (m_position == TPosition::poScreenCenter || m_position == TPosition::poMainFormCenter) {
        QRect frame = Widget()->frameGeometry();
        frame.moveCenter(area.center());
        Widget()->move(frame.topLeft());
    }
    if (m_borderStyle == TFormBorderStyle::bsDialog || m_borderStyle == TFormBorderStyle::bsSingle)
        Widget()->setFixedSize(Widget()->size());
}

void TForm::SetVisible(bool visible) {
    if (!Widget())
        return;
    if (!visible) {
        if (!Visible() && !Widget()->isVisible())
            return;
        TControl::SetVisible(false);
        if (m_subWindow)
            m_subWindow->hide();
        else
            Widget()->hide();
        OnHide(this);
        return;
    }
    if (m_formStyle == TFormStyle::fsMDIChild && !m_subWindow && !Parent())
        WrapAsMdiChild();
    const bool wasShowing = m_subWindow ? m_subWindow->isVisible() : Widget()->isVisible();
    TControl::SetVisible(true);
    if (!m_shownOnce) {
        m_shownOnce = true;
        PlaceOnFirstShow();
    }
    if (!wasShowing)
        OnShow(this);
    if (m_subWindow) {
        Widget()->show();
        SetWindowState(m_windowState);
        m_mdiParent->m_mdiArea->setActiveSubWindow(m_subWindow);
        m_mdiParent->ActivateMdiChild(this);
    } else if (IsTopLevel()) {
        SetWindowState(m_windowState);
        Widget()->raise();
        Widget()->activateWindow();
    } else {
        Widget()->show();
    }
    if (!wasShowing)
        FocusActiveControl();
}

void TForm::BringToFront() {
    if (m_subWindow && m_mdiParent) {
        m_subWindow->raise();
        m_mdiParent->m_mdiArea->setActiveSubWindow(m_subWindow);
        m_mdiParent->ActivateMdiChild(this);
    } else if (Widget()) {
        Widget()->raise();
        if (IsTopLevel())
            Widget()->activateWindow();
    }
}

bool TForm::Active() const {
    if (m_mdiParent)
        return m_mdiParent->ActiveMDIChild() == this;
    return Screen && Screen->ActiveForm() == this;
}

void TForm::ActivateMdiChild(TForm* child) {
    if (!m_mdiChildren.empty() && m_mdiChildren.front() == child && child->m_activatedOnce)
        return;
    TForm* previous = m_mdiChildren.empty() ? nullptr : m_mdiChildren.front();
    std::erase(m_mdiChildren, child);
    m_mdiChildren.insert(m_mdiChildren.begin(), child);
    if (previous && previous != child)
        Safe([previous] { previous->OnDeactivate(previous); });
    child->m_activatedOnce = true;
    child->Activated();
}

void TForm::Activated() {
    if (Screen)
        Screen->SetActiveForm(this);
    Safe([this] { OnActivate(this); });
}

TModalResult TForm::ShowModal() {
    if (m_inModal || (Visible() && Widget()->isVisible()))
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    if (m_formStyle == TFormStyle::fsMDIChild)
        throw EInvalidOperation(QStringLiteral("Cannot make an MDI child window modal"));
    struct ModalState {
        TForm* form;
        ~ModalState() {
            form->m_inModal = false;
            form->m_modalLoop = nullptr;
            if (form->Widget())
                form->Widget()->setWindowModality(Qt::NonModal);
        }
    } state{this};
    m_inModal = true;
    m_modalResult = mrNone;
    Widget()->setWindowModality(Qt::ApplicationModal);
    Show();
    if (Application)
        Application->OnModalBegin(this);
    TCloseAction action = TCloseAction::caHide;
    for (;;) {
        if (m_modalResult == mrNone) {
            if (Application && Application->Terminated()) {
                m_modalResult = mrCancel;
            } else {
                QEventLoop loop;
                m_modalLoop = &loop;
                loop.exec(QEventLoop::DialogExec);
                m_modalLoop = nullptr;
                if (m_modalResult == mrNone)
                    continue;
            }
        }
        action = TCloseAction::caHide;
        bool closes = false;
        Safe([&] {
            if (!CloseQuery())
                return;
            OnClose(this, action);
            closes = action != TCloseAction::caNone;
        });
        if (closes || (Application && Application->Terminated()))
            break;
        m_modalResult = mrNone;
    }
    const TModalResult result = m_modalResult;
    Hide();
    if (Application)
        Application->OnModalEnd(this);
    if (action == TCloseAction::caFree)
        Release();
    return result;
}

void TForm::SetModalResult(TModalResult result) {
    m_modalResult = result;
    if (m_modalLoop && result != mrNone)
        m_modalLoop->quit();
}

bool TForm::CloseQuery() {
    if (m_formStyle == TFormStyle::fsMDIForm)
        for (TForm* child : std::vector<TForm*>(m_mdiChildren))
            if (!child->CloseQuery())
                return false;
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::Close() {
    if (m_inModal) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::caHide;
    if (m_formStyle == TFormStyle::fsMDIChild)
        action = (m_borderIcons & biMinimize) ? TCloseAction::caMinimize : TCloseAction::caNone;
    OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caHide:
        Hide();
        break;
    case TCloseAction::caMinimize:
        SetWindowState(TWindowState::wsMinimized);
        break;
    case TCloseAction::caFree:
        Release();
        break;
    case TCloseAction::caNone:
        break;
    }
}

void TForm::Release() {
    QMetaObject::invokeMethod(
        this, [this] { Free(); }, Qt::QueuedConnection);
}

void TForm::Free() {
    BeforeDestruction();
    delete this;
}

void TForm::ScaleBy(int multiplier, int divider) {
    if (divider == 0)
        return;
    SetClientWidth(ClientWidth() * multiplier / divider);
    SetClientHeight(ClientHeight() * multiplier / divider);
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->ScaleBy(multiplier, divider);
    Realign();
}

bool TForm::KeyPassedOn(QKeyEvent* event) {
    TButton* button = nullptr;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        button = FindButton(this, &TButton::Default);
    else if (event->key() == Qt::Key_Escape)
        button = FindButton(this, &TButton::Cancel);
    if (!button)
        return false;
    Safe([button] { button->Click(); });
    return true;
}

bool TForm::eventFilter(QObject* watched, QEvent* event) {
    const bool window = watched == Widget() || (m_subWindow && watched == m_subWindow);
    if (window && event->type() == QEvent::Close) {
        // The window's close box: the form decides.
        event->ignore();
        Safe([this] { Close(); });
        return true;
    }
    if (watched == Widget() && event->type() == QEvent::WindowActivate && IsTopLevel())
        Activated();
    if (watched == m_subWindow)
        return false;
    return TWinControl::eventFilter(watched, event);
}
