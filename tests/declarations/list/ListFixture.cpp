#include "tests/declarations/list/ListFixture.h"

#include "core/forms/DocumentWindows.h"
#include "core/forms/TfrmModPrincipal.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBDatabase.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"

ListFixture::ListFixture() {
    principal = Application->CreateForm<TfrmModPrincipal>();
    principal->Show();
    fixture = std::make_unique<DeclarationFixture>(*geral->ibDBDef);
}

ListFixture::~ListFixture() {
    Application->OnModalBegin = nullptr;
    delete principal;
    Application->ProcessMessages();
    fixture.reset();
}

void ListFixture::AbreLista() {
    lista = ShowDocument<TfrmSelDeclaracao>(principal, -1);
    Application->ProcessMessages();
}

void ListFixture::Posiciona(int sq) {
    def->cdsSelDeclaracao->Refresh();
    ASSERT_TRUE(def->cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), sq));
}

void ListFixture::Aciona(TAction* action) {
    action->Execute();
    Application->ProcessMessages();
}
