#include "declarations/pages/TfrmDetOpPropPrazosEspeciais.h"

#include "core/data/TDMDef.h"
#include "platform/ui/TDBGrid.h"

namespace {
OccurrencePage::Kind Tipo() {
    OccurrencePage::Kind kind;
    kind.formName = QStringLiteral("frmDetOpPropPrazosEspeciais");
    kind.caption = QStringLiteral("Prazos Especiais");
    kind.dataSourceName = QStringLiteral("dsPrazosEspeciais");
    kind.help =
        QStringLiteral("Subficha utilizada para informar, para cada ocorrência prevista na legislação, os "
                       "valores a deduzir do imposto a recolher, isto é, os valores do imposto com prazo "
                       "especial de pagamento.");
    kind.valueField = QStringLiteral("VL_PRAZO_ESPECIAL");
    kind.occurrence = 30;
    kind.computation = QStringLiteral("N");
    kind.description = QStringLiteral("DescFundamento");
    kind.gridName = QStringLiteral("DBGrid1");
    return kind;
}
} // namespace

TfrmDetOpPropPrazosEspeciais::TfrmDetOpPropPrazosEspeciais(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsPrazosEsp, Tipo()) {
    dbgDetalhes->SetOptions(dbgDetalhes->Options() | dgCancelOnExit);
}
