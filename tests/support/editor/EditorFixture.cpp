#include "tests/support/editor/EditorFixture.h"

#include "core/forms/DocumentWindows.h"
#include "core/forms/TfrmModPrincipal.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeNodes.h"
#include "platform/ui/TTreeView.h"

namespace {

class TfrmListaTeste : public TfrmModDocumento {
public:
    TfrmListaTeste(TComponent* owner, int id) : TfrmModDocumento(owner, id) {
        SetFormStyle(TFormStyle::fsMDIChild);
    }
};

} // namespace

EditorFixture::EditorFixture() {
    principal = Application->CreateForm<TfrmModPrincipal>();
    principal->Show();
    lista = ShowDocument<TfrmListaTeste>(principal, -1);
    CriaContribuinte();
}

EditorFixture::~EditorFixture() {
    delete principal;
    Application->ProcessMessages();
}

void EditorFixture::OpenEditor(int ano, int mes, const QString& flags) {
    BuildDeclaration(1, ano, mes);
    if (!flags.isEmpty())
        Executa(
            QStringLiteral("UPDATE DECLARACAO_ECONOMICO_FISCAL SET %1 WHERE SQ_DECLARACAO = 1").arg(flags));
    PosicionaDeclaracao(1);
    editor = ShowDocument<TfrmDeclaracao>(lista, 1);
    editor->tvNavegador->SetChangeDelay(0);
    Application->ProcessMessages();
    if (editor->OnActivate)
        editor->FormActivate(editor); // no window manager activated it
    editor->tvNavegador->FlushChange();
}

void EditorFixture::Aciona(TAction* action) {
    action->Execute();
    editor->tvNavegador->FlushChange();
}

void EditorFixture::Seleciona(int no) {
    editor->tvNavegador->SetSelected(editor->tvNavegador->Items().Item(no));
    editor->tvNavegador->FlushChange();
}

int EditorFixture::NoAtual() const {
    TTreeNode* node = editor->tvNavegador->Selected();
    return node ? node->SelectedIndex() : -1;
}

QString EditorFixture::Campo(const QString& nome) const {
    return def->cdsDeclaracao->FieldByName(nome)->AsString();
}
