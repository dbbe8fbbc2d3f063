#include "declarations/registers/TrptContribuinte.h"

#include "core/data/TDMDef.h"
#include "declarations/registers/ListingLayout.h"
#include "platform/db/TClientDataSet.h"

TrptContribuinte::TrptContribuinte(TComponent* owner) : TrptModBase(owner) {
    SetName(QStringLiteral("rptContribuinte"));
    SetReportTitle(QStringLiteral("Relatório de Contribuintes Declarantes"));
    Page().SetOrientation(TPrinterOrientation::poLandscape);
    TDataSet* dados = DMDef->cdsContribuintes;
    SetDataSet(dados);
    qrbTitulo = CaptionBand(this, QStringLiteral("qrbTitulo"));
    qrbDetalhe = ListingBand(this, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, kListingLine + 2);
    ListingColumns(this, qrbTitulo, 0, qrbDetalhe, dados,
                   {{"NU_INSCRICAO", "Inscrição", 80},
                    {"NU_DDD", "DDD", 35},
                    {"NU_TEL", "Telefone", 70},
                    {"NU_CGC_CPF", "CNPJ", 125},
                    {"NO_RAZAO", "Razão Social", 320},
                    {"NU_DDD_FAX", "DDD", 35},
                    {"NU_FAX", "Fax", 70},
                    {"NO_CORREIO_ELETRONICO", "Correio eletrônico", 250}});
}
