#pragma once
// The editor opened on a declaration, with the means to drive an occurrence
// page as a user would: open it from its node, click the navigator, type or
// paste into its controls, and expect a post refused with its message, the
// focus on the control to correct and the row still in edit.

#include "declarations/pages/OccurrencePage.h"
#include "tests/support/database/DeclarationFixture.h"
#include "tests/support/editor/EditorFixture.h"

#include <gtest/gtest.h>

class TAction;
class TWinControl;

class OccurrencePageTesting : public EditorFixture {
protected:
    ~OccurrencePageTesting() override;

    // The page of node `no`, null when it is of another class.
    template <class P> P* Abre(int no) {
        Seleciona(no);
        return dynamic_cast<P*>(editor->Page());
    }
    // Clicks the navigator's button of the action.
    void Clica(TAction* acao);
    // Text arriving in a control with the focus, as typing or pasting brings it.
    static void Digita(TWinControl* controle, const QString& texto);
    // A code typed (or pasted) into the page's ground chooser.
    static void Escolhe(OccurrencePage* pagina, const QString& codigo);
    // Posts expecting the error box `texto`, the focus on `foco` and the row
    // still in `estado`.
    testing::AssertionResult Recusado(OccurrencePage* pagina, const QString& texto, TWinControl* foco,
                                      TDataSetState estado = dsInsert);
    // The control with the focus in the page's window.
    static TWinControl* Focado(OccurrencePage* pagina);
    // Saves a picture of the editor under build/screenshots/pages/.
    void Retrata(const QString& nome);
};
