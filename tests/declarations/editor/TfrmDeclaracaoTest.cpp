#include "tests/support/editor/EditorFixture.h"

#include "core/forms/TfrmModPrincipal.h"
#include "declarations/pages/NoMovementPage.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeNodes.h"
#include "platform/ui/TTreeView.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/application/AccessibilityCheck.h"
#include "tests/support/input/UserInput.h"

#include <QAccessibleInterface>
#include <QDir>
#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

class TfrmDeclaracaoTest : public EditorFixture {
protected:
    // The nodes Avançar visits from node 0 until it stops.
    std::vector<int> Percurso() {
        std::vector<int> visitados{NoAtual()};
        while (editor->acAvancar->Enabled() && visitados.size() < 60) {
            Aciona(editor->acAvancar);
            visitados.push_back(NoAtual());
        }
        return visitados;
    }
    static std::vector<int> Intervalo(std::initializer_list<std::pair<int, int>> trechos) {
        std::vector<int> nos;
        for (auto [de, ate] : trechos)
            for (int no = de; no <= ate; ++no)
                nos.push_back(no);
        return nos;
    }
    // The texts of the message boxes the steps show (one is expected).
    std::vector<QString> MensagensDe(const std::function<void()>& passos) {
        const int antes = prompter.Count();
        prompter.Answer(mrOk);
        passos();
        std::vector<QString> textos;
        for (int i = antes; i < prompter.Count(); ++i)
            textos.push_back(prompter.Requests()[static_cast<std::size_t>(i)].Text);
        return textos;
    }
};

} // namespace

TEST_F(TfrmDeclaracaoTest, TheTreeHoldsTheThirtyNinePagesInTheirPlaces) {
    OpenEditor(2005, 6);
    TTreeNodes& nos = editor->tvNavegador->Items();
    ASSERT_EQ(nos.Count(), 39);
    for (int i = 0; i < nos.Count(); ++i)
        EXPECT_EQ(nos.Item(i)->SelectedIndex(), i);
    EXPECT_EQ(nos.Item(10)->Text(), "Subst. Tributária Interna");
    EXPECT_EQ(nos.Item(10)->Level(), 0);
    EXPECT_EQ(nos.Item(31)->Text(), "Apuração dos Saldos");
    EXPECT_EQ(nos.Item(31)->Level(), 2);
    EXPECT_EQ(nos.Item(31)->Parent(), nos.Item(27));
    EXPECT_EQ(nos.Item(33)->Parent(), nos.Item(32));
    EXPECT_EQ(nos.Item(38)->Text(), "Outros");

    EXPECT_EQ(NoAtual(), 0) << "the first activation selects the taxpayer node";
    EXPECT_FALSE(editor->acVoltar->Enabled());
    EXPECT_TRUE(editor->acAvancar->Enabled());
    EXPECT_EQ(editor->lblPeriodo->Caption(), "Período  : 06/2005");
    EXPECT_TRUE(editor->Caption().startsWith("Declaração   (  Contribuinte: 12.345.674 - Empresa Teste  )"))
        << editor->Caption().toStdString();
    EXPECT_FALSE(lista->Enabled()) << "the list waits while the editor is open";
}

TEST_F(TfrmDeclaracaoTest, EachNodeShowsItsPageAndItsPlaceInTheTitle) {
    OpenEditor(2005, 6);
    Seleciona(1);
    ASSERT_NE(editor->Page(), nullptr);
    EXPECT_EQ(editor->Page()->Name(), "frmDetOpProprias");
    EXPECT_EQ(editor->pnlDescricao->Caption(), "   Operações Próprias");
    Seleciona(10);
    EXPECT_EQ(editor->Page()->Name(), "frmDetSubTribInterna");
    Seleciona(19);
    EXPECT_EQ(editor->Page()->Name(), "frmDetNoOutICMS");
    Seleciona(24);
    EXPECT_EQ(editor->Page()->Name(), "frmDetNoZFM");

    Seleciona(28);
    EXPECT_EQ(editor->pnlDescricao->Caption(),
              "   Saldo Credor Exportação -  ...  -  Compensações do Próprio");
    Seleciona(36);
    EXPECT_EQ(editor->pnlDescricao->Caption(), "   Resumos - Substituição Tributária Interna");
}

