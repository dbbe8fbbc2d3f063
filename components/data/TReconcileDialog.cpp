#include "components/data/TReconcileDialog.h"

#include "platform/base/TPromptRequest.h"

TReconcileDialog::~TReconcileDialog() {
    UnhookDataSet();
}

void TReconcileDialog::HookDataSet() {
    if (!DataSet() || m_hook)
        return;
    m_hook = std::make_unique<TEventHook>(DataSet(), QStringLiteral("OnReconcileError"));
    DataSet()->OnReconcileError = TReconcileErrorEvent(this, &TReconcileDialog::HookedReconcileError);
}

void TReconcileDialog::UnhookDataSet() {
    m_hook.reset();
}

void TReconcileDialog::ForgetDataSet() {
    if (m_hook)
        m_hook->Abandon();
    m_hook.reset();
    TCustomReconcileDialog::ForgetDataSet();
}

void TReconcileDialog::HookedReconcileError(TClientDataSet* dataSet, EReconcileError& error, TUpdateKind kind,
                                            TReconcileAction& action) {
    ReconcileError(dataSet, error, kind, action);
}

void TReconcileDialog::ReconcileError(TClientDataSet* dataSet, EReconcileError& error, TUpdateKind kind,
                                      TReconcileAction& action, const QString& customMessage) {
    if (m_hook) {
        const auto saved = m_hook->SavedHandler<TReconcileErrorEvent>();
        if (saved && !(saved == TReconcileErrorEvent(this, &TReconcileDialog::HookedReconcileError)))
            saved(dataSet, error, kind, action);
    }
    QString message = customMessage.isEmpty() ? error.Message() : customMessage;
    if (OnGetCustomMessage)
        OnGetCustomMessage(dataSet, error, kind, message);

    TClientDataSet* target = dataSet;
    switch (ShowReconcileDialog(dataSet, error, message, kind)) {
    case mrOk:
        if (kind == ukDelete) {
            target->CancelUpdates();
            action = raCancel;
        } else {
            action = raSkip;
        }
        break;
    case mrCancel:
        target->CancelUpdates();
        action = raCancel;
        break;
    default:
        break;
    }
}
