#include "tests/declarations/list/ListFixture.h"

#include "core/forms/TfrmModPrincipal.h"
#include "declarations/editor/TfrmDeclaracao.h"
#include "declarations/list/TfrmDlgFiltraDeclaracao.h"
#include "declarations/list/TfrmDlgValidacao.h"
#include "declarations/list/TfrmIncDeclaracao.h"
#include "declarations/reports/TfrmDlgEspelhoZeb.h"
#include "platform/base/SystemClock.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TComboBox.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMaskEdit.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/application/AccessibilityCheck.h"
#include "tests/support/input/UserInput.h"

#include <QDate>
#include <QDir>
#include <QHeaderView>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

using Fixture = DeclarationFixture;

class TfrmSelDeclaracaoTest : public ListFixture {
protected:
    TfrmSelDeclaracaoTest() {
        fixture->Taxpayer();
        // Keys drawn by the program follow the fixture's own.
        fixture->Execute("UPDATE PARAMETROS_DEF SET VL_PARAM1 = 100 WHERE ID_PARAMETRO = 3");
    }

    // Fills the new-declaration dialog and confirms it.
    void Confirma(TfrmIncDeclaracao* dialogo, const QString& inscricao, const QString& mes,
                  const QString& ano) {
        dialogo->medtInscricao->SetText(inscricao);
        dialogo->medtMes->SetText(mes);
        dialogo->medtAno->SetText(ano);
        dialogo->btnConfirmarClick(dialogo);
    }
    // The message the dialog refuses the entry with, and the control it focuses.
    std::pair<QString, QString> Recusa(const QString& inscricao, const QString& mes, const QString& ano) {
        std::unique_ptr<TfrmIncDeclaracao> dialogo(TForm::Create<TfrmIncDeclaracao>(lista));
        dialogo->Show();
        prompter.Answer(mrOk);
        EXPECT_THROW(Confirma(dialogo.get(), inscricao, mes, ano), EAbort);
        TControl* focado = TControl::ControlOf(dialogo->Widget()->focusWidget());
        return {prompter.Last().Text, focado ? focado->Name() : QString()};
    }
    QString Valor(const QString& sql) { return banco.Value(sql).toString(); }
    Currency Dinheiro(const QString& sql) { return banco.Value(sql).value<Currency>(); }
};

} // namespace

TEST_F(TfrmSelDeclaracaoTest, NewDeclarationsAreRefusedInTheOrderOfTheChecks) {
    AbreLista();
    const QDate hoje = QDate::currentDate();
    const QDate proximo = hoje.addMonths(1);
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    EXPECT_EQ(Recusa("", "3", "2005"),
              std::pair(QString("Inscrição deve ser preenchida!"), QString("medtInscricao")));
    EXPECT_EQ(Recusa("87654321", "3", "2005"),
              std::pair(QString("Inscrição Estadual não cadastrada!"), QString("medtInscricao")));
    EXPECT_EQ(Recusa("12345674", "", "2005"), std::pair(Mensagem(238), QString("medtMes")));
    EXPECT_EQ(Recusa("12345674", "3", ""), std::pair(Mensagem(239), QString("medtAno")));
    EXPECT_EQ(Recusa("12345674", "13", "2005").first, Mensagem(238));
    EXPECT_EQ(Recusa("12345674", "0", "2005").first, Mensagem(238));
    EXPECT_EQ(Recusa("12345674", "3", "2101"), std::pair(Mensagem(239), QString("medtAno")));
    EXPECT_EQ(Recusa("12345674", QString::number(proximo.month()), QString::number(proximo.year())).first,
              Mensagem(237));
    EXPECT_EQ(Recusa("12345674", "9", "1997").first, Mensagem(241));
    EXPECT_EQ(Recusa("12345674", "3", "2005").first, Mensagem(240));
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL"), 1) << "nothing was inserted";
}

