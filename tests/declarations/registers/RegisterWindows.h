#pragma once
// The register, lookup and parameters windows over a fresh copy of the
// built database: the four data modules, an MDI frame as the main window,
// scripted message boxes, and helpers that type into a window, answer its
// search dialog and read what its listings printed.

#include "components/forms/TfrmModCadastroMidas.h"
#include "components/report/TfrmPreview.h"
#include "core/data/TDMDefAux.h"
#include "tests/support/data/DataModules.h"

#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class TDBEdit;
class TfrmDataSetSearch;

class RegisterWindows : public DataModules {
protected:
    RegisterWindows();
    ~RegisterWindows() override;

    // A document window of class T owned by the frame, as ShowDocument makes it.
    template <class T> T* Abre() { return TfrmModDocumento::Create<T>(frame, -1); }

    // Runs the navigator's action as a click does: an error shows in a box.
    static void Clica(TfrmModCadastroMidas* janela, TAction* acao);
    // Text into an edit as the user types it.
    static void Digita(TDBEdit* edit, const QString& texto);
    // Answers the next search dialog: `escolhe` types and searches in it;
    // its result closes the dialog.
    void AoPesquisar(std::function<TModalResult(TfrmDataSetSearch*)> escolhe);
    // Types `valor` into the open search dialog and runs the search.
    static void Pesquisa(TfrmDataSetSearch* dialogo, const QString& valor);
    // Answers the next preview with the text of its pages.
    void GuardaPaginas(QStringList& paginas);
    // The stored text of a rule message.
    static QString Mensagem(int codigo) { return TDMDefAux::BuscaMensagemErro(codigo); }
    // A taxpayer with a valid registration and CNPJ written straight to the database.
    void CriaContribuinte(int inscricao, const QString& razao, const QString& correio = QString());
    void BuildDeclaration(int sq, int inscricao);

    TForm* frame = nullptr;
};
