#include "declarations/pages/TfrmDetDeclSaldosRecebidos.h"

namespace {
InformationPage::Shape PageShape() {
    return {QStringLiteral("frmDetDeclSaldosRecebidos"),
            QStringLiteral("Declaração de Saldos Recebidos"),
            {QStringLiteral("Subficha utilizada para informar os saldos credores acumulados decorrentes de "
                            "exportação recebidos")}};
}
} // namespace

TfrmDetDeclSaldosRecebidos::TfrmDetDeclSaldosRecebidos(TComponent* owner)
    : InformationPage(owner, PageShape()) {}
