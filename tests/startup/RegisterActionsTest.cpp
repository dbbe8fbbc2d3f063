// The main window's actions of the registers, lookups and parameters, over a
// fresh copy of the built database: each opens its window.

#include "core/forms/DocumentWindows.h"
#include "declarations/registers/TfrmParametros.h"
#include "platform/db/TIBDatabase.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "startup/TfrmDef.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/application/AccessibilityCheck.h"
#include "tests/support/data/DataModules.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

class RegisterActionsTest : public DataModules {
protected:
    RegisterActionsTest() {
        janela = Application->CreateForm<TfrmDef>();
        janela->Show();
    }
    ~RegisterActionsTest() override {
        Application->OnModalBegin = nullptr;
        delete janela;
        Application->ProcessMessages();
    }

    TfrmDef* janela;
};

TEST_F(RegisterActionsTest, EachRegisterAndLookupActionOpensItsWindowOnce) {
    const std::pair<TAction*, const char*> acoes[] = {{janela->acContribuintes, "TfrmCadContribuintes"},
                                                      {janela->acRepresentante, "TfrmCadRepresentante"},
                                                      {janela->acContabilista, "TfrmCadContabilista"},
                                                      {janela->acUFs, "TfrmConUFs"},
                                                      {janela->acCFOPs, "TfrmConCFOPs"},
                                                      {janela->acMunicipios, "TfrmConMunicipios"},
                                                      {janela->acFundamentos, "TfrmConFundamentos"},
                                                      {janela->acFinalidades, "TfrmConFinalidades"}};
    for (const auto& [acao, classe] : acoes) {
        SCOPED_TRACE(classe);
        ASSERT_TRUE(acao->Execute());
        TfrmModDocumento* aberta = FindDocument(QString::fromLatin1(classe), -1);
        ASSERT_NE(aberta, nullptr);
        EXPECT_TRUE(aberta->Visible());
        EXPECT_EQ(aberta->FormStyle(), TFormStyle::fsMDIChild);
        // A second time brings the same window forward.
        acao->Execute();
        EXPECT_EQ(FindDocument(QString::fromLatin1(classe), -1), aberta);
    }
    EXPECT_EQ(janela->MDIChildCount(), 8);
    EXPECT_EQ(janela->RegisterWindows(), 8);
    for (int i = janela->MDIChildCount() - 1; i >= 0; --i)
        janela->MDIChildren(i)->Close();
    Application->ProcessMessages();
    EXPECT_EQ(janela->MDIChildCount(), 0);
    EXPECT_EQ(janela->RegisterWindows(), 0);
}

TEST_F(RegisterActionsTest, TheParametersActionShowsItsWindowModally) {
    QString mostrada;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        auto* parametros = dynamic_cast<TfrmParametros*>(sender);
        ASSERT_NE(parametros, nullptr);
        mostrada = parametros->Caption();
        parametros->SetModalResult(mrCancel);
    });
    ASSERT_TRUE(janela->acParametros->Execute());
    EXPECT_EQ(mostrada, QStringLiteral("Parâmetros"));
    EXPECT_EQ(janela->MDIChildCount(), 0);
}

TEST_F(RegisterActionsTest, EveryWindowOfTheMainMenuNamesItsControlsForAScreenReader) {
    QStringList faltam;
    const auto examina = [&faltam](TForm* janela) {
        for (const QString& controle : UnnamedControls(janela->Widget()))
            faltam << janela->Name() + ": " + controle;
    };
    examina(janela);
    EXPECT_EQ(RoleOf(janela->Widget()), QAccessible::Window);
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        auto* dialogo = dynamic_cast<TForm*>(sender);
        ASSERT_NE(dialogo, nullptr);
        examina(dialogo);
        EXPECT_EQ(RoleOf(dialogo->Widget()), QAccessible::Dialog) << dialogo->Name().toStdString();
        dialogo->SetModalResult(mrCancel);
    });
    for (TAction* acao :
         {janela->acContribuintes, janela->acRepresentante, janela->acContabilista, janela->acUFs,
          janela->acCFOPs, janela->acMunicipios, janela->acFundamentos, janela->acFinalidades,
          janela->acDeclaracao, janela->acGeracao, janela->acParametros, janela->acSobre})
        ASSERT_TRUE(acao->Execute()) << acao->Name().toStdString();
    ASSERT_EQ(janela->MDIChildCount(), 10);
    for (int i = 0; i < janela->MDIChildCount(); ++i)
        examina(janela->MDIChildren(i));
    EXPECT_TRUE(faltam.isEmpty()) << faltam.join('\n').toStdString();
}

} // namespace
