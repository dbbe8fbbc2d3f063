#include "declarations/pages/TfrmDetOpPropOutCreditos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Kind Tipo() {
    OccurrencePage::Kind kind;
    kind.formName = QStringLiteral("frmDetOpPropOutCreditos");
    kind.caption = QStringLiteral("Outros Créditos");
    kind.dataSourceName = QStringLiteral("dsOutrosCreditos");
    kind.help =
        QStringLiteral("Subficha utilizada para informar Outros Créditos, lançados no RAICMS, decorrentes de "
                       "operações próprias do declarante.");
    kind.valueField = QStringLiteral("VL_OUTRO_CREDITO");
    kind.occurrence = 7;
    kind.computation = QStringLiteral("N");
    kind.description = QStringLiteral("DescOcorrencia");
    kind.gridName = QStringLiteral("dbgDetalhes");
    return kind;
}
} // namespace

TfrmDetOpPropOutCreditos::TfrmDetOpPropOutCreditos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsOutCreditos, Tipo()) {}
