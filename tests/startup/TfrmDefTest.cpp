#include "startup/TfrmDef.h"
#include "core/data/DataVersion.h"
#include "core/forms/DocumentWindows.h"
#include "core/util/SystemIdentity.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TStatusPanel.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

// Stand-ins carrying the names of the program's document windows.
namespace fake {

class Documento : public TfrmModDocumento {
public:
    Documento(TComponent* owner, int id) : TfrmModDocumento(owner, id) {
        SetFormStyle(TFormStyle::fsMDIChild);
    }
};
class TfrmSelDeclaracao : public Documento {
    using Documento::Documento;
};
class TfrmDeclaracao : public Documento {
    using Documento::Documento;
};
class TfrmGeracao : public Documento {
    using Documento::Documento;
};
class TfrmCadContribuintes : public Documento {
    using Documento::Documento;
};
class TfrmConUFs : public Documento {
    using Documento::Documento;
};

} // namespace fake

namespace {

class TfrmDefTest : public ::testing::Test {
protected:
    TfrmDefTest() {
        janela = Application->CreateForm<TfrmDef>();
        janela->Show();
        // As when the windows behind these menus are part of the program.
        for (TMenuItem* item :
             {janela->Tabelas1, janela->mniFerramentas, janela->Geracao1, janela->Declarao1})
            item->SetEnabled(true);
    }
    ~TfrmDefTest() override { delete janela; }

    // Enabled state of Arquivos, Ferramentas, Geração and Declaração, as "AFGD" with '-' for disabled.
    QString Menus() const {
        QString estado;
        estado += janela->Tabelas1->Enabled() ? QLatin1Char('A') : QLatin1Char('-');
        estado += janela->mniFerramentas->Enabled() ? QLatin1Char('F') : QLatin1Char('-');
        estado += janela->Geracao1->Enabled() ? QLatin1Char('G') : QLatin1Char('-');
        estado += janela->Declarao1->Enabled() ? QLatin1Char('D') : QLatin1Char('-');
        return estado;
    }
    template <class T> T* Abre(int id = -1) { return ShowDocument<T>(janela, id); }
    void Fecha(TForm* form) {
        form->Close();
        Application->ProcessMessages();
    }

    ScriptedPrompter prompter;
    TfrmDef* janela;
};

} // namespace

TEST_F(TfrmDefTest, CaptionStatusAndLabelsNameTheProgramAndItsVersion) {
    EXPECT_EQ(frmDef, janela);
    EXPECT_EQ(janela->Caption(),
              QStringLiteral("ZEB-ICMS - ") + ProductLongName + QStringLiteral(" (Versão 0.3.3.4)"));
    EXPECT_EQ(janela->VersaoSistema(), VersaoSistema());
    EXPECT_EQ(janela->sbApp->Panels(0)->Text(), QStringLiteral("0.3.3.4 ZEB"));
    EXPECT_EQ(janela->lblSigla->Caption(), QStringLiteral("ZEB"));
    EXPECT_EQ(janela->lblSistema->Caption(), ProductLongName);
    EXPECT_EQ(janela->Color(), QColor(4, 54, 143));
    ASSERT_NE(janela->AuthorityNameLabel(), nullptr);
    EXPECT_EQ(janela->AuthorityNameLabel()->Caption(), AuthorityDisplayName());
}

