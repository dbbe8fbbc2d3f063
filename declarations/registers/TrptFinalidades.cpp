#include "declarations/registers/TrptFinalidades.h"

#include "core/data/TDMDefBasica.h"
#include "platform/db/TClientDataSet.h"

TrptFinalidades::TrptFinalidades(TComponent* owner)
    : OccurrenceListing(owner, QStringLiteral("rptFinalidades"),
                        QStringLiteral("Relatório de Finalidades de Saldo Credor de Exportação"),
                        DMDefBasica->cdsFinalidades, DMDefBasica->cdsFinalHist,
                        {{"DT_INICIO", "Data Início", 70},
                         {"DT_FIM", "Data Fim", 70},
                         {"DescTpDadoComp1", "Dado Complementar 1", 250},
                         {"DescTpDadoComp2", "Dado Complementar 2", 250}}) {}
