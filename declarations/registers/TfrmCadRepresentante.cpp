#include "declarations/registers/TfrmCadRepresentante.h"

#include "core/data/TDMDefAux.h"
#include "declarations/registers/TrptRepresentante.h"
#include "platform/db/TClientDataSet.h"

#include <memory>

namespace {
PersonRegister::Shape RegisterShape() {
    return {
        QStringLiteral("frmCadRepresentante"),
        QStringLiteral("Cadastro de Representantes Legais"),
        QStringLiteral("dsRepresentante"),
        QStringLiteral("dssRepresentante"),
        QStringLiteral(" REPRESENTANTE"),
        QStringLiteral("SQ_REPRESENTANTE"),
        15,
        {QStringLiteral("dbeNomeRep"), QStringLiteral("Nome"), QStringLiteral("NO_REPRESENTANTE_LEGAL"), 279},
        {QStringLiteral("dbeDDDRep"), QStringLiteral("DDD"), QStringLiteral("NU_DDD_REPRESENTANTE_LEGAL"),
         281},
        {QStringLiteral("dbeTelRep"), QStringLiteral("Telefone"),
         QStringLiteral("NU_TEL_REPRESENTANTE_LEGAL"), 280},
        true};
}
} // namespace

TfrmCadRepresentante::TfrmCadRepresentante(TComponent* owner, int documentId)
    : PersonRegister(owner, documentId, DMDefAux->cdsRepresentante, RegisterShape()),
      dsRepresentante(m_source), dbeNomeRep(m_name), dbeDDDRep(m_areaCode), dbeTelRep(m_telephone),
      dssRepresentante(m_search) {}

void TfrmCadRepresentante::PreviewListing() {
    std::unique_ptr<TrptRepresentante> relatorio(new TrptRepresentante(this));
    relatorio->Preview();
}