TEST_F(TfrmSelDeclaracaoTest, ANewDeclarationCarriesTheBalancesOfTheLatestDeclarationOfThePreviousMonth) {
    fixture->AddDeclaration({.sq = 10, .ano = 2004, .mes = 12, .saldoAnterior = Currency::fromRaw(1234567)});
    fixture->AddDeclaration({.sq = 11,
                             .ano = 2004,
                             .mes = 12,
                             .retificadora = "S",
                             .nuRetificadora = 1,
                             .sqRetifica = 10,
                             .saldoAnterior = Currency::fromRaw(98765432),
                             .saldoAnteriorST = Currency::fromRaw(5559)});
    AbreLista();
    std::unique_ptr<TfrmIncDeclaracao> dialogo(TForm::Create<TfrmIncDeclaracao>(lista));
    Confirma(dialogo.get(), "12345674", "1", "2005");
    EXPECT_EQ(dialogo->ModalResult(), mrOk);
    EXPECT_EQ(dialogo->OpeningBalance(), Currency::fromRaw(98765400)) << "cut to cents, from the highest key";
    EXPECT_EQ(dialogo->OpeningBalanceST(), Currency::fromRaw(5500));
    const QString nova = "SELECT %1 FROM DECLARACAO_ECONOMICO_FISCAL WHERE AN_REFERENCIA = 2005";
    EXPECT_EQ(Dinheiro(nova.arg("VL_SALDO_ANTERIOR")), Currency::fromRaw(98765400));
    EXPECT_EQ(Valor(nova.arg("IN_OUTROS_ICMS_SEM_MOV")), "N");
    EXPECT_EQ(Valor(nova.arg("IN_RETIFICADORA")), "N");
    EXPECT_EQ(def->cdsSelDeclaracao->FieldByName("AN_REFERENCIA")->AsInteger(), 2005)
        << "the list stands on it";
    dialogo.reset();

    std::unique_ptr<TfrmIncDeclaracao> outro(TForm::Create<TfrmIncDeclaracao>(lista));
    Confirma(outro.get(), "12345674", "6", "2001");
    EXPECT_EQ(outro->OpeningBalance(), Currency()) << "no declaration in May 2001";
    const QString de2001 = "SELECT %1 FROM DECLARACAO_ECONOMICO_FISCAL WHERE AN_REFERENCIA = 2001";
    EXPECT_EQ(Valor(de2001.arg("IN_OUTROS_ICMS_SEM_MOV")), "S");
    EXPECT_EQ(Valor(de2001.arg("IN_ALC_ZFM_SEM_MOV")), "S");
}

TEST_F(TfrmSelDeclaracaoTest, TheNewDeclarationIsTypedPastTheCompanyNameAndConfirmedWithEnter) {
    AbreLista();
    std::unique_ptr<TfrmIncDeclaracao> dialogo(TForm::Create<TfrmIncDeclaracao>(lista));
    dialogo->Show();
    UserInput::TypeInto(dialogo->medtInscricao, "12345674");
    UserInput::Tab();
    UserInput::Type("5");
    UserInput::Tab();
    UserInput::Type("2006");
    UserInput::Tab();
    EXPECT_NE(UserInput::Focused(), dialogo->edtRazao->Widget());
    UserInput::ShiftTab();
    UserInput::Enter();
    EXPECT_EQ(dialogo->ModalResult(), mrOk);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL WHERE ME_REFERENCIA = 5"), 1);
}

TEST_F(TfrmSelDeclaracaoTest, AnInsertTheDatabaseRefusesLeavesNothingAndKeepsTheDialogOpen) {
    Executa("CREATE EXCEPTION E_RECUSA 'recusada'");
    Executa("CREATE TRIGGER T_RECUSA FOR DECLARACAO_ECONOMICO_FISCAL BEFORE INSERT AS BEGIN "
            "EXCEPTION E_RECUSA; END");
    AbreLista();
    std::unique_ptr<TfrmIncDeclaracao> dialogo(TForm::Create<TfrmIncDeclaracao>(lista));
    // The reconcile dialog shows the refusal and is answered with Cancel.
    QString recusa;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        recusa = static_cast<TForm*>(sender)->Name();
        static_cast<TForm*>(sender)->SetModalResult(mrCancel);
    });
    prompter.Answer(mrOk);
    Confirma(dialogo.get(), "12345674", "3", "2005");
    EXPECT_FALSE(recusa.isEmpty());
    EXPECT_EQ(prompter.Last().Text, "Erro na Inserção da Declaração!");
    EXPECT_NE(dialogo->ModalResult(), mrOk);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL"), 0);
    EXPECT_EQ(def->cdsDeclaracao->Active() ? def->cdsDeclaracao->ChangeCount() : 0, 0);
}

