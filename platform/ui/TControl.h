#pragma once
// A visual component: a named component that owns one Qt widget. The
// widget's objectName is the component's Name. Parent is the visual parent
// (the widget is re-parented into the parent's client widget); Owner, as for
// every component, is who frees it.

#include "platform/base/TComponent.h"
#include "platform/ui/UiTypes.h"

#include <QColor>
#include <QFont>
#include <QPointer>
#include <QWidget>

class TWinControl;
class TForm;
class TPopupMenu;

class TControl : public TComponent {
    Q_OBJECT
public:
    TControl(TComponent* owner, QWidget* widget);
    ~TControl() override;

    QWidget* Widget() const { return m_widget; }
    void SetName(const QString& name) override;

    TWinControl* Parent() const { return m_parent; }
    virtual void SetParent(TWinControl* parent);
    // The outermost form holding this control (itself for such a form).
    TForm* ParentForm() const;

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
    void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
    void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
    void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
    virtual void SetBounds(int left, int top, int width, int height);
    int BoundsRight() const { return Left() + Width(); }

    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return m_anchors; }
    void SetAnchors(TAnchors anchors);

    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const;
    virtual void SetEnabled(bool enabled);

    QString Hint() const { return m_hint; }
    void SetHint(const QString& hint);
    bool ShowHint() const { return m_showHint; }
    void SetShowHint(bool show);

    QFont Font() const { return m_widget ? m_widget->font() : QFont(); }
    void SetFont(const QFont& font);
    // The colour of the control's text (Font.Color).
    QColor FontColor() const;
    void SetFontColor(const QColor& color);
    QColor Color() const;
    virtual void SetColor(const QColor& color);
    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor cursor);

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const;
    void SetTabStop(bool stop);

    TPopupMenu* PopupMenu() const { return m_popupMenu; }
    void SetPopupMenu(TPopupMenu* menu);

    void SetFocus();
    // Takes the focus back after a rule refused what it holds: once the focus change
    // under way has ended, the control holds the focus with all its text
    // selected, as Tab leaves it, so that what is typed next replaces it.
    void ReturnFocus();
    bool Focused() const;
    bool CanFocus() const;
    void BringToFront();
    void Invalidate();
    void Repaint();

    // Rescales position, size and font by multiplier/divider.
    virtual void ScaleBy(int multiplier, int divider);

    // Runs OnClick (buttons: their click).
    virtual void Click();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnResize;

    // The control a widget belongs to, if any.
    static TControl* ControlOf(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void Notification(TComponent* component, TOperation operation) override;
    // The widget whose geometry is the control's Left, Top, Width and Height:
    // the control's own, or a frame around it (an MDI child's sub-window).
    virtual QWidget* FrameWidget() const { return m_widget; }
    // Routes the events of another widget (an item view's viewport) here.
    void WatchWidget(QWidget* widget);
    // Whether a mouse release is a click (buttons report clicks themselves).
    virtual bool ClickOnMouseRelease() const { return true; }
    // Key handling of this control; false swallows the key.
    virtual bool DoKeyDown(int& key, TShiftState shift);
    virtual bool DoKeyPress(QChar& key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void Resized();
    // Runs an event handler; an exception goes to the default display.
    bool Safe(const std::function<void()>& call);
    // Stops watching a widget tree about to be deleted.
    static void DetachTree(QWidget* root);

private:
    friend class TWinControl;
    bool HandleKeyPress(QObject* watched, class QKeyEvent* event);
    void ParentResized(const QSize& oldSize, const QSize& newSize);

    QPointer<QWidget> m_widget;
    TWinControl* m_parent = nullptr;
    TAlign m_align = TAlign::alNone;
    TAnchors m_anchors = akLeft | akTop;
    bool m_visible = true;
    QString m_hint;
    bool m_showHint = false;
    TCursor m_cursor = crDefault;
    TPopupMenu* m_popupMenu = nullptr;
};
