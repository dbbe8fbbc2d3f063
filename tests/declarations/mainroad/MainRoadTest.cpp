// The main road walked through the program's own windows, as a person walks
// it with the keyboard and the mouse only: the taxpayer, its representative
// and its accountant registered in their register windows, a declaration
// created in the list, the taxpayer page filled, three entries and three
// exits typed on the operation pages, an occurrence chosen by its code and
// given up, the sections without movement ticked, a validation that finds
// the missing representative, the fix, a clean validation, and the
// transmission file written by the generation window for the declaration
// chosen in its grid. Every step is a click or a key; the questions the
// program asks are answered by the scripted prompter.
// The file is compared byte for byte with the one kept in the test data;
// the run happens at a fixed moment so that its stamps are always the same.
//
// The database and the file of the run stay in build/e2e (main-road.gdb,
// main-road.zeb) for a person to open.

#include "components/data/TDBComboValues.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/search/TfraDataSetSearch.h"
#include "components/search/TfrmDataSetSearch.h"
#include "declarations/editor/TfrmDeclaracao.h"
#include "declarations/list/TfrmDlgGeracao.h"
#include "declarations/list/TfrmDlgValidacao.h"
#include "declarations/list/TfrmGeracao.h"
#include "declarations/list/TfrmIncDeclaracao.h"
#include "declarations/list/TfrmSelDeclaracao.h"
#include "declarations/pages/NoMovementPage.h"
#include "declarations/pages/OccurrencePage.h"
#include "declarations/pages/OwnOperationsPage.h"
#include "declarations/pages/TfrmDetContribuinte.h"
#include "declarations/registers/TfrmCadContabilista.h"
#include "declarations/registers/TfrmCadContribuintes.h"
#include "declarations/registers/TfrmCadRepresentante.h"
#include "platform/base/SystemClock.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TDBCheckBox.h"
#include "platform/ui/TDBComboBox.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMainMenu.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/TTreeNode.h"
#include "platform/ui/TTreeNodes.h"
#include "platform/ui/TTreeView.h"
#include "startup/TfrmDef.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/buttons/ActionButtons.h"
#include "tests/support/data/DataModules.h"
#include "tests/support/input/UserInput.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace UI = UserInput;

namespace {

// The moment the whole run happens at.
const QDateTime Momento(QDate(2011, 2, 15), QTime(10, 20, 30));

struct Valores {
    const char* cfop;
    const char* contabil;
    const char* base;
    const char* imposto;
    const char* isentas;
    const char* outras;
};

class MainRoadTest : public DataModules {
protected:
    MainRoadTest() {
        SystemClock::Fix([] { return Momento; });
        janela = Application->CreateForm<TfrmDef>();
        janela->Show();
    }
    ~MainRoadTest() override {
        Application->OnModalBegin = nullptr;
        delete janela;
        Application->ProcessMessages();
        SystemClock::Fix(nullptr);
    }

    // The active document window, which must be of class T.
    template <class T> T* Ativa() {
        T* form = nullptr;
        UI::WaitFor([&] { return (form = dynamic_cast<T*>(janela->ActiveMDIChild())) != nullptr; });
        EXPECT_NE(form, nullptr) << typeid(T).name();
        return form;
    }
    // The window as it stands, in build/screenshots/input, for a person to look at.
    static void Retrata(TForm* form, const char* nome) {
        const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots/input");
        ASSERT_TRUE(QDir().mkpath(pasta));
        EXPECT_TRUE(form->Widget()->grab().toImage().save(pasta + QLatin1Char('/') + QLatin1String(nome) +
                                                          QStringLiteral(".png")));
    }
    void Menu(TMenuItem* item) { UI::ChooseMenuItem(janela->mmApp->MenuBar(), item); }
    static void Clica(TForm* form, TAction* acao) { UI::ClickButtonOf(acao, form->Widget()); }
    // The next search dialog lists everything and takes its first row.
    static void AceitaPesquisa() {
        Application->OnModalBegin = TNotifyEvent::fromFunction([](TObject* sender) {
            auto* dialogo = dynamic_cast<TfrmDataSetSearch*>(sender);
            ASSERT_NE(dialogo, nullptr);
            UI::Click(dialogo->fdsPesquisa->edSearch);
            UI::Enter();
            UI::Click(dialogo->btnOk);
        });
    }