TEST_F(TfrmDefTest, MenuBarOrderAndTheArquivosItems) {
    TMenuItem* barra = janela->mmApp->Items();
    QStringList visiveis;
    for (int i = 0; i < barra->Count(); ++i)
        if (barra->Items(i)->Visible())
            visiveis << barra->Items(i)->Caption();
    EXPECT_EQ(visiveis, (QStringList{QStringLiteral("Ar&quivos"), QStringLiteral("&Declaração"),
                                     QStringLiteral("&Geração"), QStringLiteral("&Ferramentas"),
                                     QStringLiteral("&Sair"), QStringLiteral("&Ajuda")}));
    QStringList arquivos;
    for (int i = 0; i < janela->Tabelas1->Count(); ++i)
        arquivos << janela->Tabelas1->Items(i)->Caption();
    EXPECT_EQ(arquivos, (QStringList{QStringLiteral("&Contribuintes"), QStringLiteral("&Representante Legal"),
                                     QStringLiteral("Con&tabilista"), QStringLiteral("CF&OPs"),
                                     QStringLiteral("&Ocorrências"), QStringLiteral("&Finalidades de SCE"),
                                     QStringLiteral("&Municípios da ALC e ZFM"), QStringLiteral("&UFs")}));
    EXPECT_FALSE(janela->mniPrincipal->Visible());
    // Every action is enabled: declarations, generation, registers, lookups,
    // parameters and the maintenance tools.
    for (TAction* acao :
         {janela->acDeclaracao, janela->acGeracao, janela->acContribuintes, janela->acRepresentante,
          janela->acContabilista, janela->acUFs, janela->acCFOPs, janela->acMunicipios, janela->acFundamentos,
          janela->acFinalidades, janela->acParametros, janela->acGerarBkp, janela->acRestaurarBkp,
          janela->acRepararDatabase})
        EXPECT_TRUE(acao->Enabled()) << acao->Name().toStdString();
    EXPECT_TRUE(janela->acSair->Enabled());
    EXPECT_TRUE(janela->acSobre->Enabled());
}

TEST_F(TfrmDefTest, TheDeclarationListGreysArquivosFerramentasAndGeracao) {
    auto* lista = Abre<fake::TfrmSelDeclaracao>();
    EXPECT_EQ(Menus(), QStringLiteral("---D"));
    EXPECT_EQ(janela->DeclarationWindows(), 1);
    auto* declaracao = Abre<fake::TfrmDeclaracao>(1);
    EXPECT_EQ(Menus(), QStringLiteral("----"));
    Fecha(declaracao);
    EXPECT_EQ(Menus(), QStringLiteral("---D"));
    Fecha(lista);
    EXPECT_EQ(Menus(), QStringLiteral("AFGD"));
    EXPECT_EQ(janela->DeclarationWindows(), 0);
    EXPECT_EQ(janela->ListOrDeclarationWindows(), 0);
}

TEST_F(TfrmDefTest, RegisterWindowsGreyGeracaoAndDeclaracaoUntilTheLastCloses) {
    auto* contribuintes = Abre<fake::TfrmCadContribuintes>();
    EXPECT_EQ(Menus(), QStringLiteral("AF--"));
    auto* ufs = Abre<fake::TfrmConUFs>();
    Fecha(contribuintes);
    EXPECT_EQ(Menus(), QStringLiteral("AF--"));
    EXPECT_EQ(janela->RegisterWindows(), 1);
    Fecha(ufs);
    EXPECT_EQ(Menus(), QStringLiteral("AFGD"));
}

TEST_F(TfrmDefTest, TheGenerationWindowGreysDeclaracaoAndArquivos) {
    auto* geracao = Abre<fake::TfrmGeracao>();
    EXPECT_EQ(Menus(), QStringLiteral("--G-"));
    Fecha(geracao);
    EXPECT_EQ(Menus(), QStringLiteral("AFGD"));
}

TEST_F(TfrmDefTest, AfterAnUpdateTheWindowSaysSoOnceAndTheRunEnds) {
    DataUpdated = true;
    prompter.Answer(mrOk);
    janela->MostraDadosAtualizados();
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Informa"));
    EXPECT_TRUE(prompter.Last().SystemModal);
    EXPECT_EQ(prompter.Last().Text,
              QStringLiteral("Os dados foram atualizados com sucesso para a versão do sistema \"0.3.3.4\"."));
    EXPECT_FALSE(DataUpdated);
    EXPECT_TRUE(Application->Terminated());
    janela->MostraDadosAtualizados();
    EXPECT_EQ(prompter.Count(), 1);
}
