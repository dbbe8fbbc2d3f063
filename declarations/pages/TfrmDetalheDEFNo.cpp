#include "declarations/pages/TfrmDetalheDEFNo.h"

#include "components/data/TReconcileDialog.h"
#include "platform/db/TClientDataSet.h"

TfrmDetalheDEFNo::TfrmDetalheDEFNo(TComponent* owner) : TfrmDetalheDEF(owner) {
    SetName(QStringLiteral("frmDetalheDEFNo"));
    SetCaption(QStringLiteral("Detalhe Nó"));
    OnClose = TCloseEvent(this, &TfrmDetalheDEFNo::FormClose);
    rdDetalheNo = new TReconcileDialog(this);
    rdDetalheNo->SetName(QStringLiteral("rdDetalheNo"));
}

void TfrmDetalheDEFNo::FormClose(TObject* sender, TCloseAction& action) {
    TClientDataSet* dataSet = rdDetalheNo->DataSet();
    if (dataSet && dataSet->State() == TDataSetState::dsEdit) {
        dataSet->Post();
        dataSet->ApplyUpdates(0);
    }
    TfrmDetalheDEF::FormClose(sender, action);
}
