#include "declarations/pages/TfrmDetOpPropOutCreditos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetOpPropOutCreditos");
    shape.caption = QStringLiteral("Outros Créditos");
    shape.dataSourceName = QStringLiteral("dsOutrosCreditos");
    shape.help =
        QStringLiteral("Subficha utilizada para informar Outros Créditos, lançados no RAICMS, decorrentes de "
                       "operações próprias do declarante.");
    shape.valueField = QStringLiteral("VL_OUTRO_CREDITO");
    shape.occurrence = 7;
    shape.computation = QStringLiteral("N");
    shape.description = QStringLiteral("DescOcorrencia");
    shape.gridName = QStringLiteral("dbgDetalhes");
    return shape;
}
} // namespace

TfrmDetOpPropOutCreditos::TfrmDetOpPropOutCreditos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsOutCreditos, PageShape()) {}
