#pragma once
// A control that holds other controls. Children are laid out by Align
// (top, bottom, left, right, then client, each in creation order) inside the
// client widget less BorderWidth, and follow their Anchors when it resizes.

#include "platform/ui/TControl.h"

#include <vector>

class TWinControl : public TControl {
    Q_OBJECT
public:
    TWinControl(TComponent* owner, QWidget* widget);
    ~TWinControl() override;

    int ControlCount() const { return static_cast<int>(m_controls.size()); }
    TControl* Controls(int index) const { return m_controls.at(static_cast<std::size_t>(index)); }

    // Where child widgets go (a group box's or tab sheet's inside).
    virtual QWidget* ClientWidget() const { return Widget(); }
    virtual int ClientWidth() const;
    virtual int ClientHeight() const;
    virtual void SetClientWidth(int width);
    virtual void SetClientHeight(int height);

    int BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(int width);

    void Realign();
    void ScaleBy(int multiplier, int divider) override;
    int TabIndexOf(const TControl* control) const;
    void MoveTabOrder(TControl* control, int order);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The part of the client rectangle left over after alignment.
    virtual void AlignRemainder(const QRect&) {}
    // Watches the client widget for resizes; call when it changes.
    void WatchClient();

private:
    friend class TControl;
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);

    void ChainTabOrder();

    std::vector<TControl*> m_controls;
    std::vector<TControl*> m_tabList;
    int m_borderWidth = 0;
    bool m_aligning = false;
    QSize m_clientSize;
};
