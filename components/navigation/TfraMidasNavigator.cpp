#include "components/navigation/TfraMidasNavigator.h"

#include "platform/db/TDataSetField.h"

TfraMidasNavigator::TfraMidasNavigator(TComponent* owner, TWinControl* parent)
    : TfraDataSetNavigator(owner, parent) {}

TfraMidasNavigator::~TfraMidasNavigator() {
    UnhookDataSet();
}

TClientDataSet* TfraMidasNavigator::DataSet() const {
    TDataSet* dataSet = TfraDataSetNavigator::DataSet();
    auto* client = dynamic_cast<TClientDataSet*>(dataSet);
    if (dataSet && !client)
        throw Exception(QStringLiteral("Invalid class typecast"));
    return client;
}

void TfraMidasNavigator::SetDataSet(TClientDataSet* dataSet) {
    if (dataSet != TfraDataSetNavigator::DataSet())
        TfraDataSetNavigator::SetDataSet(dataSet);
}

TDataSet* TfraMidasNavigator::TopMaster() const {
    TDataSet* set = TfraDataSetNavigator::DataSet();
    for (auto* client = dynamic_cast<TClientDataSet*>(set); client && client->DataSetField();
         client = dynamic_cast<TClientDataSet*>(set))
        set = client->DataSetField()->DataSet();
    return set;
}

bool TfraMidasNavigator::Pending() const {
    const auto* client = dynamic_cast<const TClientDataSet*>(TfraDataSetNavigator::DataSet());
    return m_applyUpdates && client && client->ChangeCount() != 0;
}

void TfraMidasNavigator::ApplyOnTopMaster() {
    if (!TfraDataSetNavigator::DataSet())
        return;
    auto* master = dynamic_cast<TClientDataSet*>(TopMaster());
    if (!master)
        throw EDatabaseError(
            QStringLiteral("O DataSet mestre não é um ClientDataSet. Impossível fazer ApplyUpdates"));
    master->ApplyUpdates(-1);
}

void TfraMidasNavigator::CancelOnTopMaster() {
    if (!TfraDataSetNavigator::DataSet())
        return;
    auto* master = dynamic_cast<TClientDataSet*>(TopMaster());
    if (!master)
        throw EDatabaseError(
            QStringLiteral("O DataSet mestre não é um ClientDataSet. Impossível fazer CancelUpdates"));
    master->CancelUpdates();
}

// ---- enabling -------------------------------------------------------------------

bool TfraMidasNavigator::CanInsert() const {
    return TfraDataSetNavigator::CanInsert() && !Pending();
}
bool TfraMidasNavigator::CanEdit() const {
    return TfraDataSetNavigator::CanEdit() && !Pending();
}
bool TfraMidasNavigator::CanDelete() const {
    return TfraDataSetNavigator::CanDelete() && !Pending();
}
bool TfraMidasNavigator::CanSearch() const {
    return TfraDataSetNavigator::CanSearch() && !Pending();
}
bool TfraMidasNavigator::CanPrint() const {
    return TfraDataSetNavigator::CanPrint() && !Pending();
}

bool TfraMidasNavigator::CanPost() const {
    const TDataSet* dataSet = TfraDataSetNavigator::DataSet();
    return dataSet && dataSet->Active() && (Editing() || Pending());
}

bool TfraMidasNavigator::CanCancel() const {
    return CanPost();
}

bool TfraMidasNavigator::CanClose() const {
    return !Editing() && !Pending();
}

// ---- actions -----------------------------------------------------------------------

void TfraMidasNavigator::acPostExecute(TObject* sender) {
    TfraDataSetNavigator::acPostExecute(sender);
    if (m_applyUpdates)
        ApplyOnTopMaster();
}

void TfraMidasNavigator::acCancelExecute(TObject* sender) {
    TfraDataSetNavigator::acCancelExecute(sender);
    if (m_applyUpdates)
        CancelOnTopMaster();
}

