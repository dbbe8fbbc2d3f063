#pragma once
// The database server as the connection sees it before it attaches: is a
// server running, and if not, start its guardian. The program opens its file
// through the embedded engine, which needs no server, so the probe in use
// reports a running server and never starts anything; tests install probes
// that report a stopped server to drive the start-up loop.

#include <QString>

class ServerProbe {
public:
    virtual ~ServerProbe() = default;

    virtual bool ServerRunning() = 0;
    // The registered guardian program; empty when none is registered.
    virtual QString GuardianPath() = 0;
    // Starts the guardian; false when it could not be started.
    virtual bool StartGuardian(const QString& path) = 0;
    // Waits between two attempts.
    virtual void Wait(int milliseconds) = 0;

    // The probe in use: the embedded engine's unless another is installed.
    static ServerProbe& Current();

    // Makes a probe current for its lifetime and puts the previous one back.
    class Install {
    public:
        explicit Install(ServerProbe& probe);
        ~Install();
        Install(const Install&) = delete;
        Install& operator=(const Install&) = delete;

    private:
        ServerProbe* m_previous;
    };
};
