#include "declarations/registers/TfrmConFinalidades.h"

#include "core/data/TDMDefBasica.h"
#include "declarations/registers/RegisterLayout.h"
#include "declarations/registers/TrptFinalidades.h"
#include "platform/db/TClientDataSet.h"
#include "platform/ui/TDBGrid.h"

#include <memory>

namespace {
OccurrenceLookup::Shape RegisterShape() {
    return {QStringLiteral("frmConFinalidades"),
            QStringLiteral("Consulta de Finalidades  de Saldo Credor de Exportação"),
            400,
            DMDefBasica->cdsFinalidades,
            DMDefBasica->cdsFinalHist,
            QStringLiteral("dsConFinalidades"),
            QStringLiteral("dsConHistFinalidades"),
            QStringLiteral("dssFinalidades"),
            {QStringLiteral("SELECT * FROM VWFundamentos"),
             QStringLiteral("where (tp_apuracao = 'E') and (st_ocorrencia_def = 'A')")},
            QStringLiteral("Finalidade")};
}
} // namespace

TfrmConFinalidades::TfrmConFinalidades(TComponent* owner, int documentId)
    : OccurrenceLookup(owner, documentId, RegisterShape()), dsConFinalidades(m_source),
      dsConHistFinalidades(m_history), dssFinalidades(m_search) {
    dbgHistorico = ReadOnlyGrid(this, this, QStringLiteral("dbgHistorico"), dsConHistFinalidades,
                                {{"DT_INICIO", "Data Início", 80},
                                 {"DT_FIM", "Data Fim", 80},
                                 {"DescTpDadoComp1", "Tipo de Dado Complementar 1", 230},
                                 {"DescTpDadoComp2", "Tipo de Dado Complementar 2", 230}});
    dbgHistorico->SetAlign(TAlign::alClient);
}

void TfrmConFinalidades::PreviewListing() {
    std::unique_ptr<TrptFinalidades> relatorio(new TrptFinalidades(this));
    relatorio->Preview();
}
