#pragma once
// The reconcile dialog as windows place it (rdCadastro, rdDetalheNo, ...): it
// takes over its client data set's OnReconcileError through an event hook and
// answers every refused change:
//  - "&Corrigir" on a refused insert or change: the change stays pending
//    (raSkip) to be corrected and applied again;
//  - "&Corrigir" on a refused delete, "&Desfazer", or the window closed: the
//    pending changes of the set are undone (raCancel);
//  - a window that could not be shown leaves the action as the handler it
//    took over set it.
// OnGetCustomMessage may replace the message shown. A page that answers the
// errors itself (a navigator's OnReconcileError) calls ReconcileError with a
// message of its own, shown in place of the database's.

#include "components/data/TCustomReconcileDialog.h"
#include "components/navigation/TEventHook.h"

#include <memory>

// (DataSet, E, UpdateKind, var CustomMessage)
using TGetCustomMessageEvent = TEvent<TDataSet*, const EReconcileError&, TUpdateKind, QString&>;

class TReconcileDialog : public TCustomReconcileDialog {
    Q_OBJECT
public:
    using TCustomReconcileDialog::TCustomReconcileDialog;
    ~TReconcileDialog() override;

    TGetCustomMessageEvent OnGetCustomMessage;

    // Answers one refused change: the handler it took over first, then the
    // window with customMessage (E's own message when empty, either of them
    // open to OnGetCustomMessage), then the action of the answer.
    void ReconcileError(TClientDataSet* dataSet, EReconcileError& error, TUpdateKind kind,
                        TReconcileAction& action, const QString& customMessage = QString());

protected:
    void HookDataSet() override;
    void UnhookDataSet() override;
    void ForgetDataSet() override;

private:
    // The handler installed on the data set.
    void HookedReconcileError(TClientDataSet* dataSet, EReconcileError& error, TUpdateKind kind,
                              TReconcileAction& action);

    std::unique_ptr<TEventHook> m_hook;
};