TEST_F(TfrmSelDeclaracaoTest, IncluirWithoutATaxpayerOpensNothing) {
    Executa("DELETE FROM CONTRIBUINTE");
    AbreLista();
    prompter.Answer(mrOk);
    EXPECT_THROW(lista->acIncluirExecute(lista), EAbort);
    EXPECT_EQ(prompter.Last().Text, "Nenhum Contribuinte Declarado !");
    EXPECT_EQ(principal->MDIChildCount(), 1);
}

TEST_F(TfrmSelDeclaracaoTest, IncluirCreatesTheDeclarationAndOpensItInTheEditor) {
    AbreLista();
    Application->OnModalBegin = TNotifyEvent::fromFunction([this](TObject* sender) {
        auto* dialogo = dynamic_cast<TfrmIncDeclaracao*>(sender);
        ASSERT_NE(dialogo, nullptr);
        Confirma(dialogo, "12345674", "5", "2006");
    });
    Aciona(lista->acIncluir);
    auto* editor = dynamic_cast<TfrmDeclaracao*>(principal->ActiveMDIChild());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(def->cdsDeclaracao->FieldByName("ME_REFERENCIA")->AsInteger(), 5);
    EXPECT_FALSE(lista->Enabled());
    editor->Close();
    Application->ProcessMessages();
    EXPECT_TRUE(lista->Enabled());
}

TEST_F(TfrmSelDeclaracaoTest, IncluirUnderAFilterOpensTheNewDeclarationWhateverTheListShows) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    fixture->Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_VALIDACAO = '2005-04-01', COMERRO = 'N', "
                     "DT_TRANSMISSAO = '2005-04-02'");
    struct Caso {
        const char* filtro;
        const char* mes;
    };
    // The first filter shows only the validated declaration, the second none.
    for (const Caso caso : {Caso{"DT_VALIDACAO <>  null", "5"}, Caso{"NU_INSCRICAO = 1", "6"}}) {
        SCOPED_TRACE(caso.filtro);
        AbreLista();
        def->cdsSelDeclaracao->SetFilter(caso.filtro);
        def->cdsSelDeclaracao->SetFiltered(true);
        Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
            Confirma(dynamic_cast<TfrmIncDeclaracao*>(sender), "12345674", caso.mes, "2006");
        });
        const int mensagens = prompter.Count();
        Aciona(lista->acIncluir);
        Application->OnModalBegin = TNotifyEvent();
        EXPECT_EQ(prompter.Count(), mensagens) << prompter.Last().Text.toStdString();
        auto* editor = dynamic_cast<TfrmDeclaracao*>(principal->ActiveMDIChild());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(def->cdsDeclaracao->FieldByName("AN_REFERENCIA")->AsInteger(), 2006);
        EXPECT_EQ(def->cdsDeclaracao->FieldByName("ME_REFERENCIA")->AsString(), caso.mes);
        editor->Close();
        Application->ProcessMessages();
        lista->Close();
        Application->ProcessMessages();
    }
    EXPECT_TRUE(
        banco.Value("SELECT DT_VALIDACAO FROM DECLARACAO_ECONOMICO_FISCAL WHERE SQ_DECLARACAO = 1").isValid())
        << "the validated declaration was never opened";
}

TEST_F(TfrmSelDeclaracaoTest, AFailedInclusionOfARectificationSaysSoWithOrWithoutItsValues) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    fixture->Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_TRANSMISSAO = '2005-04-02'");
    Executa("CREATE EXCEPTION E_RECUSA 'recusada'");
    Executa("CREATE TRIGGER T_RECUSA FOR DECLARACAO_ECONOMICO_FISCAL BEFORE INSERT AS BEGIN "
            "EXCEPTION E_RECUSA; END");
    AbreLista();
    for (const TModalResult resposta : {mrYes, mrNo}) {
        Posiciona(1);
        prompter.Answer(resposta).Answer(mrOk);
        EXPECT_THROW(lista->acRetificarExecute(lista), EAbort);
        EXPECT_EQ(prompter.Last().Text, "Erro na Inclusão da Declaracao !");
    }
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL"), 1);
}

