#include "declarations/pages/TfrmDetSubTribInterna.h"

namespace {

NoMovementPage::Shape PageShape() {
    NoMovementPage::Shape shape;
    shape.formName = QStringLiteral("frmDetSubTribInterna");
    shape.caption = QStringLiteral("Substituição Tributária Interna");
    shape.flagField = QStringLiteral("IN_SUBST_TRIBUT_SEM_MOV");
    shape.checkCaption = QStringLiteral("Sem movimento de Substituição Tributária Interna");
    shape.dataSourceName = QStringLiteral("dsSubTrib");
    shape.helpText = {
        QStringLiteral("Ficha utilizada pelos contribuintes substitutos e pelos responsáveis pela retenção "
                       "do imposto, estabelecidos no Estado, para informar, por meio de subfichas, o ICMS "
                       "retido em favor do Estado nas operações sujeitas ao regime de substituição "
                       "tributária.")};
    shape.balanceField = QStringLiteral("VL_SALDO_ANTERIOR_ST");
    shape.notesField = QStringLiteral("TX_OBSERVACAO_ST");
    return shape;
}

} // namespace

TfrmDetSubTribInterna::TfrmDetSubTribInterna(TComponent* owner) : NoMovementPage(owner, PageShape()) {}
