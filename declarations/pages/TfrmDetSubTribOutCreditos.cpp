#include "declarations/pages/TfrmDetSubTribOutCreditos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Kind Tipo() {
    OccurrencePage::Kind kind;
    kind.formName = QStringLiteral("frmDetSubTribOutCreditos");
    kind.caption = QStringLiteral("Outros Créditos");
    kind.dataSourceName = QStringLiteral("dsOutrosCreditos");
    kind.help = QStringLiteral(
        "Subficha utilizada para informar Outros Créditos lançados no RAICMS, que fizeram parte "
        "da apuração do ICMS por substituição tributária como, por exemplo, crédito "
        "correspondente a devolução de mercadorias sujeitas à substituição tributária, cujo ICMS "
        "foi retido pelo contribuinte, na qualidade de responsável.");
    kind.valueField = QStringLiteral("VL_OUTRO_CREDITO");
    kind.occurrence = 7;
    kind.computation = QStringLiteral("S");
    kind.description = QStringLiteral("DescOcorrencia");
    kind.gridName = QStringLiteral("dbgDetalhes");
    return kind;
}
} // namespace

TfrmDetSubTribOutCreditos::TfrmDetSubTribOutCreditos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsOutCreditosI, Tipo()) {}
