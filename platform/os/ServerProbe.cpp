#include "platform/os/ServerProbe.h"

#include <QThread>

namespace {

// The engine runs inside the process: there is always a "server".
class EmbeddedEngineProbe : public ServerProbe {
public:
    bool ServerRunning() override { return true; }
    QString GuardianPath() override { return {}; }
    bool StartGuardian(const QString&) override { return false; }
    void Wait(int milliseconds) override { QThread::msleep(static_cast<unsigned long>(milliseconds)); }
};

EmbeddedEngineProbe g_embedded;
ServerProbe* g_current = &g_embedded;

} // namespace

ServerProbe& ServerProbe::Current() {
    return *g_current;
}

ServerProbe::Install::Install(ServerProbe& probe) : m_previous(g_current) {
    g_current = &probe;
}

ServerProbe::Install::~Install() {
    g_current = m_previous;
}
