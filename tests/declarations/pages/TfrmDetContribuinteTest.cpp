#include "tests/support/editor/EditorFixture.h"

#include "components/search/TfraDataSetSearch.h"
#include "components/search/TfrmDataSetSearch.h"
#include "declarations/pages/TfrmDetContribuinte.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TSpeedButton.h"
#include "tests/support/QStringPrinter.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

class TfrmDetContribuinteTest : public EditorFixture {
protected:
    TfrmDetContribuinteTest() {
        Executa("INSERT INTO REPRESENTANTE (SQ_REPRESENTANTE, NO_REPRESENTANTE_LEGAL, "
                "NU_DDD_REPRESENTANTE_LEGAL, "
                "NU_TEL_REPRESENTANTE_LEGAL) VALUES (1, 'Maria d''Ávila', '021', '22223333')");
        Executa("INSERT INTO CONTABILISTA (SQ_CONTABILISTA, NO_CONTABILISTA, NU_DDD_CONTABILISTA, "
                "NU_TEL_CONTABILISTA) VALUES (1, 'João Contador', '011', '33334444')");
    }
    ~TfrmDetContribuinteTest() override { Application->OnModalBegin = nullptr; }

    TfrmDetContribuinte* Pagina() {
        auto* pagina = dynamic_cast<TfrmDetContribuinte*>(editor->Page());
        EXPECT_NE(pagina, nullptr);
        return pagina;
    }
    // The search dialog, when it opens, lists everything and answers `resposta`.
    void Responde(TModalResult resposta) {
        Application->OnModalBegin = TNotifyEvent::fromFunction([resposta](TObject* sender) {
            auto* dialogo = dynamic_cast<TfrmDataSetSearch*>(sender);
            ASSERT_NE(dialogo, nullptr);
            dialogo->fdsPesquisa->edSearch->SetText(QString());
            dialogo->fdsPesquisa->acSearch->Execute();
            dialogo->SetModalResult(resposta);
        });
    }
    QString Gravado(const QString& campo) {
        return banco.Value(QStringLiteral("SELECT %1 FROM DECLARACAO_ECONOMICO_FISCAL").arg(campo))
            .toString();
    }
};

} // namespace

TEST_F(TfrmDetContribuinteTest, ShowsTheDeclaringTaxpayerWithoutLettingItBeChanged) {
    OpenEditor(2005, 6);
    TfrmDetContribuinte* pagina = Pagina();
    ASSERT_NE(pagina, nullptr);
    EXPECT_EQ(pagina->dbeRazaoSocial->Text(), "Empresa Teste");
    EXPECT_EQ(pagina->dbeCNPJ->Field()->AsString(), "11222333000181");
    EXPECT_TRUE(pagina->dbeRazaoSocial->ReadOnly());
    EXPECT_TRUE(pagina->dbeNomeRep->ReadOnly());

    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(pasta));
    ASSERT_TRUE(editor->Widget()->grab().toImage().save(pasta + "/editor-taxpayer-page.png"));
}

TEST_F(TfrmDetContribuinteTest, ChoosingARepresentativeAndAnAccountantStoresThemAtOnce) {
    OpenEditor(2005, 6);
    TfrmDetContribuinte* pagina = Pagina();
    Responde(mrOk);
    pagina->btnSelRepresentante->Click();
    EXPECT_EQ(Gravado("NO_REPRESENTANTE_LEGAL"), "Maria d'Ávila");
    EXPECT_EQ(Gravado("NU_DDD_REPRESENTANTE_LEGAL"), "021");
    EXPECT_EQ(Gravado("NU_TEL_REPRESENTANTE_LEGAL"), "22223333");
    EXPECT_EQ(pagina->dbeNomeRep->Text(), "Maria d'Ávila");

    Responde(mrOk);
    pagina->btnContabilista->Click();
    EXPECT_EQ(Gravado("NO_CONTABILISTA"), "João Contador");
    EXPECT_EQ(Gravado("NU_TEL_CONTABILISTA"), "33334444");
    EXPECT_EQ(def->cdsDeclaracao->ChangeCount(), 0);
}

TEST_F(TfrmDetContribuinteTest, ACancelledSearchChangesNothing) {
    OpenEditor(2005, 6, "NO_REPRESENTANTE_LEGAL = 'Anterior'");
    Responde(mrCancel);
    Pagina()->btnSelRepresentante->Click();
    EXPECT_EQ(Gravado("NO_REPRESENTANTE_LEGAL"), "Anterior");
    EXPECT_EQ(def->cdsDeclaracao->State(), TDataSetState::dsBrowse);
}

TEST_F(TfrmDetContribuinteTest, ATaxpayerMissingFromTheRegisterIsReportedAndLeavesTheFieldsEmpty) {
    OpenEditor(2005, 6);
    // A registration the register does not hold (data carried over from
    // elsewhere): the page prepares itself again on it.
    def->cdsDeclaracao->Edit();
    def->cdsDeclaracao->FieldByName("NU_INSCRICAO")->SetAsInteger(87654321);
    prompter.Answer(mrOk);
    Pagina()->PreparaQuadro();
    EXPECT_EQ(prompter.Last().Text, "Contribuinte não encontrado!");
    EXPECT_FALSE(def->cdsContribuintes->Active());
    EXPECT_TRUE(Pagina()->dbeRazaoSocial->Text().isEmpty());
    def->cdsDeclaracao->Cancel();
}

TEST_F(TfrmDetContribuinteTest, AChoiceTheDatabaseRefusesIsReportedAndUndone) {
    OpenEditor(2005, 6, "NO_REPRESENTANTE_LEGAL = 'Anterior'");
    Executa("CREATE EXCEPTION E_RECUSA 'recusada'");
    Executa("CREATE TRIGGER T_RECUSA FOR DECLARACAO_ECONOMICO_FISCAL BEFORE UPDATE AS BEGIN "
            "EXCEPTION E_RECUSA; END");
    Application->OnModalBegin = TNotifyEvent::fromFunction([](TObject* sender) {
        if (auto* dialogo = dynamic_cast<TfrmDataSetSearch*>(sender)) {
            dialogo->fdsPesquisa->edSearch->SetText(QString());
            dialogo->fdsPesquisa->acSearch->Execute();
            dialogo->SetModalResult(mrOk);
        } else {
            static_cast<TForm*>(sender)->SetModalResult(mrCancel); // the refusal's own window
        }
    });
    prompter.AnswerWith([](const TPromptRequest&) { return TPromptResult{mrOk, {}}; });
    Pagina()->btnSelRepresentante->Click();
    EXPECT_EQ(prompter.Last().Text, "Não foi possível gravar a escolha na declaração.");
    EXPECT_EQ(Gravado("NO_REPRESENTANTE_LEGAL"), "Anterior");
    EXPECT_EQ(def->cdsDeclaracao->ChangeCount(), 0);
    EXPECT_EQ(Campo("NO_REPRESENTANTE_LEGAL"), "Anterior") << "the page shows what is stored";
}
