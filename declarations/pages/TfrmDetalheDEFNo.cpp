#include "declarations/pages/TfrmDetalheDEFNo.h"

#include "components/data/TReconcileDialog.h"
#include "core/util/MessageBoxes.h"
#include "platform/db/ApplyAllUpdates.h"
#include "platform/db/TClientDataSet.h"
#include "platform/ui/Make.h"

TfrmDetalheDEFNo::TfrmDetalheDEFNo(TComponent* owner) : TfrmDetalheDEF(owner) {
    SetName(QStringLiteral("frmDetalheDEFNo"));
    SetCaption(QStringLiteral("Detalhe Nó"));
    OnClose = TCloseEvent(this, &TfrmDetalheDEFNo::FormClose);
    rdDetalheNo = Make<TReconcileDialog>(this, QStringLiteral("rdDetalheNo"));
}

void TfrmDetalheDEFNo::FormClose(TObject* sender, TCloseAction& action) {
    TClientDataSet* dataSet = rdDetalheNo->DataSet();
    if (dataSet && dataSet->State() == TDataSetState::dsEdit) {
        dataSet->Post();
        try {
            ApplyAllUpdates(*dataSet);
        } catch (const std::exception&) {
            MsgErro(QStringLiteral("Não foi possível gravar a declaração."));
        }
    }
    TfrmDetalheDEF::FormClose(sender, action);
}
