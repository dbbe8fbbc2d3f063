#include "declarations/pages/TfrmDetSubTribEstCreditos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetSubTribEstCreditos");
    shape.caption = QStringLiteral("Estornos Creditos");
    shape.dataSourceName = QStringLiteral("dsEstornosCreditos");
    shape.help =
        QStringLiteral("Subficha utilizada para informar os Estornos de Créditos, lançados no RAICMS, que "
                       "fizeram parte da apuração do ICMS por substituição tributária. ");
    shape.valueField = QStringLiteral("VL_ESTORNO_CREDITO");
    shape.occurrence = 3;
    shape.computation = QStringLiteral("S");
    shape.description = QStringLiteral("DescFundamento");
    shape.gridName = QStringLiteral("dbgDetalhes");
    return shape;
}
} // namespace

TfrmDetSubTribEstCreditos::TfrmDetSubTribEstCreditos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsEstCreditosI, PageShape()) {}
