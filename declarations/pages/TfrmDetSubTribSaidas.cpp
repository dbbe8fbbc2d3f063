#include "declarations/pages/TfrmDetSubTribSaidas.h"

#include "core/data/TDMDef.h"
#include "core/data/TDMDefBasica.h"

namespace {
SubstitutionOperationsPage::Shape PageShape() {
    return {
        QStringLiteral("frmDetSubTribSaidas"),
        QStringLiteral("Saídas"),
        QStringLiteral("dsSaidas"),
        QStringLiteral("Subficha utilizada para informar a base de cálculo e o imposto retido, lançados no "
                       "RAICMS, para os CFOPs das Saídas de mercadorias. Destina-se apenas às operações de "
                       "saída que fizeram parte da apuração do ICMS por substituição tributária interna do "
                       "contribuinte substituto originário."),
        QStringLiteral("dbeVlImpDebitado"),
        QStringLiteral("Débito"),
        QStringLiteral("Debitado"),
        QStringLiteral("ibqSaidasI"),
        QStringLiteral("SAIDA_DECLARADA"),
        QStringLiteral("SD")};
}
} // namespace

TfrmDetSubTribSaidas::TfrmDetSubTribSaidas(TComponent* owner)
    : SubstitutionOperationsPage(owner, DMDef->cdsSaidasI, DMDefBasica->cdsCFOPsSaidas, PageShape()) {}
