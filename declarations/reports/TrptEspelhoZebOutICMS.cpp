#include "declarations/reports/TrptEspelhoZebOutICMS.h"

TrptEspelhoZebOutICMS::TrptEspelhoZebOutICMS(TComponent* owner)
    : MirrorSectionReport(owner, QStringLiteral("rptEspelhoZebOutICMS"), QStringLiteral("ibtOutICMS")) {
    PageTitleBand(QStringLiteral("Outros ICMS Devidos"));
    ibqOutICMS = OccurrenceQuery(QStringLiteral("ibqOutICMS"), QStringLiteral("outro_icms_devido"),
                                 QStringLiteral("VL_LANCAMENTO"), 0);
    OccurrenceGroup(QStringLiteral("OutICMS"), QStringLiteral("Outros ICMS Devidos"), ibqOutICMS,
                    "VL_LANCAMENTO", "Valor Lançamento");
}
