#include "declarations/pages/TfrmDetSubTribEntradas.h"

#include "core/data/TDMDef.h"
#include "core/data/TDMDefBasica.h"

namespace {
SubstitutionOperationsPage::Shape PageShape() {
    return {
        QStringLiteral("frmDetSubTribEntradas"),
        QStringLiteral("Entradas"),
        QStringLiteral("dsEntradas"),
        QStringLiteral("Subficha utilizada para informar a base de cálculo e o imposto retido, lançados no "
                       "RAICMS, para os CFOPs das Entradas de mercadorias. Destina-se apenas às operações de "
                       "entrada que fizeram parte da apuração do ICMS por substituição tributária interna do "
                       "contribuinte substituto originário."),
        QStringLiteral("dbeVlImpCreditado"),
        QStringLiteral("Crédito"),
        QStringLiteral("Creditado"),
        QStringLiteral("ibqEntradasI"),
        QStringLiteral("ENTRADA_DECLARADA"),
        QStringLiteral("ED")};
}
} // namespace

TfrmDetSubTribEntradas::TfrmDetSubTribEntradas(TComponent* owner)
    : SubstitutionOperationsPage(owner, DMDef->cdsEntradasI, DMDefBasica->cdsCFOPsEntradas, PageShape()) {}
