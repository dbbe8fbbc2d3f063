#pragma once
// A window: top-level, MDI frame or child, modal dialog, or a page parented
// inside a panel of another form. Closing follows OnCloseQuery and OnClose
// with its close action; ShowModal runs until ModalResult is set.

#include "platform/base/TPromptRequest.h"
#include "platform/ui/TWinControl.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <memory>

class DocumentMnemonics;
class QEventLoop;
class QKeyEvent;
class QMdiArea;
class QVBoxLayout;
class TMainMenu;

// Raised for a request the window cannot carry out in its state.
class EInvalidOperation : public Exception {
public:
    using Exception::Exception;
};

class TForm : public TWinControl {
    Q_OBJECT
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    // Constructs a form of class T and runs its creation (OnCreate).
    template <class T, class... Args> static T* Create(Args&&... args) {
        std::unique_ptr<T> form(new T(std::forward<Args>(args)...));
        form->AfterConstruction();
        return form.release();
    }
    // Runs OnCreate, then shows the form when it is an MDI child.
    void AfterConstruction();

    QWidget* ClientWidget() const override;
    // The window less its menu bar (also before the layout ran).
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientWidth(int width) override;
    void SetClientHeight(int height) override;

    QString Caption() const;
    void SetCaption(const QString& caption);
    TFormStyle FormStyle() const { return m_formStyle; }
    void SetFormStyle(TFormStyle style);
    TPosition Position() const { return m_position; }
    void SetPosition(TPosition position) { m_position = position; }
    TFormBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return m_borderIcons; }
    void SetBorderIcons(TBorderIcons icons);
    TWindowState WindowState() const;
    // Before the first show only records the state; showing applies it.
    void SetWindowState(TWindowState state);
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool preview) { m_keyPreview = preview; }
    TMainMenu* Menu() const;
    // Puts the menu's bar on top of the window; a replaced bar goes back to
    // its menu, hidden. The window and its menu may be freed in either order.
    void SetMenu(TMainMenu* menu);

    void SetVisible(bool visible) override;
    void SetParent(TWinControl* parent) override;
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    void BringToFront();
    bool Active() const;

    TModalResult ShowModal();
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult result);

    void Close();
    bool CloseQuery();
    // Frees the form once pending messages are handled.
    void Release();
    // Runs OnDestroy and frees the form now.
    void Free();

    // MDI frame: children, most recently active first.
    int MDIChildCount() const { return static_cast<int>(m_mdiChildren.size()); }
    TForm* MDIChildren(int index) const { return m_mdiChildren.at(static_cast<std::size_t>(index)); }
    TForm* ActiveMDIChild() const { return m_mdiChildren.empty() ? nullptr : m_mdiChildren.front(); }
    QMdiArea* MdiArea() const { return m_mdiArea; }
    QMdiSubWindow* MdiSubWindow() const { return m_subWindow; }

    void ScaleBy(int multiplier, int divider) override;
    // An MDI child places and sizes its sub-window (the frame with the caption).
    void SetBounds(int left, int top, int width, int height) override;

    // The control that has the focus in this window; set before the window
    // shows, it takes the focus when it shows.
    TWinControl* ActiveControl() const;
    void SetActiveControl(TWinControl* control);

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TNotifyEvent OnDestroy;

    // A key no control used: Enter clicks the default button, Escape the
    // cancel button.
    bool KeyPassedOn(QKeyEvent* event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void AlignRemainder(const QRect& rect) override;
    QWidget* FrameWidget() const override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    bool IsTopLevel() const { return !Parent() && m_formStyle != TFormStyle::fsMDIChild; }
    bool FixedSize() const {
        return m_borderStyle == TFormBorderStyle::bsDialog || m_borderStyle == TFormBorderStyle::bsSingle;
    }
    int MenuHeight() const;
    void ApplyWindowFlags();
    void ApplySubWindowFlags();
    void FocusActiveControl();
    void PlaceOnFirstShow();
    void WrapAsMdiChild();
    void ActivateMdiChild(TForm* child);
    void Activated();
    void BeforeDestruction();

    QVBoxLayout* m_layout = nullptr;
    QWidget* m_client = nullptr;
    TFormStyle m_formStyle = TFormStyle::fsNormal;
    TPosition m_position = TPosition::poDesigned;
    TFormBorderStyle m_borderStyle = TFormBorderStyle::bsSizeable;
    TBorderIcons m_borderIcons = biSystemMenu | biMinimize | biMaximize;
    TWindowState m_windowState = TWindowState::wsNormal;
    bool m_keyPreview = false;
    QPointer<TMainMenu> m_menu;
    TWinControl* m_activeControl = nullptr;
    bool m_shownOnce = false;
    bool m_activatedOnce = false;
    bool m_destroyFired = false;
    bool m_inModal = false;
    TModalResult m_modalResult = mrNone;
    QEventLoop* m_modalLoop = nullptr;
    QMdiArea* m_mdiArea = nullptr;
    QPointer<QMdiSubWindow> m_subWindow;
    TForm* m_mdiParent = nullptr;
    std::vector<TForm*> m_mdiChildren;
    // Last, so it goes first: an MDI frame's menu titles giving way to the
    // mnemonics of the document window in use.
    std::unique_ptr<DocumentMnemonics> m_documentMnemonics;
};
