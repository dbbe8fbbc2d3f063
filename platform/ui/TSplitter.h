#pragma once
// A bar between aligned controls: dragging it resizes the control aligned
// the same way just before it.

#include "platform/ui/TControl.h"

class TSplitter : public TControl {
    Q_OBJECT
public:
    TSplitter(TComponent* owner, TWinControl* parent = nullptr);

    int MinSize() const { return m_minSize; }
    // Moves the split by delta pixels (positive: right or down).
    void MoveBy(int delta);

    TNotifyEvent OnMoved;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TControl* Neighbour() const;

    int m_minSize = 30;
    int m_dragStart = -1;
};
