#include "declarations/pages/TfrmDetNoOutICMS.h"

namespace {

NoMovementPage::Shape PageShape() {
    NoMovementPage::Shape shape;
    shape.formName = QStringLiteral("frmDetNoOutICMS");
    shape.caption = QStringLiteral("Outros ICMS Devidos");
    shape.flagField = QStringLiteral("IN_OUTROS_ICMS_SEM_MOV");
    shape.checkCaption = QStringLiteral("Sem movimento de Outros ICMS Devidos");
    shape.dataSourceName = QStringLiteral("dsOutICMS");
    shape.helpText = {
        QStringLiteral("Ficha utilizada para informar, por meio de subfichas, na respectiva ocorrência, o "
                       "débito de imposto referente a:"),
        QStringLiteral(
            "=>\tdiferencial de alíquota nas entradas de mercadorias de outra unidade da Federação "
            "destinadas a uso, consumo ou ativo fixo e nas utilizações de serviços iniciados em "
            "outra unidade da Federação;"),
        QStringLiteral("=>\tmercadorias sujeitas à substituição tributária recebidas sem a retenção ou o "
                       "recolhimento do imposto pelo remetente ou transportador;"),
        QStringLiteral("=>\timportações desembaraçadas no período;"),
        QStringLiteral("=>\tFECP sobre as operações internas, as importações, a substituição tributária "
                       "interna e o diferencial de alíquota.")};
    shape.actsWhileInserting = true;
    shape.firstEditableYear = 2002;
    return shape;
}

} // namespace

TfrmDetNoOutICMS::TfrmDetNoOutICMS(TComponent* owner) : NoMovementPage(owner, PageShape()) {}
