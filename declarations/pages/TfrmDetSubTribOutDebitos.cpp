#include "declarations/pages/TfrmDetSubTribOutDebitos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetSubTribOutDebitos");
    shape.caption = QStringLiteral("Outros Débitos");
    shape.dataSourceName = QStringLiteral("dsOutrosDebitos");
    shape.help = QStringLiteral(
        "Subficha utilizada para informar Outros Débitos, lançados no RAICMS, que fizeram parte "
        "da apuração do ICMS por substituição tributária, como, por exemplo, o valor do imposto "
        "retido pelo contribuinte, na qualidade de responsável.");
    shape.valueField = QStringLiteral("VL_OUTRO_DEBITO");
    shape.occurrence = 2;
    shape.computation = QStringLiteral("S");
    shape.description = QStringLiteral("DescFundamento");
    shape.gridName = QStringLiteral("DBGrid1");
    return shape;
}
} // namespace

TfrmDetSubTribOutDebitos::TfrmDetSubTribOutDebitos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsOutDebitosI, PageShape()) {}
