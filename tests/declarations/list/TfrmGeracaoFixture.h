#pragma once
// The generation window over a fresh database copy, as an MDI child of a
// main window: one taxpayer and five declarations, 1 and 5 validated without
// errors and never generated, 2 validated and generated, 3 validated with
// errors, 4 not validated. Declaration 1 has rows in every detail table.

#include "declarations/list/TfrmGeracao.h"
#include "tests/support/data/DataModules.h"
#include "tests/support/database/DeclarationFixture.h"

#include <QTemporaryDir>
#include <functional>

class TfrmDlgGeracao;
class TfrmModPrincipal;

class TfrmGeracaoFixture : public DataModules {
protected:
    TfrmGeracaoFixture();
    ~TfrmGeracaoFixture() override;

    // The keys of the rows the window lists, in their order.
    std::vector<int> Listadas();
    // Selects the rows of these declarations in the grid, as Ctrl+clicks would.
    void Seleciona(std::initializer_list<int> chaves);
    // Runs "Gerar" of the window; `dialogo` plays the user in the dialog
    // while it is shown (exceptions of its actions end there, as the event
    // loop would end them).
    void Gera(const std::function<void(TfrmDlgGeracao&)>& dialogo);
    // Declarations stamped as transmitted.
    int Transmitidas();

    DeclarationFixture fixture;
    QTemporaryDir pasta;
    TfrmModPrincipal* principal = nullptr;
    TfrmGeracao* geracao = nullptr;
};
