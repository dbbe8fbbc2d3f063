#pragma once
// The declaration list over a fresh database copy, with the main window
// around it and the fixture builder for rows.

#include "declarations/list/TfrmSelDeclaracao.h"
#include "tests/support/data/DataModules.h"
#include "tests/support/database/DeclarationFixture.h"

#include <memory>

class TfrmModPrincipal;

class ListFixture : public DataModules {
protected:
    ListFixture();
    ~ListFixture() override;

    // Opens the list window.
    void AbreLista();
    // Puts the list on declaration `sq`.
    void Posiciona(int sq);
    // Runs a list action and lets pending window work finish.
    void Aciona(TAction* action);
    int Conta(const QString& sql) { return banco.Count(sql); }

    TfrmModPrincipal* principal = nullptr;
    TfrmSelDeclaracao* lista = nullptr;
    std::unique_ptr<DeclarationFixture> fixture;
};