TEST_F(TfrmSelDeclaracaoTest, AMonthNotBegunIsJudgedByTheProgramsClock) {
    SystemClock::Fix([] { return QDateTime(QDate(2005, 3, 15), QTime(12, 0)); });
    AbreLista();
    EXPECT_EQ(Recusa("12345674", "4", "2005").first, Mensagem(237));
    std::unique_ptr<TfrmIncDeclaracao> dialogo(TForm::Create<TfrmIncDeclaracao>(lista));
    Confirma(dialogo.get(), "12345674", "3", "2005");
    EXPECT_EQ(dialogo->ModalResult(), mrOk);
    SystemClock::Fix({});
}

TEST_F(TfrmSelDeclaracaoTest, AlterarAsksFirstOnlyWhenTheDeclarationWasValidatedWithoutErrors) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    fixture->Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_VALIDACAO = '2005-04-01', COMERRO = 'N', "
                     "DT_TRANSMISSAO = '2005-04-02'");
    AbreLista();
    Posiciona(1);
    prompter.Answer(mrNo);
    EXPECT_THROW(lista->acAlterarExecute(lista), EAbort);
    EXPECT_TRUE(
        prompter.Last().Text.startsWith("A declaração selecionada já foi validada com sucesso e gerada. "
                                        "Deseja continuar a alteração? \rCaso esta seja efetivada, a "
                                        "declaração deixará de estar validada e gerada."))
        << prompter.Last().Text.toStdString();
    EXPECT_EQ(principal->MDIChildCount(), 1);

    fixture->Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET COMERRO = 'S'");
    Posiciona(1);
    const int perguntas = prompter.Count();
    lista->acAlterarExecute(lista);
    Application->ProcessMessages();
    EXPECT_EQ(prompter.Count(), perguntas) << "with errors it opens without asking";
    EXPECT_NE(dynamic_cast<TfrmDeclaracao*>(principal->ActiveMDIChild()), nullptr);
}

TEST_F(TfrmSelDeclaracaoTest, ANormalDeclarationWithARectifyingOneCannotBeDeleted) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    fixture->FillSmall(1);
    fixture->AddDeclaration(
        {.sq = 2, .ano = 2005, .mes = 3, .retificadora = "S", .nuRetificadora = 1, .sqRetifica = 1});
    AbreLista();
    Posiciona(1);
    prompter.Answer(mrYes).Answer(mrOk);
    EXPECT_THROW(lista->acExcluirExecute(lista), EAbort);
    EXPECT_EQ(prompter.Last().Text,
              "Essa Declaração não pode ser apagada porque possui Declaração Retificadora!");
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL"), 2);

    Posiciona(2);
    prompter.Answer(mrYes);
    lista->acExcluirExecute(lista);
    Posiciona(1);
    prompter.Answer(mrYes);
    lista->acExcluirExecute(lista);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL"), 0);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM ENTRADA_DECLARADA"), 0) << "the detail rows go with it";
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM OUTRO_ICMS_DEVIDO"), 0);
    EXPECT_TRUE(def->cdsSelDeclaracao->IsEmpty());
}

TEST_F(TfrmSelDeclaracaoTest, AFailedDeleteLeavesTheListAndTheDatabaseAsTheyWere) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    Executa("CREATE EXCEPTION E_RECUSA 'recusada'");
    Executa("CREATE TRIGGER T_RECUSA FOR DECLARACAO_ECONOMICO_FISCAL BEFORE DELETE AS BEGIN "
            "EXCEPTION E_RECUSA; END");
    AbreLista();
    Posiciona(1);
    prompter.Answer(mrYes).Answer(mrOk);
    EXPECT_THROW(lista->acExcluirExecute(lista), EAbort);
    EXPECT_EQ(prompter.Last().Text, "Erro na deleção da Declaracao !");
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL"), 1);
    EXPECT_EQ(def->cdsSelDeclaracao->RecordCount(), 1);
}

