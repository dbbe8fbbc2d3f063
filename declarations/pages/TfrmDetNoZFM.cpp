#include "declarations/pages/TfrmDetNoZFM.h"

namespace {

NoMovementPage::Layout Ficha() {
    NoMovementPage::Layout layout;
    layout.formName = QStringLiteral("frmDetNoZFM");
    layout.caption = QStringLiteral("Zona Franca de Manaus e Área de Livre Comércio");
    layout.flagField = QStringLiteral("IN_ALC_ZFM_SEM_MOV");
    layout.checkCaption = QStringLiteral("Sem movimento de Zona Franca de Manaus e Área de Livre Comércio");
    layout.dataSourceName = QStringLiteral("dsZFM");
    layout.helpText = {
        QStringLiteral("Ficha utilizada para informar, por meio de subficha, as saídas isentas "
                       "para municípios abrangidos pela Zona Franca de Manaus e Áreas de Livre "
                       "Comércio.")};
    layout.firstEditableYear = 2002;
    return layout;
}

} // namespace

TfrmDetNoZFM::TfrmDetNoZFM(TComponent* owner) : NoMovementPage(owner, Ficha()) {}
