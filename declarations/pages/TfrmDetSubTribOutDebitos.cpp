#include "declarations/pages/TfrmDetSubTribOutDebitos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Kind Tipo() {
    OccurrencePage::Kind kind;
    kind.formName = QStringLiteral("frmDetSubTribOutDebitos");
    kind.caption = QStringLiteral("Outros Débitos");
    kind.dataSourceName = QStringLiteral("dsOutrosDebitos");
    kind.help = QStringLiteral(
        "Subficha utilizada para informar Outros Débitos, lançados no RAICMS, que fizeram parte "
        "da apuração do ICMS por substituição tributária, como, por exemplo, o valor do imposto "
        "retido pelo contribuinte, na qualidade de responsável.");
    kind.valueField = QStringLiteral("VL_OUTRO_DEBITO");
    kind.occurrence = 2;
    kind.computation = QStringLiteral("S");
    kind.description = QStringLiteral("DescFundamento");
    kind.gridName = QStringLiteral("DBGrid1");
    return kind;
}
} // namespace

TfrmDetSubTribOutDebitos::TfrmDetSubTribOutDebitos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsOutDebitosI, Tipo()) {}