    void Cadastra(TfrmModCadastroMidas* registro, const std::vector<std::pair<TDBEdit*, QString>>& campos) {
        Clica(registro, registro->fsnCadastro->acInsert());
        for (const auto& [edit, texto] : campos)
            UI::TypeInto(edit, texto);
        Clica(registro, registro->fsnCadastro->acPost());
        EXPECT_EQ(prompter.Count(), 0) << "every register accepts what was typed";
        Clica(registro, registro->fsnCadastro->acClose());
    }

    TfrmDeclaracao* Editor() {
        auto* editor = Ativa<TfrmDeclaracao>();
        if (editor)
            UI::WaitFor([editor] { return editor->Page() != nullptr; });
        return editor;
    }
    // Clicks the node and waits for its page to replace the one shown.
    template <class P> static P* Pagina(TfrmDeclaracao* editor, int no) {
        const bool mostrado = editor->tvNavegador->Selected() == editor->tvNavegador->Items().Item(no);
        const TfrmDetalheDEF* antes = mostrado ? nullptr : editor->Page();
        UI::ClickNode(editor->tvNavegador, no);
        P* pagina = nullptr;
        UI::WaitFor([&] { return editor->Page() != antes && (pagina = dynamic_cast<P*>(editor->Page())); });
        EXPECT_NE(pagina, nullptr) << no;
        return pagina;
    }
    void Lanca(TfrmDeclaracao* editor, int no, std::initializer_list<Valores> linhas) {
        auto* pagina = Pagina<OwnOperationsPage>(editor, no);
        ASSERT_NE(pagina, nullptr);
        for (const Valores& v : linhas) {
            Clica(editor, pagina->fraMidasNavigator1->acInsert());
            UI::ChooseFromDropDown(pagina->dbcCFOPs, QLatin1String(v.cfop));
            UI::TypeOver(pagina->dbeVlContabil, QLatin1String(v.contabil));
            UI::TypeOver(pagina->dbeVlBaseCalculo, QLatin1String(v.base));
            UI::TypeOver(pagina->dbeVlImposto, QLatin1String(v.imposto));
            UI::TypeOver(pagina->dbeVlIsentas, QLatin1String(v.isentas));
            UI::TypeOver(pagina->dbeVlOutras, QLatin1String(v.outras));
            Clica(editor, pagina->fraMidasNavigator1->acPost());
            EXPECT_EQ(pagina->DataSet()->State(), TDataSetState::dsBrowse) << v.cfop;
        }
    }
    // Validates the list's current declaration; the codes of the findings
    // the window showed (none when it showed nothing).
    QStringList Valida(TfrmSelDeclaracao* lista) {
        QStringList codigos;
        Application->OnModalBegin = TNotifyEvent::fromFunction([&codigos](TObject* sender) {
            auto* resultado = dynamic_cast<TfrmDlgValidacao*>(sender);
            ASSERT_NE(resultado, nullptr);
            TClientDataSet* achados = resultado->cdsValidacao;
            for (achados->First(); !achados->Eof(); achados->Next())
                codigos << achados->FieldByName(QStringLiteral("Icone"))->AsString() +
                               achados->FieldByName(QStringLiteral("Codigo"))->AsString();
            Clica(resultado, resultado->acSair);
        });
        Clica(lista, lista->acValidar);
        Application->OnModalBegin = nullptr;
        return codigos;
    }
    QString Gravado(const QString& campo) {
        return banco.Value(QStringLiteral("SELECT %1 FROM DECLARACAO_ECONOMICO_FISCAL").arg(campo))
            .toString();
    }

