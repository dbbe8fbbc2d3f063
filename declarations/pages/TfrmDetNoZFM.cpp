#include "declarations/pages/TfrmDetNoZFM.h"

namespace {

NoMovementPage::Shape PageShape() {
    NoMovementPage::Shape shape;
    shape.formName = QStringLiteral("frmDetNoZFM");
    shape.caption = QStringLiteral("Zona Franca de Manaus e Área de Livre Comércio");
    shape.flagField = QStringLiteral("IN_ALC_ZFM_SEM_MOV");
    shape.checkCaption = QStringLiteral("Sem movimento de Zona Franca de Manaus e Área de Livre Comércio");
    shape.dataSourceName = QStringLiteral("dsZFM");
    shape.helpText = {QStringLiteral("Ficha utilizada para informar, por meio de subficha, as saídas isentas "
                                     "para municípios abrangidos pela Zona Franca de Manaus e Áreas de Livre "
                                     "Comércio.")};
    shape.firstEditableYear = 2002;
    return shape;
}

} // namespace

TfrmDetNoZFM::TfrmDetNoZFM(TComponent* owner) : NoMovementPage(owner, PageShape()) {}
