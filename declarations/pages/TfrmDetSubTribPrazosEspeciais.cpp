#include "declarations/pages/TfrmDetSubTribPrazosEspeciais.h"

#include "core/data/TDMDef.h"
#include "platform/ui/TDBGrid.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetSubTribPrazosEspeciais");
    shape.caption = QStringLiteral("Prazos Especiais");
    shape.dataSourceName = QStringLiteral("dsPrazosEspeciais");
    shape.help =
        QStringLiteral("Subficha utilizada para informar, para cada ocorrência prevista na legislação, os "
                       "valores a deduzir do imposto a recolher, isto é, os valores do imposto com prazo "
                       "especial de pagamento, que fizeram parte da apuração do ICMS por substituição "
                       "tributária.");
    shape.valueField = QStringLiteral("VL_PRAZO_ESPECIAL");
    shape.occurrence = 30;
    shape.computation = QStringLiteral("S");
    shape.description = QStringLiteral("DescFundamento");
    shape.gridName = QStringLiteral("DBGrid1");
    return shape;
}
} // namespace

TfrmDetSubTribPrazosEspeciais::TfrmDetSubTribPrazosEspeciais(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsPrazosEspI, PageShape()) {
    dbgDetalhes->SetOptions(dbgDetalhes->Options() | dgCancelOnExit);
}