void TfraMidasNavigator::acDeleteExecute(TObject* sender) {
    TfraDataSetNavigator::acDeleteExecute(sender);
    if (!m_applyUpdates)
        return;
    try {
        ApplyOnTopMaster();
    } catch (...) {
        CancelOnTopMaster();
        throw;
    }
}

// ---- hooks ----------------------------------------------------------------------------

template <class E>
void TfraMidasNavigator::Hook(ClientEvent slot, TComponent* target, const char* name, E& property,
                              const E& forwarder) {
    m_hooks[slot] = std::make_unique<TEventHook>(target, QString::fromLatin1(name));
    property = forwarder;
}

void TfraMidasNavigator::HookDataSet() {
    const bool wasHooked = m_hooks[ceBeforeRefresh] != nullptr;
    TfraDataSetNavigator::HookDataSet();
    TClientDataSet* client = dynamic_cast<TClientDataSet*>(TfraDataSetNavigator::DataSet());
    if (!client || wasHooked)
        return;
    using M = TfraMidasNavigator;
    using N = TDataSetNotifyEvent;
    using R = TRemoteEvent;
    Hook(ceBeforeRefresh, client, "BeforeRefresh", client->BeforeRefresh, N(this, &M::DoBeforeRefresh));
    Hook(ceAfterRefresh, client, "AfterRefresh", client->AfterRefresh, N(this, &M::DoAfterRefresh));
    auto* master = dynamic_cast<TClientDataSet*>(TopMaster());
    TClientDataSet* target = master ? master : client;
    if (target != client) {
        target->FreeNotification(this);
        m_applyTarget = target;
    }
    Hook(ceOnReconcileError, target, "OnReconcileError", target->OnReconcileError,
         TReconcileErrorEvent(this, &M::DoOnReconcileError));
    Hook(ceBeforeApplyUpdates, target, "BeforeApplyUpdates", target->BeforeApplyUpdates,
         R(this, &M::DoBeforeApplyUpdates));
    Hook(ceAfterApplyUpdates, target, "AfterApplyUpdates", target->AfterApplyUpdates,
         R(this, &M::DoAfterApplyUpdates));
    Hook(ceBeforeGetRecords, client, "BeforeGetRecords", client->BeforeGetRecords,
         R(this, &M::DoBeforeGetRecords));
    Hook(ceAfterGetRecords, client, "AfterGetRecords", client->AfterGetRecords,
         R(this, &M::DoAfterGetRecords));
    Hook(ceBeforeRowRequest, client, "BeforeRowRequest", client->BeforeRowRequest,
         R(this, &M::DoBeforeRowRequest));
    Hook(ceAfterRowRequest, client, "AfterRowRequest", client->AfterRowRequest,
         R(this, &M::DoAfterRowRequest));
    Hook(ceBeforeExecute, client, "BeforeExecute", client->BeforeExecute, R(this, &M::DoBeforeExecute));
    Hook(ceAfterExecute, client, "AfterExecute", client->AfterExecute, R(this, &M::DoAfterExecute));
    Hook(ceBeforeGetParams, client, "BeforeGetParams", client->BeforeGetParams,
         R(this, &M::DoBeforeGetParams));
    Hook(ceAfterGetParams, client, "AfterGetParams", client->AfterGetParams, R(this, &M::DoAfterGetParams));
}

void TfraMidasNavigator::UnhookDataSet() {
    TfraDataSetNavigator::UnhookDataSet();
    for (auto hook = m_hooks.rbegin(); hook != m_hooks.rend(); ++hook)
        hook->reset();
    ForgetApplyTarget();
}

void TfraMidasNavigator::ReleaseHooksOn(const TComponent* component, bool dying) {
    for (auto hook = m_hooks.rbegin(); hook != m_hooks.rend(); ++hook) {
        if (!*hook || (*hook)->Component() != component)
            continue;
        if (dying)
            (*hook)->Abandon();
        hook->reset();
    }
}