TEST_F(TfrmSelDeclaracaoTest, RegistrationsReadFormattedAndEveryColumnShowsItsTitleAndType) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    fixture->AddDeclaration(
        {.sq = 2, .ano = 2005, .mes = 3, .retificadora = "S", .nuRetificadora = 1, .sqRetifica = 1});
    fixture->Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_VALIDACAO = '2005-04-01', COMERRO = 'S'");
    AbreLista();
    auto* grade = qobject_cast<QTableView*>(lista->dbgSelDeclaracao->Widget());
    ASSERT_NE(grade, nullptr);
    const QAbstractItemModel* modelo = grade->model();
    EXPECT_EQ(modelo->index(0, 0).data().toString(), "12.345.674");
    // Titles and types whole, with the margins the cells draw them in.
    constexpr int margens = 8;
    const QFontMetrics titulos(grade->horizontalHeader()->font());
    for (int coluna = 0; coluna < modelo->columnCount(); ++coluna) {
        const QString titulo = modelo->headerData(coluna, Qt::Horizontal).toString();
        EXPECT_GE(grade->columnWidth(coluna), titulos.horizontalAdvance(titulo) + margens)
            << titulo.toStdString();
    }
    EXPECT_LE(grade->horizontalHeader()->length(), grade->viewport()->width()) << "every column in sight";
    EXPECT_EQ(modelo->index(1, 4).data().toString(), "Retificadora [1]");
    EXPECT_GE(grade->columnWidth(4), grade->fontMetrics().horizontalAdvance("Retificadora [1]") + margens);
    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(pasta));
    lista->Widget()->window()->resize(1000, 400);
    Application->ProcessMessages();
    ASSERT_TRUE(lista->Widget()->window()->grab().save(pasta + "/list-formatted-registrations.png"));
}

TEST_F(TfrmSelDeclaracaoTest, TheListsDialogsNameTheirControlsForAScreenReader) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    AbreLista();
    Posiciona(1);
    QStringList vistos;
    QStringList semNome;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        auto* dialogo = static_cast<TForm*>(sender);
        vistos << dialogo->Name();
        for (const QString& controle : UnnamedControls(dialogo->Widget()))
            semNome << dialogo->Name() + ": " + controle;
        EXPECT_EQ(RoleOf(dialogo->Widget()), QAccessible::Dialog) << dialogo->Name().toStdString();
        dialogo->SetModalResult(mrCancel);
    });
    for (TAction* acao : {lista->acIncluir, lista->acFiltrar, lista->acImprimir})
        Aciona(acao);
    EXPECT_EQ(vistos.size(), 3) << vistos.join(", ").toStdString();
    EXPECT_TRUE(semNome.isEmpty()) << semNome.join('\n').toStdString();
}

TEST_F(TfrmSelDeclaracaoTest, OnlyAGeneratedDeclarationCanBeRectified) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    AbreLista();
    Posiciona(1);
    prompter.Answer(mrOk);
    EXPECT_THROW(lista->acRetificarExecute(lista), EAbort);
    EXPECT_EQ(prompter.Last().Text, Mensagem(285));
}

TEST_F(TfrmSelDeclaracaoTest, RectificationsAreNumberedAndCopyEveryValueExactly) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3, .saldoAnterior = Currency::fromRaw(123456789)});
    fixture->FillSmall(1);
    fixture->Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_VALIDACAO = '2005-04-01', COMERRO = 'N', "
                     "DT_TRANSMISSAO = '2005-04-02'");
    AbreLista();
    for (int esperado = 1; esperado <= 3; ++esperado) {
        Posiciona(1);
        prompter.Answer(mrYes);
        lista->acRetificarExecute(lista);
        const int nova = lista->LastRectifying.toInt();
        EXPECT_EQ(def->cdsSelDeclaracao->FieldByName("SQ_DECLARACAO")->AsInteger(), nova);
        const QString sql =
            "SELECT %1 FROM DECLARACAO_ECONOMICO_FISCAL WHERE SQ_DECLARACAO = " + QString::number(nova);
        EXPECT_EQ(Valor(sql.arg("NU_RETIFICADORA")), QString::number(esperado));
        EXPECT_EQ(Valor(sql.arg("SQ_DECLARACAO_RETIFICA")), "1")
            << "every rectification points to the normal one";
        EXPECT_EQ(Valor(sql.arg("IN_RETIFICADORA")), "S");
        EXPECT_EQ(Dinheiro(sql.arg("VL_SALDO_ANTERIOR")), Currency::fromRaw(123456700));
        EXPECT_FALSE(banco.Value(sql.arg("DT_VALIDACAO")).isValid());
        EXPECT_FALSE(banco.Value(sql.arg("DT_TRANSMISSAO")).isValid());
        EXPECT_EQ(Valor(sql.arg("COMERRO")), "N");
    }
    const int nova = lista->LastRectifying.toInt();
    // Every copied table holds the same rows, to the last decimal and null.
    const QStringList tabelas{
        "ENTRADA_DECLARADA",        "SAIDA_DECLARADA",           "OUTRO_CREDITO_DECLARADO",
        "OUTRO_DEBITO_DECLARADO",   "ESTORNO_CREDITO_DECLARADO", "ESTORNO_DEBITO_DECLARADO",
        "DEDUCAO_DECLARADA",        "PRAZO_ESPECIAL_DECLARADO",  "SAIDA_IE_DECLARADA",
        "ENTRADA_IE_DECLARADA",     "SAIDA_ALC_DECLARADA",       "SALDO_CREDOR_COMPENSADO",
        "SALDO_CREDOR_TRANSFERIDO", "SALDO_CREDOR_RECEBIDO",     "OUTRO_ICMS_DEVIDO"};
    for (const QString& tabela : tabelas) {
        QStringList colunas = banco.Columns(tabela);
        colunas.removeAll("SQ_DECLARACAO");
        const QString linhas = "SELECT %1 FROM %2 WHERE SQ_DECLARACAO = %3 ORDER BY %1";
        const auto original = banco.Rows(linhas.arg(colunas.join(", "), tabela, "1"));
        EXPECT_FALSE(original.empty()) << tabela.toStdString();
        EXPECT_EQ(banco.Rows(linhas.arg(colunas.join(", "), tabela, QString::number(nova))), original)
            << tabela.toStdString();
    }
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM SALDO_CREDOR_COMP_PROPRIO WHERE SQ_DECLARACAO = " +
                    QString::number(nova)),
              0);
}

