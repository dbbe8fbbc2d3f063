#pragma once
// The declaration editor over a fresh database copy: the main window, a
// stand-in for the declaration list that owns the editor, one taxpayer and
// one declaration of the period asked for, opened the way the list opens it.

#include "declarations/editor/TfrmDeclaracao.h"
#include "tests/support/data/DataModules.h"

class TfrmModPrincipal;

class EditorFixture : public DataModules {
protected:
    EditorFixture();
    ~EditorFixture() override;

    // Creates declaration 1 of the period and opens it in the editor.
    void OpenEditor(int ano, int mes, const QString& flags = QString());
    // Runs an action of the editor and lets its tree report the change.
    void Aciona(TAction* action);
    // Selects node `no` as a click would, and lets the tree report it.
    void Seleciona(int no);
    // The number of the selected node.
    int NoAtual() const;
    QString Campo(const QString& nome) const;

    TfrmModPrincipal* principal = nullptr;
    TfrmModDocumento* lista = nullptr;
    TfrmDeclaracao* editor = nullptr;
};
