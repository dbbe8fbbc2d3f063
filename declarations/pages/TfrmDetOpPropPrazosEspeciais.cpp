#include "declarations/pages/TfrmDetOpPropPrazosEspeciais.h"

#include "core/data/TDMDef.h"
#include "platform/ui/TDBGrid.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetOpPropPrazosEspeciais");
    shape.caption = QStringLiteral("Prazos Especiais");
    shape.dataSourceName = QStringLiteral("dsPrazosEspeciais");
    shape.help =
        QStringLiteral("Subficha utilizada para informar, para cada ocorrência prevista na legislação, os "
                       "valores a deduzir do imposto a recolher, isto é, os valores do imposto com prazo "
                       "especial de pagamento.");
    shape.valueField = QStringLiteral("VL_PRAZO_ESPECIAL");
    shape.occurrence = 30;
    shape.computation = QStringLiteral("N");
    shape.description = QStringLiteral("DescFundamento");
    shape.gridName = QStringLiteral("DBGrid1");
    return shape;
}
} // namespace

TfrmDetOpPropPrazosEspeciais::TfrmDetOpPropPrazosEspeciais(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsPrazosEsp, PageShape()) {
    dbgDetalhes->SetOptions(dbgDetalhes->Options() | dgCancelOnExit);
}