TEST_F(TfrmSelDeclaracaoTest, ARectificationWithoutValuesStartsEmptyAndCancelDoesNothing) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    fixture->FillSmall(1);
    fixture->Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_TRANSMISSAO = '2005-04-02'");
    AbreLista();
    Posiciona(1);
    prompter.Answer(mrCancel);
    lista->acRetificarExecute(lista);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL"), 1);
    Posiciona(1);
    prompter.Answer(mrNo);
    lista->acRetificarExecute(lista);
    const QString nova = lista->LastRectifying;
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL"), 2);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM ENTRADA_DECLARADA WHERE SQ_DECLARACAO = " + nova), 0);
}

TEST_F(TfrmSelDeclaracaoTest, AFailedCopyLeavesNoHalfCopiedRectification) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    fixture->FillSmall(1);
    fixture->Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_TRANSMISSAO = '2005-04-02'");
    Executa("CREATE EXCEPTION E_RECUSA 'recusada'");
    Executa("CREATE TRIGGER T_RECUSA FOR OUTRO_ICMS_DEVIDO BEFORE INSERT AS BEGIN "
            "IF (NEW.SQ_DECLARACAO <> 1) THEN EXCEPTION E_RECUSA; END");
    AbreLista();
    Posiciona(1);
    prompter.Answer(mrYes).Answer(mrOk);
    EXPECT_THROW(lista->acRetificarExecute(lista), EAbort);
    EXPECT_EQ(prompter.Last().Text, "Não foi possível gerar a declaração retificadora automaticamente !");
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL"), 1);
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM ENTRADA_DECLARADA WHERE SQ_DECLARACAO <> 1"), 0);
}

