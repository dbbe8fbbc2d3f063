#include "declarations/pages/TfrmDetSubTribEstDebitos.h"

#include "core/data/TDMDef.h"

namespace {
OccurrencePage::Shape PageShape() {
    OccurrencePage::Shape shape;
    shape.formName = QStringLiteral("frmDetSubTribEstDebitos");
    shape.caption = QStringLiteral("Estornos Débitos");
    shape.dataSourceName = QStringLiteral("dsEstornosDebitos");
    shape.help =
        QStringLiteral("Subficha utilizada para informar os Estornos de Débitos, lançados no RAICMS, que "
                       "fizeram parte da apuração do ICMS por substituição tributária como, por exemplo, "
                       "anulações correspondentes a remessas para outros estados de mercadorias sujeitas  à "
                       "substituição tributária, cujo ICMS foi retido pelo contribuinte, na qualidade de "
                       "responsável.");
    shape.valueField = QStringLiteral("VL_ESTORNO_DEBITO");
    shape.occurrence = 8;
    shape.computation = QStringLiteral("S");
    shape.description = QStringLiteral("DescFundamento");
    shape.gridName = QStringLiteral("DBGrid1");
    return shape;
}
} // namespace

TfrmDetSubTribEstDebitos::TfrmDetSubTribEstDebitos(TComponent* owner)
    : OccurrencePage(owner, DMDef->cdsEstDebitosI, PageShape()) {}
