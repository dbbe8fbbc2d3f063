#include "declarations/pages/TfrmDetOpPropEntradas.h"

#include "core/data/TDMDef.h"
#include "core/data/TDMDefBasica.h"

namespace {
OwnOperationsPage::Shape PageShape() {
    return {QStringLiteral("frmDetOpPropEntradas"),
            QStringLiteral("Entradas"),
            QStringLiteral("dsEntradas"),
            QStringLiteral(
                "Subficha utilizada para informar os CFOPs referentes às Entradas, lançadas no RAICMS, "
                "decorrentes de operações próprias do declarante."),
            QStringLiteral("dbeVlImpCreditado"),
            QStringLiteral("Crédito"),
            QStringLiteral("Creditado")};
}
} // namespace

TfrmDetOpPropEntradas::TfrmDetOpPropEntradas(TComponent* owner)
    : OwnOperationsPage(owner, DMDef->cdsEntradas, DMDefBasica->cdsCFOPsEntradas, PageShape()) {}