TEST_F(TfrmSelDeclaracaoTest, TheFilterDialogFiltersTheListAndShowsWhatItKeeps) {
    fixture->Taxpayer(23456789, "Outra Empresa");
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    fixture->AddDeclaration({.sq = 2, .inscricao = 23456789, .ano = 2005, .mes = 3});
    fixture->Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_VALIDACAO = '2005-04-01', COMERRO = 'S' "
                     "WHERE SQ_DECLARACAO = 1");
    AbreLista();
    std::unique_ptr<TfrmDlgFiltraDeclaracao> dialogo(TForm::Create<TfrmDlgFiltraDeclaracao>(lista));
    EXPECT_EQ(dialogo->Registrations(), (QStringList{"", "12.345.674", "23.456.789"}));
    dialogo->cbInscricao->SetItemIndex(1);
    dialogo->cbComErro->SetChecked(true);
    dialogo->cbGerada->SetChecked(true);
    dialogo->btnConfirmarClick(dialogo.get());
    EXPECT_EQ(lista->lblFiltro->Caption(), "Filtro :  Inscrição: 12.345.674  ,Com Erro  ,Transmitida");
    EXPECT_TRUE(lista->lblFiltro->Visible());
    EXPECT_EQ(def->cdsSelDeclaracao->Filter(),
              "NU_INSCRICAO = 12345674 and COMERRO = 'S' and DT_TRANSMISSAO <>  null");
    EXPECT_TRUE(def->cdsSelDeclaracao->IsEmpty()) << "nothing was generated";
    EXPECT_EQ(lista->SelecionaInscricao(dialogo->Registrations(), lista->RegistrationFilter), 1);
    dialogo.reset();

    std::unique_ptr<TfrmDlgFiltraDeclaracao> outro(TForm::Create<TfrmDlgFiltraDeclaracao>(lista));
    outro->cbValidada->SetChecked(true);
    outro->btnConfirmarClick(outro.get());
    EXPECT_EQ(lista->lblFiltro->Caption(), "Filtro : Validada");
    EXPECT_EQ(def->cdsSelDeclaracao->RecordCount(), 1);
    outro.reset();

    std::unique_ptr<TfrmDlgFiltraDeclaracao> nada(TForm::Create<TfrmDlgFiltraDeclaracao>(lista));
    nada->btnConfirmarClick(nada.get());
    EXPECT_FALSE(def->cdsSelDeclaracao->Filtered());
    EXPECT_FALSE(lista->lblFiltro->Visible());
    EXPECT_EQ(def->cdsSelDeclaracao->RecordCount(), 2);
}

TEST_F(TfrmSelDeclaracaoTest, ClosingTheListDropsItsFilter) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    AbreLista();
    def->cdsSelDeclaracao->SetFilter("COMERRO = 'S'");
    def->cdsSelDeclaracao->SetFiltered(true);
    lista->Close();
    Application->ProcessMessages();
    EXPECT_FALSE(def->cdsSelDeclaracao->Filtered());
    EXPECT_FALSE(def->cdsSelDeclaracao->Active());
    EXPECT_EQ(frmSelDeclaracao, nullptr);
}

TEST_F(TfrmSelDeclaracaoTest, TheListRendersWithItsStatusMarks) {
    fixture->AddDeclaration({.sq = 1, .ano = 2005, .mes = 3});
    fixture->AddDeclaration({.sq = 2, .ano = 2005, .mes = 4});
    fixture->Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_VALIDACAO = '2005-05-01', COMERRO = 'N', "
                     "DT_TRANSMISSAO = '2005-05-02' WHERE SQ_DECLARACAO = 1");
    fixture->Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_VALIDACAO = '2005-05-01', COMERRO = 'S' "
                     "WHERE SQ_DECLARACAO = 2");
    AbreLista();
    lista->Widget()->resize(760, 300);
    Application->ProcessMessages();
    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(pasta));
    ASSERT_TRUE(lista->Widget()->grab().toImage().save(pasta + "/declaration-list.png"));
}

namespace {

// A declaration without movement, which passes every rule unless changed.
Fixture::Declaration CheckNoMovement(int sq) {
    Fixture::Declaration d{.sq = sq, .ano = 2011, .mes = 1};
    d.semMovOperProp = d.semMovSubstTribut = d.semMovOutrosICMS = d.semMovAlcZfm = QStringLiteral("S");
    return d;
}

} // namespace

