#pragma once
// Runs OnTimer every Interval milliseconds while Enabled.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"

#include <QTimer>

class TTimer : public TComponent {
    Q_OBJECT
public:
    explicit TTimer(TComponent* owner);

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    int Interval() const { return m_interval; }
    void SetInterval(int interval);

    TNotifyEvent OnTimer;

private:
    void Restart();

    QTimer m_timer;
    bool m_enabled = true;
    int m_interval = 1000;
};
