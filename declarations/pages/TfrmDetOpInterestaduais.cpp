#include "declarations/pages/TfrmDetOpInterestaduais.h"

namespace {
InformationPage::Shape PageShape() {
    return {QStringLiteral("frmDetOpInterestaduais"),
            QStringLiteral("Operações Interestaduais"),
            {QStringLiteral(
                "Ficha utilizada para detalhar por estado, por meio de subfichas, as Entradas e Saídas "
                "Interestaduais previamente informadas nas Subfichas Entradas e Saídas da Ficha Operações "
                "Próprias. As informações solicitadas obedecem ao previsto no art. 81 do Convênio SINIEF "
                "S/N de 15/12/70, e destinam-se à apuração da Balança Comercial Interestadual. ")}};
}
} // namespace

TfrmDetOpInterestaduais::TfrmDetOpInterestaduais(TComponent* owner) : InformationPage(owner, PageShape()) {}
