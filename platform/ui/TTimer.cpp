#include "platform/ui/TTimer.h"

#include "platform/ui/TApplication.h"

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
    connect(&m_timer, &QTimer::timeout, this, [this] {
        if (Application)
            Application->SafeCall(this, [this] { OnTimer(this); });
        else
            OnTimer(this);
    });
    Restart();
}

void TTimer::SetEnabled(bool enabled) {
    m_enabled = enabled;
    Restart();
}

void TTimer::SetInterval(int interval) {
    m_interval = interval;
    Restart();
}

void TTimer::Restart() {
    m_timer.stop();
    if (m_enabled && m_interval > 0) {
        m_timer.setInterval(m_interval);
        m_timer.start();
    }
}
