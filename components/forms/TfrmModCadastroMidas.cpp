#include "components/forms/TfrmModCadastroMidas.h"

#include "components/data/TReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/report/TDataSetReport.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TBevel.h"

#include <QFont>

TfrmModCadastroMidas::TfrmModCadastroMidas(TComponent* owner, int documentId)
    : TfrmModCadastroCustom(owner, documentId) {
    SetName(QStringLiteral("frmModCadastroMidas"));
    SetCaption(QStringLiteral("frmModCadastroMidas"));
    SetBounds(0, 0, 544, 375);

    fsnCadastro = Make<TfraMidasNavigator>(this, QStringLiteral("fsnCadastro"), this);
    fsnCadastro->SetColor(clBtnFace);
    fsnCadastro->SetShowHints(false);
    // The captions under the glyphs were laid out for a narrow face: the
    // metric-compatible face of Arial keeps "Confirmar" within its button.
    QFont legenda(QStringLiteral("Liberation Sans"));
    legenda.setPixelSize(11);
    fsnCadastro->SetFont(legenda);
    fsnCadastro->SetAlign(TAlign::alTop);
    fsnCadastro->SetOnPrint(TNotifyEvent(this, &TfrmModCadastroMidas::fsnCadastroPrint));

    bvCadastro = Make<TBevel>(this, QStringLiteral("bvCadastro"), this);
    bvCadastro->SetShape(TBevelShape::bsTopLine);
    bvCadastro->SetHeight(2);
    bvCadastro->SetAlign(TAlign::alTop);

    rdCadastro = Make<TReconcileDialog>(this, QStringLiteral("rdCadastro"));
    rptCadastro = Make<TDataSetReport>(this, QStringLiteral("rptCadastro"));
    rptCadastro->SetInternalName(QStringLiteral("rptCadastro"));
    rptCadastro->SetOrientation(TPrinterOrientation::poPortrait);

    OnCreate = TNotifyEvent(this, &TfrmModCadastroMidas::FormCreate);
    OnClose = TCloseEvent(this, &TfrmModCadastroMidas::FormClose);
}

void TfrmModCadastroMidas::ShowDataSet(TClientDataSet* dataSet, TNotifyEvent onSearch, TNotifyEvent onPrint) {
    fsnCadastro->SetVisibleFeatures(0xFF | NavFeature(nfSair));
    fsnCadastro->SetDataSet(dataSet);
    fsnCadastro->SetOnSearch(onSearch);
    fsnCadastro->SetOnPrint(onPrint);
    rdCadastro->SetDataSet(dataSet);
    rptCadastro->SetDataSet(dataSet);
}

void TfrmModCadastroMidas::FormCreate(TObject*) {
    SetNavigator(fsnCadastro);
}

void TfrmModCadastroMidas::FormClose(TObject* sender, TCloseAction& action) {
    TfrmModCadastroCustom::FormClose(sender, action);
    if (fsnCadastro->ApplyUpdates())
        if (const auto* dataSet =
                dynamic_cast<const TClientDataSet*>(fsnCadastro->TfraDataSetNavigator::DataSet());
            dataSet && dataSet->ChangeCount() > 0)
            throw EDatabaseError(PendingEditMessage);
}

void TfrmModCadastroMidas::fsnCadastroPrint(TObject*) {
    rptCadastro->Print();
}
