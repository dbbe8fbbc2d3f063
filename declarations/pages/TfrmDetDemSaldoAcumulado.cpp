#include "declarations/pages/TfrmDetDemSaldoAcumulado.h"

namespace {
InformationPage::Shape PageShape() {
    return {
        QStringLiteral("frmDetDemSaldoAcumulado"),
        QStringLiteral("Demonstrativo Saldo Acumulado"),
        {QStringLiteral("Subficha utilizada para informar o saldo credor acumulado decorrente de operações "
                        "de exportação de forma a demonstrar a sua evolução, indicando os acréscimos, as "
                        "utilizações, as compensações e as transferências realizadas pelo seu detentor.")}};
}
} // namespace

TfrmDetDemSaldoAcumulado::TfrmDetDemSaldoAcumulado(TComponent* owner) : InformationPage(owner, PageShape()) {}
