#include "components/data/TCustomReconcileDialog.h"

#include "components/data/TfrmReconcileDialog.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"

#include <memory>

TCustomReconcileDialog::TCustomReconcileDialog(TComponent* owner) : TComponent(owner) {}

TCustomReconcileDialog::~TCustomReconcileDialog() = default;

QString TCustomReconcileDialog::OperationText(TUpdateKind kind) {
    switch (kind) {
    case ukModify:
        return QStringLiteral("Alteração");
    case ukInsert:
        return QStringLiteral("Inserção");
    case ukDelete:
        return QStringLiteral("Exclusão");
    }
    return QString();
}

void TCustomReconcileDialog::SetDataSet(TClientDataSet* dataSet) {
    if (dataSet == m_dataSet)
        return;
    if (!IsLoading())
        UnhookDataSet();
    if (m_dataSet)
        m_dataSet->RemoveFreeNotification(this);
    m_dataSet = dataSet;
    if (dataSet)
        dataSet->FreeNotification(this);
    if (!IsLoading())
        HookDataSet();
}

void TCustomReconcileDialog::Loaded() {
    TComponent::Loaded();
    HookDataSet();
}

void TCustomReconcileDialog::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component && component == m_dataSet)
        ForgetDataSet();
}

int TCustomReconcileDialog::ShowReconcileDialog(TDataSet*, const EReconcileError& error,
                                                const QString& message, TUpdateKind kind) {
    std::unique_ptr<TfrmReconcileDialog> window;
    try {
        window = std::make_unique<TfrmReconcileDialog>(this);
        window->edOperacao->SetText(OperationText(kind));
        window->mmMensagem->SetText(message.isEmpty() ? error.Message() : message);
        return window->ShowModal();
    } catch (...) {
        // Whatever went wrong, the apply goes on with the action as it stands.
        return 0;
    }
}
