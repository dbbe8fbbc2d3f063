#include "declarations/pages/TfrmDetSubTribEstDebitos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Kind Tipo() {
    OccurrencePage::Kind kind;
    kind.formName = QStringLiteral("frmDetSubTribEstDebitos");
    kind.caption = QStringLiteral("Estornos Débitos");
    kind.dataSourceName = QStringLiteral("dsEstornosDebitos");
    kind.help =
        QStringLiteral("Subficha utilizada para informar os Estornos de Débitos, lançados no RAICMS, que "
                       "fizeram parte da apuração do ICMS por substituição tributária como, por exemplo, "
                       "anulações correspondentes a remessas para outros estados de mercadorias sujeitas  à "
                       "substituição tributária, cujo ICMS foi retido pelo contribuinte, na qualidade de "
                       "responsável.");
    kind.valueField = QStringLiteral("VL_ESTORNO_DEBITO");
    kind.occurrence = 8;
    kind.computation = QStringLiteral("S");
    kind.description = QStringLiteral("DescFundamento");
    kind.gridName = QStringLiteral("DBGrid1");
    return kind;
}
} // namespace

TfrmDetSubTribEstDebitos::TfrmDetSubTribEstDebitos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsEstDebitosI, Tipo()) {}