TEST_F(TfrmDeclaracaoTest, EveryNodeOpensAPageOfItsOwnWhoseControlsAScreenReaderCanName) {
    OpenEditor(2005, 6);
    QStringList nomes;
    QStringList semNome;
    QStringList titulos;
    for (int no = 0; no <= TfrmDeclaracao::LastNode; ++no) {
        Seleciona(no);
        ASSERT_EQ(NoAtual(), no);
        ASSERT_NE(editor->Page(), nullptr) << no;
        EXPECT_FALSE(nomes.contains(editor->Page()->Name())) << no;
        nomes << editor->Page()->Name();
        for (const QString& controle : UnnamedControls(editor->Widget()))
            semNome << editor->Page()->Name() + ": " + controle;
        // A help text read as the title of a page shown before is misnamed.
        QWidget* ajuda = editor->Page()->Widget()->findChild<QWidget*>(QStringLiteral("Memo1"));
        if (ajuda && titulos.contains(QAccessible::queryAccessibleInterface(ajuda)->text(QAccessible::Name)))
            semNome << editor->Page()->Name() + ": Memo1 read as " + ajuda->accessibleName();
        titulos << editor->pnlDescricao->Caption().trimmed();
    }
    EXPECT_TRUE(semNome.isEmpty()) << semNome.size() << " without a name:\n"
                                   << semNome.join('\n').toStdString();
}

TEST_F(TfrmDeclaracaoTest, AvancarWalksTheWholeTreeOfAPeriodWithEverySection) {
    OpenEditor(2005, 6);
    EXPECT_EQ(Percurso(), Intervalo({{0, 38}}));
    EXPECT_FALSE(editor->acAvancar->Enabled());
    EXPECT_TRUE(editor->acVoltar->Enabled());
}

TEST_F(TfrmDeclaracaoTest, AvancarStepsOverTheSectionsA2001DeclarationDoesNotHave) {
    OpenEditor(2001, 6);
    EXPECT_EQ(Percurso(), Intervalo({{0, 19}, {21, 21}, {24, 24}, {26, 26}, {34, 38}}));
}

TEST_F(TfrmDeclaracaoTest, TheExportBalancesBeginInApril2002ForAvancarAndForAClickAlike) {
    for (int mes : {1, 2, 3}) {
        OpenEditor(2002, mes);
        EXPECT_EQ(Percurso(), Intervalo({{0, 26}, {34, 38}})) << "month " << mes;
        const auto mensagens = MensagensDe([&] { editor->tvNavegador->Items().Item(26)->Expand(false); });
        EXPECT_EQ(mensagens, std::vector{Mensagem(289)});
        EXPECT_FALSE(editor->tvNavegador->Items().Item(26)->Expanded());
        editor->Close();
        Application->ProcessMessages();
        Executa(QStringLiteral("DELETE FROM DECLARACAO_ECONOMICO_FISCAL"));
    }
    OpenEditor(2002, 4);
    EXPECT_EQ(Percurso(), Intervalo({{0, 38}}));
}

TEST_F(TfrmDeclaracaoTest, SectionsWithoutMovementAreSkippedAndRefuseToOpen) {
    OpenEditor(2005, 6,
               "IN_OPER_PROP_SEM_MOV = 'S', IN_SUBST_TRIBUT_SEM_MOV = 'S', "
               "IN_OUTROS_ICMS_SEM_MOV = 'S', IN_ALC_ZFM_SEM_MOV = 'S'");
    EXPECT_EQ(Percurso(), Intervalo({{0, 1}, {10, 10}, {19, 19}, {21, 24}, {26, 38}}));
    struct Caso {
        int no, mensagem;
    };
    for (const Caso caso : {Caso{1, 242}, Caso{10, 244}, Caso{19, 246}, Caso{24, 248}}) {
        TTreeNode* node = editor->tvNavegador->Items().Item(caso.no);
        EXPECT_EQ(MensagensDe([&] { node->Expand(false); }), std::vector{Mensagem(caso.mensagem)}) << caso.no;
        EXPECT_FALSE(node->Expanded());
    }
}

