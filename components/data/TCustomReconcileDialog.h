#pragma once
// Answers the update errors of a client data set with the reconcile window.
// Descendants hook the data set (HookDataSet / UnhookDataSet); this class
// holds the data set and shows the window.

#include "platform/base/TComponent.h"
#include "platform/db/TClientDataSet.h"
#include "platform/ui/UiTypes.h"

class TCustomReconcileDialog : public TComponent {
    Q_OBJECT
public:
    explicit TCustomReconcileDialog(TComponent* owner = nullptr);
    ~TCustomReconcileDialog() override;

    TClientDataSet* DataSet() const { return m_dataSet; }
    // Unless loading: unhooks the old set and hooks the new one.
    void SetDataSet(TClientDataSet* dataSet);

    // "Alteração", "Inserção", "Exclusão".
    static QString OperationText(TUpdateKind kind);

protected:
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    virtual void HookDataSet() {}
    virtual void UnhookDataSet() {}
    // The data set has gone: forget it without writing into it.
    virtual void ForgetDataSet() { m_dataSet = nullptr; }

    // Shows the window modally with the operation and the message (E's own
    // when `message` is empty); its modal result, 0 when anything failed.
    int ShowReconcileDialog(TDataSet* dataSet, const EReconcileError& error, const QString& message,
                            TUpdateKind kind);

private:
    TClientDataSet* m_dataSet = nullptr;
};
