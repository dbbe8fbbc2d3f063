#include "declarations/pages/TfrmDetSubTribInterna.h"

namespace {

NoMovementPage::Layout Ficha() {
    NoMovementPage::Layout layout;
    layout.formName = QStringLiteral("frmDetSubTribInterna");
    layout.caption = QStringLiteral("Substituição Tributária Interna");
    layout.flagField = QStringLiteral("IN_SUBST_TRIBUT_SEM_MOV");
    layout.checkCaption = QStringLiteral("Sem movimento de Substituição Tributária Interna");
    layout.dataSourceName = QStringLiteral("dsSubTrib");
    layout.helpText = {
        QStringLiteral("Ficha utilizada pelos contribuintes substitutos e pelos responsáveis pela retenção "
                       "do imposto, estabelecidos no Estado, para informar, por meio de subfichas, o ICMS "
                       "retido em favor do Estado nas operações sujeitas ao regime de substituição "
                       "tributária.")};
    layout.balanceField = QStringLiteral("VL_SALDO_ANTERIOR_ST");
    layout.notesField = QStringLiteral("TX_OBSERVACAO_ST");
    return layout;
}

} // namespace

TfrmDetSubTribInterna::TfrmDetSubTribInterna(TComponent* owner) : NoMovementPage(owner, Ficha()) {}
