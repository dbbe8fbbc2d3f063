#include "declarations/pages/TfrmDetOpProprias.h"

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeNodes.h"
#include "platform/ui/TTreeView.h"

namespace {

// Positions of the other branches in the editor's tree.
constexpr int TaxSubstitutionNode = 10;
constexpr int OtherIcmsNode = 19;
constexpr int FreeTradeZoneNode = 24;

NoMovementPage::Shape PageShape() {
    NoMovementPage::Shape shape;
    shape.formName = QStringLiteral("frmDetOpProprias");
    shape.caption = QStringLiteral("Operações Próprias");
    shape.flagField = QStringLiteral("IN_OPER_PROP_SEM_MOV");
    shape.checkCaption = QStringLiteral("Sem movimento de Operações Próprias");
    shape.dataSourceName = QStringLiteral("dsOpProprias");
    shape.helpText = {
        QStringLiteral(
            "Ficha utilizada para informar, por meio de subfichas, os valores, lançados no RAICMS, "
            "referentes às operações próprias do declarante (Entradas, Saídas, Outros Créditos, "
            "Outros Débitos, Estornos de Créditos, Estornos de Débitos, Deduções e Prazos "
            "Especiais)."),
        QStringLiteral(
            "Destina-se à apuração do ICMS das operações próprias do estabelecimento declarante.")};
    shape.balanceField = QStringLiteral("VL_SALDO_ANTERIOR");
    shape.notesField = QStringLiteral("TX_OBSERVACAO");
    return shape;
}

} // namespace

TfrmDetOpProprias::TfrmDetOpProprias(TComponent* owner) : NoMovementPage(owner, PageShape()) {}

void TfrmDetOpProprias::BranchMarked() {
    TClientDataSet* declaracao = DMDef->cdsDeclaracao;
    const DeclarationKey chave =
        DeclarationKey::Of(*declaracao->FieldByName(QStringLiteral("SQ_DECLARACAO")));
    struct Ramo {
        int (TDMDefAux::*conta)(DeclarationKey);
        const char* campo;
        int no;
    };
    const Ramo ramos[] = {
        {&TDMDefAux::ContaMovSubstTribut, "IN_SUBST_TRIBUT_SEM_MOV", TaxSubstitutionNode},
        {&TDMDefAux::ContaMovOutrosICMS, "IN_OUTROS_ICMS_SEM_MOV", OtherIcmsNode},
        {&TDMDefAux::ContaMovALCZFM, "IN_ALC_ZFM_SEM_MOV", FreeTradeZoneNode},
    };
    for (const Ramo& ramo : ramos) {
        if ((DMDefAux->*ramo.conta)(chave) == 1)
            continue;
        declaracao->FieldByName(QLatin1String(ramo.campo))->SetAsString(QStringLiteral("S"));
        if (TTreeView* tree = EditorTree())
            if (TTreeNode* node = tree->Items().Item(ramo.no))
                node->Collapse(true);
    }
}