void TfraMidasNavigator::ForgetApplyTarget() {
    if (m_applyTarget)
        m_applyTarget->RemoveFreeNotification(this);
    m_applyTarget = nullptr;
}

void TfraMidasNavigator::ForgetDataSet() {
    // The data set is going; a master that outlives it gets its handlers back.
    ReleaseHooksOn(TfraDataSetNavigator::DataSet(), true);
    for (auto& hook : m_hooks)
        hook.reset();
    ForgetApplyTarget();
    TfraDataSetNavigator::ForgetDataSet();
}

void TfraMidasNavigator::Notification(TComponent* component, TOperation operation) {
    TfraDataSetNavigator::Notification(component, operation);
    if (operation != TOperation::opRemove || !component || component != m_applyTarget)
        return;
    // The master went before its detail: nothing is written into it.
    ReleaseHooksOn(component, true);
    m_applyTarget = nullptr;
}

using M = TfraMidasNavigator;
void M::DoBeforeRefresh(TDataSet* d) {
    OwnFirst(ceBeforeRefresh, BeforeRefresh, TDataSetNotifyEvent(this, &M::DoBeforeRefresh), d);
}
void M::DoAfterRefresh(TDataSet* d) {
    SavedFirst(ceAfterRefresh, AfterRefresh, TDataSetNotifyEvent(this, &M::DoAfterRefresh), d);
}
void M::DoOnReconcileError(TClientDataSet* d, EReconcileError& e, TUpdateKind kind,
                           TReconcileAction& action) {
    OwnFirst(ceOnReconcileError, OnReconcileError, TReconcileErrorEvent(this, &M::DoOnReconcileError), d, e,
             kind, action);
}
void M::DoBeforeApplyUpdates(TObject* s, QVariant& o) {
    OwnFirst(ceBeforeApplyUpdates, BeforeApplyUpdates, TRemoteEvent(this, &M::DoBeforeApplyUpdates), s, o);
}
void M::DoAfterApplyUpdates(TObject* s, QVariant& o) {
    SavedFirst(ceAfterApplyUpdates, AfterApplyUpdates, TRemoteEvent(this, &M::DoAfterApplyUpdates), s, o);
}
void M::DoBeforeGetRecords(TObject* s, QVariant& o) {
    OwnFirst(ceBeforeGetRecords, BeforeGetRecords, TRemoteEvent(this, &M::DoBeforeGetRecords), s, o);
}
void M::DoAfterGetRecords(TObject* s, QVariant& o) {
    SavedFirst(ceAfterGetRecords, AfterGetRecords, TRemoteEvent(this, &M::DoAfterGetRecords), s, o);
}
void M::DoBeforeRowRequest(TObject* s, QVariant& o) {
    OwnFirst(ceBeforeRowRequest, BeforeRowRequest, TRemoteEvent(this, &M::DoBeforeRowRequest), s, o);
}
void M::DoAfterRowRequest(TObject* s, QVariant& o) {
    SavedFirst(ceAfterRowRequest, AfterRowRequest, TRemoteEvent(this, &M::DoAfterRowRequest), s, o);
}
void M::DoBeforeExecute(TObject* s, QVariant& o) {
    OwnFirst(ceBeforeExecute, BeforeExecute, TRemoteEvent(this, &M::DoBeforeExecute), s, o);
}
void M::DoAfterExecute(TObject* s, QVariant& o) {
    SavedFirst(ceAfterExecute, AfterExecute, TRemoteEvent(this, &M::DoAfterExecute), s, o);
}
void M::DoBeforeGetParams(TObject* s, QVariant& o) {
    OwnFirst(ceBeforeGetParams, BeforeGetParams, TRemoteEvent(this, &M::DoBeforeGetParams), s, o);
}
void M::DoAfterGetParams(TObject* s, QVariant& o) {
    SavedFirst(ceAfterGetParams, AfterGetParams, TRemoteEvent(this, &M::DoAfterGetParams), s, o);
}
