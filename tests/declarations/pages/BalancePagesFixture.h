#pragma once
// The editor over a declaration of January 2011 for the pages of the
// interstate operations, the free-trade areas, the export credit balance and
// the summaries: reaching a page by its node, running navigator actions as
// their buttons do, fixture rows, and a picture of the editor.

#include "tests/support/database/DeclarationFixture.h"
#include "tests/support/editor/EditorFixture.h"

#include <memory>

class TAction;
class TWinControl;

class BalancePages : public EditorFixture {
protected:
    static constexpr int Ano = 2011;
    static constexpr int Mes = 1;

    BalancePages();
    ~BalancePages() override;

    // Opens the editor on declaration 1, its row first set with `valores`
    // ("VL_SALDO_ANTERIOR = 10" ...).
    void Abre(const QString& valores = QString());
    // Opens it with rows in every detail table (DeclarationFixture::FillSmall).
    void AbreComLinhas(const QString& valores = QString());
    DeclarationFixture& Linhas() { return *m_linhas; }

    template <class P> P* Pagina(int no) {
        Seleciona(no);
        auto* pagina = dynamic_cast<P*>(editor->Page());
        EXPECT_NE(pagina, nullptr) << no;
        return pagina;
    }
    // Clicks the navigator's button of the action.
    void Clica(TAction* acao);
    // Runs `post`, expecting one error box: its text, and the focused control's name.
    std::pair<QString, QString> Recusa(TAction* post);
    // The name of the control that has the focus ("" when none).
    static QString Focado();
    // Saves the editor as build/screenshots/pages/<no>-<nome>.png.
    void Foto(int no, const char* nome);

private:
    std::unique_ptr<DeclarationFixture> m_linhas;
};