    TfrmDef* janela = nullptr;
};

QByteArray Conteudo(const QString& caminho) {
    QFile file(caminho);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(MainRoadTest, FromTheRegistersToTheTransmissionFile) {
    const QString saida = QStringLiteral(ZEB_BUILD_DIR "/e2e");
    QDir(saida).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(saida));

    // The registers.
    Menu(janela->Tabelas1->Items(0));
    auto* contribuintes = Ativa<TfrmCadContribuintes>();
    ASSERT_NE(contribuintes, nullptr);
    Cadastra(contribuintes, {{contribuintes->dbeNumInscricao, QStringLiteral("12345674")},
                             {contribuintes->dbeCNPJ_CPF, QStringLiteral("11222333000181")},
                             {contribuintes->dbeRazaoSocial, QStringLiteral("Padaria Estrela do Norte Ltda")},
                             {contribuintes->dbeEMail, QStringLiteral("fiscal@padariaestrela.com.br")},
                             {contribuintes->dbeDDDTelefone, QStringLiteral("21")},
                             {contribuintes->dbeTelefone, QStringLiteral("32221234")}});
    Menu(janela->Tabelas1->Items(1));
    auto* representantes = Ativa<TfrmCadRepresentante>();
    ASSERT_NE(representantes, nullptr);
    Cadastra(representantes, {{representantes->dbeNomeRep, QStringLiteral("Maria da Conceição Ávila")},
                              {representantes->dbeDDDRep, QStringLiteral("021")},
                              {representantes->dbeTelRep, QStringLiteral("22223333")}});
    Menu(janela->Tabelas1->Items(2));
    auto* contabilistas = Ativa<TfrmCadContabilista>();
    ASSERT_NE(contabilistas, nullptr);
    Cadastra(contabilistas, {{contabilistas->dbeNomeCont, QStringLiteral("João Batista Contador")},
                             {contabilistas->dbeDDDCont, QStringLiteral("021")},
                             {contabilistas->dbeTelCont, QStringLiteral("33334444")}});
    ASSERT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM CONTRIBUINTE")), 1);
    ASSERT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM REPRESENTANTE")), 1);
    ASSERT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM CONTABILISTA")), 1);

    // A new declaration for January 2011, opened in its editor.
    Menu(janela->Declarao1);
    auto* lista = Ativa<TfrmSelDeclaracao>();
    ASSERT_NE(lista, nullptr);
    Application->OnModalBegin = TNotifyEvent::fromFunction([](TObject* sender) {
        auto* dialogo = dynamic_cast<TfrmIncDeclaracao*>(sender);
        ASSERT_NE(dialogo, nullptr);
        UI::TypeInto(dialogo->medtInscricao, QStringLiteral("12345674"));
        Retrata(dialogo, "new-declaration-registration-typed");
        UI::TypeInto(dialogo->medtMes, QStringLiteral("01"));
        UI::TypeInto(dialogo->medtAno, QStringLiteral("2011"));
        UI::Click(dialogo->btnConfirmar);
    });
    Clica(lista, lista->acIncluir);
    Application->OnModalBegin = nullptr;
    TfrmDeclaracao* editor = Editor();
    ASSERT_NE(editor, nullptr);

    // The taxpayer page: the accountant is chosen, the representative forgotten.
    auto* contribuinte = Pagina<TfrmDetContribuinte>(editor, 0);
    ASSERT_NE(contribuinte, nullptr);
    AceitaPesquisa();
    UI::Click(contribuinte->btnContabilista);
    EXPECT_EQ(Gravado(QStringLiteral("NO_CONTABILISTA")), QStringLiteral("João Batista Contador"));

    Lanca(editor, 2,
          {{"1102", "10.000,00", "10.000,00", "1.800,00", "0,00", "0,00"},
           {"1101", "2.500,00", "2.500,00", "300,00", "0,00", "0,00"},
           {"1556", "430,55", "0,00", "0,00", "0,00", "430,55"}});
    Lanca(editor, 3,
          {{"5102", "18.000,00", "18.000,00", "3.240,00", "0,00", "0,00"},
           {"5101", "4.200,00", "4.200,00", "756,00", "0,00", "0,00"},
           {"5152", "1.000,00", "1.000,00", "180,00", "0,00", "0,00"}});
    EXPECT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM ENTRADA_DECLARADA")), 3);
    EXPECT_EQ(banco.Count(QStringLiteral("SELECT COUNT(*) FROM SAIDA_DECLARADA")), 3);

    // An occurrence is chosen by typing its code and Tab, then given up.
    auto* creditos = Pagina<OccurrencePage>(editor, 4);
    ASSERT_NE(creditos, nullptr);
    Clica(editor, creditos->fraMidasNavigator1->acInsert());
    UI::TypeInto(creditos->dbcvCFOPs, QStringLiteral("N070001"));
    UI::Tab();
    EXPECT_EQ(creditos->DataSet()->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsString(),
              QStringLiteral("121"));
    EXPECT_FALSE(creditos->dbcvCFOPs->Focused()) << "Tab moved on";
    EXPECT_EQ(prompter.Count(), 0);
    Retrata(editor, "occurrence-code-typed-and-tab");
    Clica(editor, creditos->fraMidasNavigator1->acCancel());

    // Nothing under tax substitution, other ICMS or the free-trade areas this month.
    for (const int no : {10, 19, 24}) {
        auto* secao = Pagina<NoMovementPage>(editor, no);
        ASSERT_NE(secao, nullptr);
        UI::Click(secao->dbcbAtivo);
        EXPECT_TRUE(secao->dbcbAtivo->Checked()) << no;
        if (no == 10)
            Retrata(editor, "no-movement-ticked");
    }
    Clica(editor, editor->acSair);
    ASSERT_EQ(janela->ActiveMDIChild(), lista);
    EXPECT_EQ(
        Gravado(QStringLiteral("IN_SUBST_TRIBUT_SEM_MOV || IN_OUTROS_ICMS_SEM_MOV || IN_ALC_ZFM_SEM_MOV")),
        QStringLiteral("SSS"));

    // The first validation finds the missing representative.
    const QStringList achados = Valida(lista);
    EXPECT_EQ(achados, QStringList{QStringLiteral("E200")});
    EXPECT_EQ(Gravado(QStringLiteral("COMERRO")), QStringLiteral("S"));

    // The fix, and a clean validation.
    Clica(lista, lista->acAlterar);
    editor = Editor();
    ASSERT_NE(editor, nullptr);
    contribuinte = Pagina<TfrmDetContribuinte>(editor, 0);
    ASSERT_NE(contribuinte, nullptr);
    AceitaPesquisa();
    UI::Click(contribuinte->btnSelRepresentante);
    EXPECT_EQ(Gravado(QStringLiteral("NO_REPRESENTANTE_LEGAL")), QStringLiteral("Maria da Conceição Ávila"));
    Clica(editor, editor->acSair);
    EXPECT_TRUE(banco.Value(QStringLiteral("SELECT DT_VALIDACAO FROM DECLARACAO_ECONOMICO_FISCAL")).isNull())
        << "a change undoes the validation";
    prompter.Answer(mrOk);
    EXPECT_EQ(Valida(lista), QStringList());
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Validação completa!"));
    EXPECT_EQ(Gravado(QStringLiteral("COMERRO")), QStringLiteral("N"));
    Clica(lista, lista->acSair);

    // The transmission file, for the declaration chosen in the grid.
    Menu(janela->Geracao1);
    auto* geracao = Ativa<TfrmGeracao>();
    ASSERT_NE(geracao, nullptr);
    ASSERT_EQ(def->cdsSelDeclaracao->RecordCount(), 1) << "the validated declaration is offered";
    UI::ClickRow(geracao->dbgGeracao, 0);
    EXPECT_EQ(geracao->dbgGeracao->SelectedRows().Count(), 1);
    Retrata(geracao, "generation-row-chosen");
    QString nome;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        auto* dialogo = dynamic_cast<TfrmDlgGeracao*>(sender);
        ASSERT_NE(dialogo, nullptr);
        nome = dialogo->TargetFileName();
        prompter.AnswerPath(saida);
        UI::Click(dialogo->btnSelecionar);
        prompter.Answer(mrOk);
        UI::Click(dialogo->btnConfirmar);
    });
    Clica(geracao, geracao->acGerar);
    Application->OnModalBegin = nullptr;
    EXPECT_EQ(nome, QStringLiteral("ZEB20110215102030.zeb"));
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Arquivo para transmissão gerado com sucesso!"));
    EXPECT_EQ(Gravado(QStringLiteral("DT_TRANSMISSAO")), QStringLiteral("2011-02-15"));
    const QString arquivo = QDir(saida).filePath(QStringLiteral("main-road.zeb"));
    ASSERT_TRUE(QFile::rename(QDir(saida).filePath(nome), arquivo));
    Clica(geracao, geracao->acSair);

    const QByteArray gerado = Conteudo(arquivo);
    const QByteArray esperado = Conteudo(QStringLiteral(ZEB_TEST_DATA_DIR "/transmission/main-road.zeb"));
    EXPECT_FALSE(gerado.isEmpty());
    EXPECT_EQ(gerado, esperado) << "compare " << arquivo.toStdString()
                                << " with the test data's main-road.zeb";

    // The database of the run, for a person to open.
    geral->ibDBDef->Close();
    const QString copia = QDir(saida).filePath(QStringLiteral("main-road.gdb"));
    EXPECT_TRUE(QFile::copy(banco.Path(), copia));
}
