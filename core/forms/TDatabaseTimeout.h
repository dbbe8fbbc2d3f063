#pragma once
// Closes a named database connection after a number of idle minutes,
// optionally telling the user first.
//
// The connection is found by name among the connections of the run
// (ConnectionRegistry). While it is connected and the component is Active, a
// one-minute timer counts idle minutes; every statement executed on the
// connection starts the count again. When the count reaches IdleLimit,
// OnTimeout may keep the connection (Disconnect = false), DisconnectMsg (when
// not empty) is shown, and the connection is closed unless kept. An empty or
// unknown DatabaseName leaves the component inert.
//
// The component takes over the connection's AfterConnect and AfterDisconnect
// events, chains to the handlers that were there and gives them back when it
// lets go of the connection or goes away.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"

class TIBDatabase;
class TTimer;

using TTimeoutEvent = TEvent<TObject* /*Sender*/, bool& /*Disconnect*/>;

class TDatabaseTimeout : public TComponent {
    Q_OBJECT
public:
    static constexpr int DefaultIdleLimit = 480;
    static constexpr int MinuteMs = 60000;
    static const QString DefaultDisconnectMsg;

    explicit TDatabaseTimeout(TComponent* owner);
    ~TDatabaseTimeout() override;

    const QString& DatabaseName() const { return m_databaseName; }
    void SetDatabaseName(const QString& name);
    int IdleLimit() const { return m_idleLimit; }
    // Also starts the idle count again.
    void SetIdleLimit(int minutes);
    bool Active() const { return m_active; }
    void SetActive(bool active);
    const QString& DisconnectMsg() const { return m_disconnectMsg; }
    void SetDisconnectMsg(const QString& text) { m_disconnectMsg = text; }
    // Kept with the component's settings; nothing reads it.
    bool ReopenDataSets() const { return m_reopenDataSets; }
    void SetReopenDataSets(bool reopen) { m_reopenDataSets = reopen; }

    TTimeoutEvent OnTimeout;
    TNotifyEvent AfterDisconnect;

    // The watched connection (nullptr when none was found).
    TIBDatabase* Database() const { return m_database; }
    // The minute timer; tests drive it by calling its OnTimer.
    TTimer* Timer() const { return m_timer; }
    int IdleMinutes() const { return m_idleMinutes; }

    // One minute has passed.
    void TimerTick(TObject* sender);

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Hook();
    void Unhook();
    void Evaluate();
    void DatabaseAfterConnect(TObject* sender);
    void DatabaseAfterDisconnect(TObject* sender);
    void Activity(TIBDatabase* database);

    QString m_databaseName;
    int m_idleLimit = DefaultIdleLimit;
    bool m_active = true;
    QString m_disconnectMsg;
    bool m_reopenDataSets = false;
    TTimer* m_timer;
    int m_idleMinutes = 0;
    TIBDatabase* m_database = nullptr;
    TNotifyEvent m_previousAfterConnect;
    TNotifyEvent m_previousAfterDisconnect;
    // Key of the activity subscription while the timer runs; 0 when none.
    int m_subscription = 0;
};
