#include "declarations/registers/TrptFundamentos.h"

#include "core/data/TDMDefBasica.h"
#include "platform/db/TClientDataSet.h"

TrptFundamentos::TrptFundamentos(TComponent* owner)
    : OccurrenceListing(owner, QStringLiteral("rptFundamentos"), QStringLiteral("Relatório de Ocorrências"),
                        DMDefBasica->cdsFundamentos, DMDefBasica->cdsFundHist,
                        {{"DT_INICIO", "Data Início", 70},
                         {"DT_FIM", "Data Fim", 70},
                         {"DS_LEGISLACAO_OCORRENCIA", "Descrição da Legislação", 236},
                         {"DescTpDadoComp1", "Dado Complementar 1", 140},
                         {"DescTpDadoComp2", "Dado Complementar 2", 140}}) {}
