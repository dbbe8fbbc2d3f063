#include "declarations/registers/TfrmCadContabilista.h"

#include "core/data/TDMDefAux.h"
#include "declarations/registers/TrptContabilistas.h"
#include "platform/db/TClientDataSet.h"

#include <memory>

namespace {
PersonRegister::Shape RegisterShape() {
    return {QStringLiteral("frmCadContabilista"),
            QStringLiteral("Cadastro de Contabilistas"),
            QStringLiteral("dsContabilista"),
            QStringLiteral("dssContabilista"),
            QStringLiteral("CONTABILISTA"),
            QStringLiteral("SQ_CONTABILISTA"),
            16,
            {QStringLiteral("dbeNomeCont"), QStringLiteral("Nome"), QStringLiteral("NO_CONTABILISTA"), 282},
            {QStringLiteral("dbeDDDCont"), QStringLiteral("DDD"), QStringLiteral("NU_DDD_CONTABILISTA"), 284},
            {QStringLiteral("dbeTelCont"), QStringLiteral("Telefone"), QStringLiteral("NU_TEL_CONTABILISTA"),
             283},
            false};
}
} // namespace

TfrmCadContabilista::TfrmCadContabilista(TComponent* owner, int documentId)
    : PersonRegister(owner, documentId, DMDefAux->cdsContabilista, RegisterShape()), dsContabilista(m_source),
      dbeNomeCont(m_name), dbeDDDCont(m_areaCode), dbeTelCont(m_telephone), dssContabilista(m_search) {}

void TfrmCadContabilista::PreviewListing() {
    std::unique_ptr<TrptContabilistas> relatorio(new TrptContabilistas(this));
    relatorio->Preview();
}
