#include "declarations/pages/TfrmDetSubTribEstCreditos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Kind Tipo() {
    OccurrencePage::Kind kind;
    kind.formName = QStringLiteral("frmDetSubTribEstCreditos");
    kind.caption = QStringLiteral("Estornos Creditos");
    kind.dataSourceName = QStringLiteral("dsEstornosCreditos");
    kind.help =
        QStringLiteral("Subficha utilizada para informar os Estornos de Créditos, lançados no RAICMS, que "
                       "fizeram parte da apuração do ICMS por substituição tributária. ");
    kind.valueField = QStringLiteral("VL_ESTORNO_CREDITO");
    kind.occurrence = 3;
    kind.computation = QStringLiteral("S");
    kind.description = QStringLiteral("DescFundamento");
    kind.gridName = QStringLiteral("dbgDetalhes");
    return kind;
}
} // namespace

TfrmDetSubTribEstCreditos::TfrmDetSubTribEstCreditos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsEstCreditosI, Tipo()) {}
