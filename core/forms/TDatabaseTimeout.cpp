#include "core/forms/TDatabaseTimeout.h"

#include "platform/base/TPrompter.h"
#include "platform/db/ConnectionRegistry.h"
#include "platform/db/TIBDatabase.h"
#include "platform/ui/TTimer.h"

const QString TDatabaseTimeout::DefaultDisconnectMsg =
    QStringLiteral("A conexão com o Banco de Dados expirou. Por favor, conecte novamente");

TDatabaseTimeout::TDatabaseTimeout(TComponent* owner)
    : TComponent(owner), m_disconnectMsg(DefaultDisconnectMsg), m_timer(new TTimer(this)) {
    m_timer->SetEnabled(false);
    m_timer->SetInterval(MinuteMs);
    m_timer->OnTimer = TNotifyEvent(this, &TDatabaseTimeout::TimerTick);
}

TDatabaseTimeout::~TDatabaseTimeout() {
    m_active = false;
    Unhook();
}

void TDatabaseTimeout::SetDatabaseName(const QString& name) {
    if (IsLoading()) {
        m_databaseName = name;
        return;
    }
    Unhook();
    m_databaseName = name;
    Hook();
}

void TDatabaseTimeout::SetIdleLimit(int minutes) {
    m_idleLimit = minutes;
    m_idleMinutes = 0;
}

void TDatabaseTimeout::SetActive(bool active) {
    m_active = active;
    if (!IsLoading())
        Evaluate();
}

void TDatabaseTimeout::Loaded() {
    TComponent::Loaded();
    Unhook();
    Hook();
}

void TDatabaseTimeout::Hook() {
    m_database = ConnectionRegistry::Instance().Find(m_databaseName);
    if (m_database) {
        m_database->FreeNotification(this);
        m_previousAfterConnect = m_database->AfterConnect;
        m_previousAfterDisconnect = m_database->AfterDisconnect;
        m_database->AfterConnect = TNotifyEvent(this, &TDatabaseTimeout::DatabaseAfterConnect);
        m_database->AfterDisconnect = TNotifyEvent(this, &TDatabaseTimeout::DatabaseAfterDisconnect);
    }
    Evaluate();
}

void TDatabaseTimeout::Unhook() {
    TIBDatabase* database = m_database;
    m_database = nullptr;
    Evaluate();
    if (!database)
        return;
    // Only handlers still ours are given back: a later taker keeps its own.
    if (database->AfterConnect == TNotifyEvent(this, &TDatabaseTimeout::DatabaseAfterConnect))
        database->AfterConnect = m_previousAfterConnect;
    if (database->AfterDisconnect == TNotifyEvent(this, &TDatabaseTimeout::DatabaseAfterDisconnect))
        database->AfterDisconnect = m_previousAfterDisconnect;
    m_previousAfterConnect = nullptr;
    m_previousAfterDisconnect = nullptr;
    database->RemoveFreeNotification(this);
}

void TDatabaseTimeout::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_database) {
        m_database = nullptr;
        m_previousAfterConnect = nullptr;
        m_previousAfterDisconnect = nullptr;
        Evaluate();
    }
}

void TDatabaseTimeout::Evaluate() {
    if (IsLoading())
        return;
    const bool run = m_active && m_database && m_database->Connected() && !IsDestroying();
    if (run == m_timer->Enabled())
        return;
    m_idleMinutes = 0;
    m_timer->SetEnabled(run);
    if (run) {
        m_subscription =
            ConnectionRegistry::Instance().Subscribe([this](TIBDatabase* database) { Activity(database); });
    } else if (m_subscription != 0) {
        ConnectionRegistry::Instance().Unsubscribe(m_subscription);
        m_subscription = 0;
    }
}

void TDatabaseTimeout::DatabaseAfterConnect(TObject* sender) {
    if (m_previousAfterConnect)
        m_previousAfterConnect(sender);
    Evaluate();
}

void TDatabaseTimeout::DatabaseAfterDisconnect(TObject* sender) {
    if (m_previousAfterDisconnect)
        m_previousAfterDisconnect(sender);
    Evaluate();
    if (AfterDisconnect)
        AfterDisconnect(this);
}

void TDatabaseTimeout::Activity(TIBDatabase* database) {
    if (database != m_database || !m_timer->Enabled())
        return;
    m_idleMinutes = 0;
    // Restarted, so the next tick is a whole minute away.
    m_timer->SetEnabled(false);
    m_timer->SetEnabled(true);
}

void TDatabaseTimeout::TimerTick(TObject*) {
    if (!m_timer->Enabled())
        return;
    ++m_idleMinutes;
    if (m_idleMinutes < m_idleLimit)
        return;
    struct ResetCount {
        int& count;
        ~ResetCount() { count = 0; }
    } reset{m_idleMinutes};
    bool disconnect = true;
    if (OnTimeout)
        OnTimeout(this, disconnect);
    if (!m_disconnectMsg.isEmpty()) {
        TPromptRequest request;
        request.Caption = QStringLiteral("Aviso");
        request.Text = m_disconnectMsg;
        request.Icon = TMsgDlgType::mtWarning;
        request.Buttons = {TMsgDlgBtn::mbOK};
        TPrompter::Current().Prompt(request);
    }
    if (disconnect && m_database && m_database->Connected())
        m_database->Close();
}
