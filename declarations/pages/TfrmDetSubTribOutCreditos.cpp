#include "declarations/pages/TfrmDetSubTribOutCreditos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetSubTribOutCreditos");
    shape.caption = QStringLiteral("Outros Créditos");
    shape.dataSourceName = QStringLiteral("dsOutrosCreditos");
    shape.help = QStringLiteral(
        "Subficha utilizada para informar Outros Créditos lançados no RAICMS, que fizeram parte "
        "da apuração do ICMS por substituição tributária como, por exemplo, crédito "
        "correspondente a devolução de mercadorias sujeitas à substituição tributária, cujo ICMS "
        "foi retido pelo contribuinte, na qualidade de responsável.");
    shape.valueField = QStringLiteral("VL_OUTRO_CREDITO");
    shape.occurrence = 7;
    shape.computation = QStringLiteral("S");
    shape.description = QStringLiteral("DescOcorrencia");
    shape.gridName = QStringLiteral("dbgDetalhes");
    return shape;
}
} // namespace

TfrmDetSubTribOutCreditos::TfrmDetSubTribOutCreditos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsOutCreditosI, PageShape()) {}
