#include "declarations/reports/TrptEspelhoZebOutICMS.h"

TrptEspelhoZebOutICMS::TrptEspelhoZebOutICMS(TComponent* owner)
    : MirrorSectionReport(owner, QStringLiteral("rptEspelhoZebOutICMS"), QStringLiteral("ibtOutICMS")) {
    TituloPagina(QStringLiteral("Outros ICMS Devidos"));
    ibqOutICMS = ConsultaOcorrencia(QStringLiteral("ibqOutICMS"), QStringLiteral("outro_icms_devido"),
                                    QStringLiteral("VL_LANCAMENTO"), 0);
    GrupoOcorrencia(QStringLiteral("OutICMS"), QStringLiteral("Outros ICMS Devidos"), ibqOutICMS,
                    "VL_LANCAMENTO", "Valor Lançamento");
}
