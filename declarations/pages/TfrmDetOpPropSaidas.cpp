#include "declarations/pages/TfrmDetOpPropSaidas.h"

#include "core/data/TDMDef.h"
#include "core/data/TDMDefBasica.h"

namespace {
OwnOperationsPage::Shape PageShape() {
    return {
        QStringLiteral("frmDetOpPropSaidas"),
        QStringLiteral("Saídas"),
        QStringLiteral("dsSaidas"),
        QStringLiteral("Subficha utilizada para informar os CFOPs referentes às Saídas, lançadas no RAICMS, "
                       "decorrentes de operações próprias do declarante."),
        QStringLiteral("dbeVlImpDebitado"),
        QStringLiteral("Débito"),
        QStringLiteral("Debitado")};
}
} // namespace

TfrmDetOpPropSaidas::TfrmDetOpPropSaidas(TComponent* owner)
    : OwnOperationsPage(owner, DMDef->cdsSaidas, DMDefBasica->cdsCFOPsSaidas, PageShape()) {}
