#include "declarations/pages/TfrmDetalheDEF.h"

#include "core/data/ReferenceLookups.h"
#include "core/forms/TfrmModDocumento.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TTreeView.h"

namespace {

// The meaning of complementary datum `numero` of the data source's row.
QString DatumMeaning(int numero, TDataSource* dataSource) {
    TDataSet* dataSet = dataSource ? dataSource->DataSet() : nullptr;
    TField* descricao =
        dataSet ? dataSet->FindField(QStringLiteral("DescTpDadoComp%1").arg(numero)) : nullptr;
    return descricao ? descricao->AsString() : QString();
}

} // namespace

TfrmDetalheDEF::TfrmDetalheDEF(TComponent* owner) : TfrmModBase(owner) {
    SetName(QStringLiteral("frmDetalheDEF"));
    SetCaption(QStringLiteral("frmDetalheDEF"));
    SetBorderStyle(TFormBorderStyle::bsNone);
    SetAlign(TAlign::alClient);
    OnClose = TCloseEvent(this, &TfrmDetalheDEF::FormClose);

    pnlMensagemRodape = Make<TPanel>(this, QStringLiteral("pnlMensagemRodape"), this);
    pnlMensagemRodape->SetCaption(QString());
    pnlMensagemRodape->SetAlign(TAlign::alBottom);
    pnlMensagemRodape->SetHeight(22);
    pnlMensagemRodape->SetAlignment(TAlignment::taLeftJustify);
    QFont font = pnlMensagemRodape->Font();
    font.setPixelSize(13);
    pnlMensagemRodape->SetFont(font);
    pnlMensagemRodape->SetFontColor(clNavy);
}

void TfrmDetalheDEF::FormClose(TObject*, TCloseAction& action) {
    action = TCloseAction::caNone;
}

void TfrmDetalheDEF::MostraDescricaoCampo(TDataSource* dataSource) {
    for (int i = 0; i < ComponentCount(); ++i) {
        TComponent* component = Components(i);
        QString chave;
        bool comDica = false;
        if (auto* edit = dynamic_cast<TDBEdit*>(component); edit && edit->Focused() && edit->Tag() != 0) {
            chave = edit->Tag() > 9 ? edit->DataField() : DatumMeaning(edit->Tag(), dataSource);
            comDica = true;
        } else if (auto* memo = dynamic_cast<TDBMemo*>(component);
                   memo && memo->Focused() && memo->Tag() != 0) {
            chave = DatumMeaning(memo->Tag(), dataSource);
            comDica = true;
        }
        if (comDica) {
            pnlMensagemRodape->SetCaption(QStringLiteral("  ") + FormatoDadoComplementar(chave));
            return;
        }
        pnlMensagemRodape->SetCaption(QString());
    }
}

TTreeView* TfrmDetalheDEF::EditorTree() {
    TForm* principal = Application ? Application->MainForm() : nullptr;
    auto* documento = principal ? dynamic_cast<TfrmModDocumento*>(principal->ActiveMDIChild()) : nullptr;
    if (!documento || documento->ClassName() != QStringLiteral("TfrmDeclaracao"))
        return nullptr;
    return dynamic_cast<TTreeView*>(documento->FindComponent(QStringLiteral("tvNavegador")));
}