TEST_F(TfrmSelDeclaracaoTest, ValidarRecordsTheOutcomeAndShowsTheFindings) {
    fixture->AddDeclaration(CheckNoMovement(1));
    Fixture::Declaration comErro = CheckNoMovement(2);
    comErro.mes = 2;
    comErro.representante.clear();
    fixture->AddDeclaration(comErro);
    Fixture::Declaration comAdvertencia = CheckNoMovement(3);
    comAdvertencia.mes = 3;
    fixture->AddDeclaration(comAdvertencia);
    fixture->AddEntry(3, 1949, {});
    AbreLista();
    QStringList modais;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        modais << static_cast<TForm*>(sender)->Name();
        static_cast<TForm*>(sender)->Close();
    });
    const QString hoje = QDate::currentDate().toString(Qt::ISODate);
    auto situacao = [&](int sq) {
        return Valor(QStringLiteral("SELECT COMERRO || ' ' || DT_VALIDACAO FROM DECLARACAO_ECONOMICO_FISCAL "
                                    "WHERE SQ_DECLARACAO = %1")
                         .arg(sq));
    };

    Posiciona(1);
    prompter.Answer(mrOk);
    lista->acValidar->Execute();
    Application->ProcessMessages();
    EXPECT_TRUE(modais.isEmpty()) << "nothing to show";
    EXPECT_EQ(prompter.Last().Text, "Validação completa!");
    EXPECT_EQ(situacao(1), "N " + hoje);

    Posiciona(2);
    const int perguntas = prompter.Count();
    lista->acValidar->Execute();
    Application->ProcessMessages();
    EXPECT_EQ(modais, QStringList{"frmDlgValidacao"});
    EXPECT_EQ(prompter.Count(), perguntas) << "no completion message with errors";
    EXPECT_EQ(situacao(2), "S " + hoje);

    Posiciona(3);
    prompter.Answer(mrOk);
    lista->acValidar->Execute();
    Application->ProcessMessages();
    EXPECT_EQ(modais.size(), 2) << "warnings are shown too";
    EXPECT_EQ(prompter.Last().Text, "Validação completa!");
    EXPECT_EQ(situacao(3), "N " + hoje);
    EXPECT_EQ(def->cdsSelDeclaracao->FieldByName("COMERRO")->AsString(), "N") << "the list was refreshed";

    Posiciona(1);
    prompter.Answer(mrOk);
    lista->acValidar->Execute();
    EXPECT_EQ(prompter.Last().Text, "Essa Declaração já foi validada!");
    EXPECT_EQ(modais.size(), 2);
}

TEST_F(TfrmSelDeclaracaoTest, AValidationThatCannotBeRecordedLeavesTheDeclarationAsItWas) {
    Fixture::Declaration d = CheckNoMovement(1);
    d.representante.clear();
    fixture->AddDeclaration(d);
    Executa("CREATE EXCEPTION E_RECUSA 'recusada'");
    Executa("CREATE TRIGGER T_RECUSA FOR DECLARACAO_ECONOMICO_FISCAL BEFORE UPDATE AS BEGIN "
            "EXCEPTION E_RECUSA; END");
    AbreLista();
    Posiciona(1);
    bool mostrada = false;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        // The reconcile dialog of the refused update, if any, is cancelled;
        // the validation window must never be shown.
        mostrada = mostrada || static_cast<TForm*>(sender)->Name() == "frmDlgValidacao";
        static_cast<TForm*>(sender)->SetModalResult(mrCancel);
    });
    prompter.AnswerWith([](const TPromptRequest&) { return TPromptResult{mrOk, {}}; });
    EXPECT_THROW(lista->acValidarExecute(lista), EAbort);
    Application->ProcessMessages();
    EXPECT_FALSE(mostrada);
    EXPECT_EQ(prompter.Last().Text, "Erro na validação");
    EXPECT_EQ(Conta("SELECT COUNT(*) FROM DECLARACAO_ECONOMICO_FISCAL WHERE DT_VALIDACAO IS NULL"), 1);
    EXPECT_FALSE(def->cdsDeclaracao->Active());
    for (int i = 0; i < lista->ComponentCount(); ++i)
        EXPECT_EQ(dynamic_cast<TfrmDlgValidacao*>(lista->Components(i)), nullptr)
            << "the window of the failed run is freed";
}

TEST_F(TfrmSelDeclaracaoTest, ImprimirOpensTheMirrorDialogOfTheCurrentDeclaration) {
    fixture->AddDeclaration(CheckNoMovement(1));
    AbreLista();
    Posiciona(1);
    QString mostrado;
    TComponent* dono = nullptr;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        auto* dialogo = static_cast<TForm*>(sender);
        mostrado = dialogo->Name();
        dono = dialogo->Owner();
        dialogo->Close();
    });
    lista->acImprimir->Execute();
    Application->ProcessMessages();
    EXPECT_EQ(mostrado, "frmDlgEspelhoZeb");
    EXPECT_EQ(dono, lista);
    for (int i = 0; i < lista->ComponentCount(); ++i)
        EXPECT_EQ(dynamic_cast<TfrmDlgEspelhoZeb*>(lista->Components(i)), nullptr)
            << "the dialog is freed when it closes";
}