TEST_F(TfrmDeclaracaoTest, A2001DeclarationRefusesItsMissingSectionsWithTheirMessages) {
    OpenEditor(2001, 6);
    for (auto [no, mensagem] :
         {std::pair{19, 286}, std::pair{21, 288}, std::pair{24, 287}, std::pair{26, 289}}) {
        TTreeNode* node = editor->tvNavegador->Items().Item(no);
        node->Collapse(false);
        EXPECT_EQ(MensagensDe([&] { node->Expand(false); }), std::vector{Mensagem(mensagem)}) << no;
    }
}

TEST_F(TfrmDeclaracaoTest, VoltarRetracesTheStepsOfAvancar) {
    OpenEditor(2001, 6);
    const std::vector<int> ida = Percurso();
    std::vector<int> volta{NoAtual()};
    while (editor->acVoltar->Enabled() && volta.size() < 60) {
        Aciona(editor->acVoltar);
        volta.push_back(NoAtual());
    }
    EXPECT_EQ(std::vector<int>(volta.rbegin(), volta.rend()), ida);
}

TEST_F(TfrmDeclaracaoTest, ClosingWithoutAChangeKeepsTheValidationMarks) {
    Executa(QStringLiteral("DELETE FROM DECLARACAO_ECONOMICO_FISCAL"));
    OpenEditor(2005, 6, "DT_VALIDACAO = '2005-07-01', COMERRO = 'N', DT_TRANSMISSAO = '2005-07-02'");
    Aciona(editor->acAvancar);
    Aciona(editor->acAvancar);
    editor->Close();
    Application->ProcessMessages();
    EXPECT_EQ(banco.Value("SELECT COMERRO FROM DECLARACAO_ECONOMICO_FISCAL").toString(), "N");
    EXPECT_TRUE(banco.Value("SELECT DT_VALIDACAO FROM DECLARACAO_ECONOMICO_FISCAL").isValid());
    EXPECT_TRUE(banco.Value("SELECT DT_TRANSMISSAO FROM DECLARACAO_ECONOMICO_FISCAL").isValid());
    EXPECT_TRUE(lista->Enabled());
    EXPECT_FALSE(def->cdsDeclaracao->Active());
}

TEST_F(TfrmDeclaracaoTest, ClosingAfterAnAppliedChangeClearsTheValidationMarks) {
    OpenEditor(2005, 6, "DT_VALIDACAO = '2005-07-01', COMERRO = 'N', DT_TRANSMISSAO = '2005-07-02'");
    Seleciona(1);
    def->cdsDeclaracao->Edit();
    def->cdsDeclaracao->FieldByName("TX_OBSERVACAO")->SetAsString("Nova observação");
    Seleciona(2); // leaving the node page saves it
    EXPECT_EQ(banco.Value("SELECT TX_OBSERVACAO FROM DECLARACAO_ECONOMICO_FISCAL").toString(),
              "Nova observação");
    editor->Close();
    Application->ProcessMessages();
    EXPECT_FALSE(banco.Value("SELECT DT_VALIDACAO FROM DECLARACAO_ECONOMICO_FISCAL").isValid());
    EXPECT_FALSE(banco.Value("SELECT DT_TRANSMISSAO FROM DECLARACAO_ECONOMICO_FISCAL").isValid());
    EXPECT_FALSE(banco.Value("SELECT COMERRO FROM DECLARACAO_ECONOMICO_FISCAL").isValid());
}

