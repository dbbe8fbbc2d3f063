// The taxpayer register: including through the window's edits, the check
// digits, the key that cannot change, deleting, searching, the apostrophe,
// and the refusal to close with an edit pending.

#include "tests/declarations/registers/RegisterWindows.h"

#include "components/navigation/TfraMidasNavigator.h"
#include "components/search/TfraDataSetSearch.h"
#include "components/search/TfrmDataSetSearch.h"
#include "declarations/registers/TfrmCadContribuintes.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TStatusPanel.h"
#include "tests/support/QStringPrinter.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPointer>

namespace {

class TaxpayerRegisterTest : public RegisterWindows {
protected:
    TaxpayerRegisterTest() : janela(Abre<TfrmCadContribuintes>()) {}

    void Inclui(const QString& inscricao, const QString& cnpj, const QString& razao) {
        Clica(janela, janela->fsnCadastro->acInsert());
        Digita(janela->dbeNumInscricao, inscricao);
        Digita(janela->dbeCNPJ_CPF, cnpj);
        Digita(janela->dbeRazaoSocial, razao);
        Digita(janela->dbeEMail, QStringLiteral("contato@padaria.kv"));
        Digita(janela->dbeDDDTelefone, QStringLiteral("21"));
        Digita(janela->dbeTelefone, QStringLiteral("32221234"));
        Clica(janela, janela->fsnCadastro->acPost());
    }
    TClientDataSet* Contribuintes() const { return def->cdsContribuintes; }
    int Gravados(int inscricao) const {
        return banco.Count(
            QStringLiteral("SELECT COUNT(*) FROM CONTRIBUINTE WHERE NU_INSCRICAO = %1").arg(inscricao));
    }

    QPointer<TfrmCadContribuintes> janela;
};

TEST_F(TaxpayerRegisterTest, OpensWithItsDataSetAndNamesItsState) {
    EXPECT_EQ(janela->Caption(), QStringLiteral("Cadastro de Contribuintes Declarantes"));
    EXPECT_EQ(janela->FormStyle(), TFormStyle::fsMDIChild);
    EXPECT_TRUE(Contribuintes()->Active());
    EXPECT_EQ(janela->sbCadastro->Panels(0)->Text(), QStringLiteral("Consultando"));
    EXPECT_EQ(janela->fsnCadastro->VisibleFeatures(), 0xFFu | NavFeature(nfSair));
}

TEST_F(TaxpayerRegisterTest, AValidTaxpayerIsStoredAtOnce) {
    Inclui(QStringLiteral("12345674"), QStringLiteral("11222333000181"), QStringLiteral("Padaria Estrela"));
    EXPECT_EQ(prompter.Count(), 0);
    EXPECT_EQ(Contribuintes()->State(), dsBrowse);
    EXPECT_EQ(Contribuintes()->ChangeCount(), 0);
    EXPECT_EQ(Gravados(12345674), 1);
    EXPECT_EQ(banco.Value(QStringLiteral("SELECT NO_CORREIO_ELETRONICO FROM CONTRIBUINTE")).toString(),
              QStringLiteral("contato@padaria.kv"));
}

TEST_F(TaxpayerRegisterTest, AWrongRegistrationOrCnpjIsRefusedWithItsMessageAndNeverStored) {
    prompter.Answer(mrOk);
    Inclui(QStringLiteral("12345675"), QStringLiteral("11222333000181"), QStringLiteral("Padaria"));
    EXPECT_EQ(prompter.Last().Text, Mensagem(12));
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
    EXPECT_EQ(Contribuintes()->State(), dsInsert);
    EXPECT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM CONTRIBUINTE")), 0);
    Clica(janela, janela->fsnCadastro->acCancel());

    prompter.Answer(mrOk);
    Inclui(QStringLiteral("12345674"), QStringLiteral("11222333000182"), QStringLiteral("Padaria"));
    EXPECT_EQ(prompter.Last().Text, Mensagem(231));
    EXPECT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM CONTRIBUINTE")), 0);
    Clica(janela, janela->fsnCadastro->acCancel());
}

TEST_F(TaxpayerRegisterTest, TheRegistrationIsTypedOnInsertButNotChangedLater) {
    CriaContribuinte(12345674, QStringLiteral("Padaria"));
    Contribuintes()->Close();
    Contribuintes()->Open();
    Clica(janela, janela->fsnCadastro->acEdit());
    EXPECT_FALSE(janela->dbeNumInscricao->Enabled());
    EXPECT_EQ(janela->dbeNumInscricao->Color(), clInfoBk);
    EXPECT_EQ(janela->sbCadastro->Panels(0)->Text(), QStringLiteral("Alterando"));
    Clica(janela, janela->fsnCadastro->acCancel());
    EXPECT_TRUE(janela->dbeNumInscricao->Enabled());
    EXPECT_EQ(janela->dbeNumInscricao->Color(), clWindow);
    Clica(janela, janela->fsnCadastro->acInsert());
    EXPECT_TRUE(janela->dbeNumInscricao->Enabled());
    EXPECT_EQ(janela->sbCadastro->Panels(0)->Text(), QStringLiteral("Incluindo"));
    Clica(janela, janela->fsnCadastro->acCancel());
}

TEST_F(TaxpayerRegisterTest, ATaxpayerWithDeclarationsCannotBeDeleted) {
    CriaContribuinte(12345674, QStringLiteral("Padaria"));
    CriaContribuinte(87654320, QStringLiteral("Mercado"));
    BuildDeclaration(1, 12345674);
    Contribuintes()->Close();
    Contribuintes()->Open();
    ASSERT_TRUE(Contribuintes()->Locate(QStringLiteral("NU_INSCRICAO"), 12345674));
    prompter.Answer(mrYes).Answer(mrOk);
    Clica(janela, janela->fsnCadastro->acDelete());
    EXPECT_EQ(prompter.Requests().at(0).Text, QStringLiteral("Excluir registro corrente?"));
    EXPECT_EQ(prompter.Last().Text,
              QStringLiteral("Este Contribuinte não pode ser apagado porque possui alguma Declaração!"));
    EXPECT_EQ(Gravados(12345674), 1);

    ASSERT_TRUE(Contribuintes()->Locate(QStringLiteral("NU_INSCRICAO"), 87654320));
    prompter.Answer(mrYes);
    Clica(janela, janela->fsnCadastro->acDelete());
    EXPECT_EQ(Gravados(87654320), 0);
    EXPECT_EQ(Contribuintes()->RecordCount(), 1);
}

TEST_F(TaxpayerRegisterTest, SearchFindsByRegistrationOrNameAndPlacesTheRegister) {
    CriaContribuinte(12345674, QStringLiteral("Padaria Estrela"));
    CriaContribuinte(87654320, QStringLiteral("Mercado Central"));
    CriaContribuinte(22222228, QStringLiteral("Oficina D'Ávila"));
    Contribuintes()->Close();
    Contribuintes()->Open();
    AoPesquisar([&](TfrmDataSetSearch* dialogo) {
        EXPECT_EQ(dialogo->Caption(), QStringLiteral("Pesquisa"));
        Pesquisa(dialogo, QStringLiteral("80000000"));
        return mrOk;
    });
    Clica(janela, janela->fsnCadastro->acSearch());
    EXPECT_EQ(Contribuintes()->FieldByName(QStringLiteral("NO_RAZAO"))->AsString(),
              QStringLiteral("Mercado Central"));
    AoPesquisar([&](TfrmDataSetSearch* dialogo) {
        dialogo->fdsPesquisa->SetSearchField(QStringLiteral("NO_RAZAO"));
        Pesquisa(dialogo, QStringLiteral("oficina d'"));
        return mrOk;
    });
    Clica(janela, janela->fsnCadastro->acSearch());
    EXPECT_EQ(Contribuintes()->FieldByName(QStringLiteral("NU_INSCRICAO"))->AsInteger(), 22222228);
    // Cancelled: the register stays where it was.
    AoPesquisar([&](TfrmDataSetSearch*) { return mrCancel; });
    Clica(janela, janela->fsnCadastro->acSearch());
    EXPECT_EQ(Contribuintes()->FieldByName(QStringLiteral("NU_INSCRICAO"))->AsInteger(), 22222228);
}

TEST_F(TaxpayerRegisterTest, TheApostropheNeverEntersTypedOrPasted) {
    QChar tecla = QLatin1Char('\'');
    janela->OnKeyPress(janela, tecla);
    EXPECT_TRUE(tecla.isNull());
    QChar letra = QLatin1Char('a');
    janela->OnKeyPress(janela, letra);
    EXPECT_EQ(letra, QLatin1Char('a'));
    // Pasted text goes through the same rule.
    Clica(janela, janela->fsnCadastro->acInsert());
    Digita(janela->dbeRazaoSocial, QStringLiteral("Bar D'Ávila'"));
    EXPECT_EQ(janela->dbeRazaoSocial->Text(), QStringLiteral("Bar DÁvila"));
    Digita(janela->dbeNumInscricao, QStringLiteral("12345674"));
    Digita(janela->dbeCNPJ_CPF, QStringLiteral("11222333000181"));
    Clica(janela, janela->fsnCadastro->acPost());
    EXPECT_EQ(banco.Value(QStringLiteral("SELECT NO_RAZAO FROM CONTRIBUINTE")).toString(),
              QStringLiteral("Bar DÁvila"));
}

TEST_F(TaxpayerRegisterTest, APendingEditKeepsTheWindowOpen) {
    Clica(janela, janela->fsnCadastro->acInsert());
    prompter.Answer(mrOk);
    QCloseEvent fechar;
    QCoreApplication::sendEvent(janela->MdiSubWindow(), &fechar);
    Application->ProcessMessages();
    ASSERT_TRUE(janela);
    EXPECT_EQ(prompter.Last().Text,
              QStringLiteral("Inclusão ou Alteração em andamento. Confirme ou cancele."));
    EXPECT_EQ(Contribuintes()->State(), dsInsert);
    Clica(janela, janela->fsnCadastro->acCancel());
    janela->Close();
    Application->ProcessMessages();
    EXPECT_FALSE(janela);
    EXPECT_FALSE(Contribuintes()->Active());
}

} // namespace