TEST_F(TfrmDeclaracaoTest, AWriteTheDatabaseRefusesIsReportedAndTheDeclarationStaysAsStored) {
    // The database refuses to drop the validation marks, and any row
    // observed as "Recusada".
    Executa(QStringLiteral("CREATE EXCEPTION E_RECUSA 'recusada'"));
    Executa(QStringLiteral("CREATE TRIGGER T_RECUSA FOR DECLARACAO_ECONOMICO_FISCAL BEFORE UPDATE AS BEGIN "
                           "IF ((NEW.DT_VALIDACAO IS NULL AND OLD.DT_VALIDACAO IS NOT NULL) OR "
                           "NEW.TX_OBSERVACAO = 'Recusada') THEN EXCEPTION E_RECUSA; END"));
    struct Caso {
        const char* observacao;
        bool salvaAntes; // saved by leaving its page, so the close drops the marks
        const char* mensagem;
        const char* guardada; // what the database keeps
    };
    const Caso casos[] = {
        {"Nova observação", true, "Erro no fechamento de tabela!", "Nova observação"},
        {"Recusada", false, "Não foi possível gravar a declaração.", ""},
    };
    // The reconcile dialog shows each refusal and is answered with Cancel.
    int reconciliacoes = 0;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        ++reconciliacoes;
        static_cast<TForm*>(sender)->SetModalResult(mrCancel);
    });
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.mensagem);
        Executa(QStringLiteral("DELETE FROM DECLARACAO_ECONOMICO_FISCAL"));
        OpenEditor(2005, 6, "DT_VALIDACAO = '2005-07-01', COMERRO = 'N', DT_TRANSMISSAO = '2005-07-02'");
        Seleciona(1);
        def->cdsDeclaracao->Edit();
        def->cdsDeclaracao->FieldByName("TX_OBSERVACAO")->SetAsString(caso.observacao);
        if (caso.salvaAntes)
            Seleciona(2);
        const std::vector<QString> mensagens = MensagensDe([this] {
            editor->Close();
            Application->ProcessMessages();
        });
        EXPECT_EQ(mensagens, std::vector<QString>{caso.mensagem});
        EXPECT_EQ(
            banco.Value("SELECT COALESCE(TX_OBSERVACAO, '') FROM DECLARACAO_ECONOMICO_FISCAL").toString(),
            caso.guardada);
        EXPECT_EQ(banco.Value("SELECT COMERRO FROM DECLARACAO_ECONOMICO_FISCAL").toString(), "N");
        EXPECT_TRUE(banco.Value("SELECT DT_TRANSMISSAO FROM DECLARACAO_ECONOMICO_FISCAL").isValid());
        EXPECT_TRUE(lista->Enabled());
        EXPECT_FALSE(def->cdsDeclaracao->Active());
    }
    Application->OnModalBegin = TNotifyEvent();
    EXPECT_EQ(reconciliacoes, 2);
}

TEST_F(TfrmDeclaracaoTest, AnExponentCannotBeTypedIntoAMoneyField) {
    OpenEditor(2005, 6);
    Seleciona(1);
    auto* pagina = static_cast<NoMovementPage*>(editor->Page());
    UserInput::TypeOver(pagina->dbeSaldoAnterior, QStringLiteral("1e2E3"));
    EXPECT_EQ(pagina->dbeSaldoAnterior->Text(), QStringLiteral("123")) << "neither e nor E is typed";
    def->cdsDeclaracao->Cancel();
}

TEST_F(TfrmDeclaracaoTest, TabGoesRoundThePageAndTheButtonsButNotTheTree) {
    OpenEditor(2005, 6);
    Seleciona(1);
    UserInput::Click(static_cast<NoMovementPage*>(editor->Page())->dbeSaldoAnterior);
    std::set<QWidget*> visitados;
    for (int i = 0; i < 30; ++i) {
        UserInput::Tab();
        visitados.insert(UserInput::Focused());
    }
    EXPECT_TRUE(visitados.count(editor->btnAvancar->Widget()));
    EXPECT_FALSE(visitados.count(editor->tvNavegador->Widget()));
}

TEST_F(TfrmDeclaracaoTest, TheEditorRendersWithTheTaxpayerNodeAndAPage) {
    OpenEditor(2005, 6);
    Seleciona(1);
    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(pasta));
    editor->Widget()->resize(editor->Width(), editor->Height());
    const QImage imagem = editor->Widget()->grab().toImage();
    ASSERT_TRUE(imagem.save(pasta + "/editor-own-operations.png"));
    // The document window's title, with the taxpayer, as the main window shows it.
    principal->Widget()->resize(1000, 700);
    Application->ProcessMessages();
    ASSERT_TRUE(principal->Widget()->grab().save(pasta + "/editor-caption.png"));
}
