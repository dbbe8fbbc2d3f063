// The mirror's print dialog: choosing the kind and the sections, the
// composite of the chosen sections with its page numbers running over the
// whole, the refusals and the failures; and pictures of the dialog and of
// the first page of the full mirror under build/screenshots.

#include "tests/declarations/reports/MirrorFixture.h"

#include "declarations/reports/MirrorSectionReport.h"
#include "platform/report/TCompositeReport.h"
#include "platform/report/TPageRenderer.h"
#include "platform/report/TReportPrinter.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TRadioGroup.h"
#include "platform/ui/TScreen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPointer>
#include <QRegularExpression>

namespace {

using O = DeclarationFixture::Occurrences;

const QString kNenhuma = QStringLiteral("Nenhuma opção foi selecionada!");
const QString kErroCriacao = QStringLiteral("Erro na criação do relatório!");

QString Pasta() {
    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
    QDir().mkpath(pasta);
    return pasta;
}

// The sections owned by the dialog now.
int SecoesVivas(const TfrmDlgEspelhoZeb& dialogo) {
    int vivas = 0;
    for (int i = 0; i < dialogo.ComponentCount(); ++i)
        vivas += dynamic_cast<MirrorSectionReport*>(dialogo.Components(i)) ? 1 : 0;
    return vivas;
}

class TfrmDlgEspelhoZebTest : public MirrorFixture {
protected:
    ~TfrmDlgEspelhoZebTest() override { Application->OnModalBegin = nullptr; }

    static std::vector<TCheckBox*> Caixas(const TfrmDlgEspelhoZeb& dialogo, std::initializer_list<int> tags) {
        std::vector<TCheckBox*> caixas;
        for (int i = 0; i < dialogo.ComponentCount(); ++i)
            if (auto* caixa = dynamic_cast<TCheckBox*>(dialogo.Components(i));
                caixa && std::find(tags.begin(), tags.end(), caixa->Tag()) != tags.end())
                caixas.push_back(caixa);
        return caixas;
    }
    // Clicks Imprimir expecting one error box and no preview; returns the texts shown.
    QStringList Recusa(TfrmDlgEspelhoZeb& dialogo, int caixas) {
        const int antes = prompter.Count();
        for (int i = 0; i < caixas; ++i)
            prompter.Answer(mrOk);
        EXPECT_TRUE(!Application->SafeCall(&dialogo, [&dialogo] { dialogo.btnImprimir->Click(); }) ||
                    prompter.Count() > antes);
        QStringList textos;
        for (int i = antes; i < prompter.Count(); ++i)
            textos << prompter.Requests()[static_cast<std::size_t>(i)].Text;
        return textos;
    }
};

TEST_F(TfrmDlgEspelhoZebTest, OpensWithEveryBoxCheckedAndTheDataSectionsToChooseFrom) {
    DeclaracaoCompleta(1);
    auto dialogo = Dialogo();
    EXPECT_EQ(dialogo->Caption(), QStringLiteral("Impressão do Espelho da Zeb"));
    EXPECT_GE(dialogo->ClientWidth(), 487); // wider when the captions need it
    EXPECT_EQ(dialogo->ClientHeight(), 301);
    EXPECT_EQ(dialogo->rgTipo->Caption(), QStringLiteral(" Tipo "));
    EXPECT_EQ(dialogo->rgTipo->Items(), (QStringList{QStringLiteral("Dados"), QStringLiteral("Resumos")}));
    EXPECT_EQ(dialogo->rgTipo->ItemIndex(), 0);
    EXPECT_EQ(dialogo->btnCancelar->Caption(), QStringLiteral("&Sair"));
    EXPECT_TRUE(dialogo->btnCancelar->Cancel());
    const QStringList dados{QStringLiteral("Operações Próprias"),
                            QStringLiteral("Substituição Tributária Interna"),
                            QStringLiteral("Outros ICMS Devidos"),
                            QStringLiteral("Operações Interestaduais"),
                            QStringLiteral("Zona Franca de Manaus e ALC"),
                            QStringLiteral("Saldo Credor de Exportação - Saldo Acumulado"),
                            QStringLiteral("Saldo Credor de Exportação - Saldo Recebido"),
                            QStringLiteral("Todos")};
    QStringList rotulos;
    for (TCheckBox* caixa : Caixas(*dialogo, {TfrmDlgEspelhoZeb::kDataTag, TfrmDlgEspelhoZeb::kAllDataTag})) {
        rotulos << caixa->Caption();
        EXPECT_TRUE(caixa->Checked() && caixa->Enabled()) << caixa->Name().toStdString();
        EXPECT_EQ(caixa->Widget()->objectName(), caixa->Name());
    }
    EXPECT_EQ(rotulos, dados);
    const auto resumos =
        Caixas(*dialogo, {TfrmDlgEspelhoZeb::kSummaryTag, TfrmDlgEspelhoZeb::kAllSummariesTag});
    ASSERT_EQ(resumos.size(), 7u);
    for (TCheckBox* caixa : resumos)
        EXPECT_TRUE(caixa->Checked() && !caixa->Enabled()) << caixa->Name().toStdString();
    EXPECT_EQ(dialogo->cbSCEResumo->Caption(), QStringLiteral("Saldo Credor de Exportação"));
    EXPECT_EQ(dialogo->cbDemais->Caption(), QStringLiteral("Demais"));
}

TEST_F(TfrmDlgEspelhoZebTest, SwitchingTheKindKeepsTheChecksAndEnablesOnlyThatKind) {
    DeclaracaoCompleta(1);
    auto dialogo = Dialogo();
    dialogo->cbZFM->SetChecked(false);
    dialogo->rgTipo->SetItemIndex(1);
    for (TCheckBox* caixa : Caixas(*dialogo, {TfrmDlgEspelhoZeb::kDataTag, TfrmDlgEspelhoZeb::kAllDataTag}))
        EXPECT_FALSE(caixa->Enabled()) << caixa->Name().toStdString();
    for (TCheckBox* caixa :
         Caixas(*dialogo, {TfrmDlgEspelhoZeb::kSummaryTag, TfrmDlgEspelhoZeb::kAllSummariesTag}))
        EXPECT_TRUE(caixa->Enabled() && caixa->Checked()) << caixa->Name().toStdString();
    EXPECT_FALSE(dialogo->cbZFM->Checked());
    EXPECT_TRUE(dialogo->cbOpProprias->Checked());
    // Only the summaries print.
    const Impressao impressao = Imprime(*dialogo);
    ASSERT_EQ(impressao.paginas.size(), 6);
    EXPECT_TRUE(impressao.paginas[0].contains(QStringLiteral("Resumo das Operações de ICMS")));
    EXPECT_FALSE(impressao.paginas.join(QString()).contains(QStringLiteral("rptEspelhoZebOpProprias")));
    dialogo->rgTipo->SetItemIndex(0);
    EXPECT_TRUE(dialogo->cbOpProprias->Enabled());
    EXPECT_FALSE(dialogo->cbOpICMS_R->Enabled());
}

TEST_F(TfrmDlgEspelhoZebTest, TodosFollowsTheSectionsOfItsGroupAndChecksThemAll) {
    DeclaracaoCompleta(1);
    auto dialogo = Dialogo();
    dialogo->cbOpProprias->SetChecked(false);
    EXPECT_FALSE(dialogo->cbTodos->Checked());
    dialogo->cbSubTrib->SetChecked(false);
    dialogo->cbOpProprias->SetChecked(true);
    EXPECT_FALSE(dialogo->cbTodos->Checked());
    dialogo->cbSubTrib->SetChecked(true);
    EXPECT_TRUE(dialogo->cbTodos->Checked());
    // Unchecking Todos changes nothing else; checking it checks every section.
    dialogo->cbTodos->SetChecked(false);
    for (TCheckBox* caixa : Caixas(*dialogo, {TfrmDlgEspelhoZeb::kDataTag}))
        EXPECT_TRUE(caixa->Checked()) << caixa->Name().toStdString();
    dialogo->cbZFM->SetChecked(false);
    dialogo->cbOutICMS->SetChecked(false);
    dialogo->cbTodos->SetChecked(true);
    for (TCheckBox* caixa : Caixas(*dialogo, {TfrmDlgEspelhoZeb::kDataTag}))
        EXPECT_TRUE(caixa->Checked()) << caixa->Name().toStdString();
    EXPECT_TRUE(dialogo->cbTodos->Checked());
    // The summaries have their own Todos.
    dialogo->rgTipo->SetItemIndex(1);
    dialogo->cbDemais->SetChecked(false);
    EXPECT_FALSE(dialogo->cbTodosR->Checked());
    EXPECT_TRUE(dialogo->cbTodos->Checked());
    dialogo->cbTodosR->SetChecked(true);
    EXPECT_TRUE(dialogo->cbDemais->Checked());
}

TEST_F(TfrmDlgEspelhoZebTest, TheExportSummaryIsWithdrawnForADeclarationWithoutExportData) {
    fixture->AddDeclaration({.sq = 1});
    fixture->FillSmall(1);
    for (const char* tabela :
         {"SALDO_CREDOR_COMPENSADO", "SALDO_CREDOR_COMP_PROPRIO", "SALDO_CREDOR_TRANSFERIDO"})
        fixture->Execute(QStringLiteral("DELETE FROM %1").arg(QString::fromLatin1(tabela)));
    fixture->AddDeclaration({.sq = 2, .mes = 2, .sceProvisao = Currency::fromUnits(1)});
    Seleciona(1);
    auto sem = Dialogo();
    EXPECT_EQ(sem->cbSCEResumo->Tag(), 0);
    EXPECT_FALSE(sem->cbSCEResumo->Checked());
    EXPECT_TRUE(sem->cbTodosR->Checked());
    sem->rgTipo->SetItemIndex(1);
    EXPECT_FALSE(sem->cbSCEResumo->Enabled());
    EXPECT_TRUE(sem->cbDemais->Enabled());
    sem->cbDemais->SetChecked(false);
    sem->cbTodosR->SetChecked(true);
    EXPECT_FALSE(sem->cbSCEResumo->Checked());
    const Impressao impressao = Imprime(*sem);
    ASSERT_EQ(impressao.paginas.size(), 5);
    EXPECT_TRUE(Secao(impressao.paginas, QStringLiteral("rptEspelhoZebResSCExportacao")).isEmpty());
    EXPECT_FALSE(Secao(impressao.paginas, QStringLiteral("rptEspelhoZebResDemais")).isEmpty());

    // A declared export value, or credit-balance rows, keep it.
    Seleciona(2);
    auto comValor = Dialogo();
    EXPECT_EQ(comValor->cbSCEResumo->Tag(), TfrmDlgEspelhoZeb::kSummaryTag);
    comValor->rgTipo->SetItemIndex(1);
    EXPECT_TRUE(comValor->cbSCEResumo->Enabled() && comValor->cbSCEResumo->Checked());
    fixture->AddCreditBalance(O::SCCompensado, 1, 1, fixture->LegalGround('E', 58, 1), Currency::fromUnits(4),
                              87654321);
    Seleciona(1);
    EXPECT_EQ(Dialogo()->cbSCEResumo->Tag(), TfrmDlgEspelhoZeb::kSummaryTag);
}

TEST_F(TfrmDlgEspelhoZebTest, NothingChosenOfTheKindShownRefusesToPrint) {
    DeclaracaoCompleta(1);
    auto dialogo = Dialogo();
    dialogo->cbTodos->SetChecked(false);
    for (TCheckBox* caixa : Caixas(*dialogo, {TfrmDlgEspelhoZeb::kDataTag}))
        caixa->SetChecked(false);
    // The summary boxes are checked, but disabled: they do not count.
    EXPECT_TRUE(dialogo->cbOpICMS_R->Checked());
    EXPECT_EQ(Recusa(*dialogo, 1), QStringList{kNenhuma});
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
    EXPECT_EQ(SecoesVivas(*dialogo), 0);
    EXPECT_EQ(dialogo->qrCompositeReports->ReportPrinter().PageCount(), 0);
}

TEST_F(TfrmDlgEspelhoZebTest, TheCompositeChainsTheSectionsInOrderAndNumbersItsPagesOverTheWhole) {
    DeclaracaoCompleta(1);
    for (int key = 10; key <= 89; ++key)
        fixture->AddOccurrence(O::OutroCredito, 1, key, fixture->LegalGround('N', 7, 1),
                               Currency::fromUnits(key));
    auto dialogo = Dialogo();
    const Impressao impressao = Imprime(*dialogo, true);
    const int total = static_cast<int>(impressao.paginas.size());
    ASSERT_GE(total, 8);
    ASSERT_EQ(impressao.pdf.size(), total);
    const QStringList ordem{QStringLiteral("rptEspelhoZebOpProprias"),
                            QStringLiteral("rptEspelhoZebSubTributaria"),
                            QStringLiteral("rptEspelhoZebOutICMS"),
                            QStringLiteral("rptEspelhoZebOpInter"),
                            QStringLiteral("rptEspelhoZebZFM"),
                            QStringLiteral("rptEspelhoZebSaldoCredorAcumulado"),
                            QStringLiteral("rptEspelhoZebSaldoCredorRecebido")};
    int secao = 0;
    for (int k = 1; k <= total; ++k) {
        const QString& texto = impressao.paginas[k - 1];
        const QString numero = QStringLiteral("Página: %1 de %2").arg(k).arg(total);
        EXPECT_TRUE(texto.contains(numero)) << k;
        EXPECT_TRUE(impressao.pdf[k - 1].contains(numero)) << k;
        // Each page belongs to one section, in the dialog's order; each section starts a new page.
        while (secao < ordem.size() && !texto.contains(ordem[secao]))
            ++secao;
        ASSERT_LT(secao, ordem.size()) << "page " << k << " is out of order";
        EXPECT_TRUE(impressao.pdf[k - 1].contains(ordem[secao])) << k;
    }
    // Own operations take more than one page; every other section one.
    EXPECT_EQ(total - 6, Secao(impressao.paginas, ordem[0]).count(QLatin1Char('\f')) + 1);
    for (const QString& nome : ordem)
        EXPECT_FALSE(Secao(impressao.pdf, nome).isEmpty()) << nome.toStdString();

    // The sections are freed once the preview closes, and the reference
    // sets they read are closed again.
    EXPECT_EQ(SecoesVivas(*dialogo), 0);
    EXPECT_FALSE(basica->cdsFundamentos->Active());
    EXPECT_FALSE(basica->cdsMunicipios->Active());
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST_F(TfrmDlgEspelhoZebTest, AFailedQueryShowsItsMessageAndLeavesNothingBehind) {
    DeclaracaoCompleta(1);
    // The other ICMS due cannot be read any more.
    Executa(QStringLiteral("DROP TABLE OUTRO_ICMS_DEVIDO"));
    auto dialogo = Dialogo();
    dialogo->rgTipo->SetItemIndex(1);
    const QStringList textos = Recusa(*dialogo, 2);
    EXPECT_EQ(textos, (QStringList{Mensagem(300), kErroCriacao}));
    EXPECT_EQ(SecoesVivas(*dialogo), 0);
    for (MirrorSectionReport* secao : dialogo->Reports())
        EXPECT_EQ(secao, nullptr);
    EXPECT_EQ(dialogo->qrCompositeReports->ReportPrinter().PageCount(), 0);
    EXPECT_EQ(Screen->Cursor(), crDefault);
    EXPECT_FALSE(basica->cdsFundamentos->Active());

    // A data section whose query fails: the sections made before it go too.
    dialogo->rgTipo->SetItemIndex(0);
    EXPECT_EQ(Recusa(*dialogo, 1), QStringList{kErroCriacao});
    EXPECT_EQ(SecoesVivas(*dialogo), 0);
    // Without the failing sections the mirror prints.
    dialogo->cbOutICMS->SetChecked(false);
    EXPECT_TRUE(Imprime(*dialogo).previsualizada);
}

TEST_F(TfrmDlgEspelhoZebTest, ASectionWhoseDeclarationHasNoTaxpayerRowPrintsNothing) {
    Executa(QStringLiteral("ALTER TABLE DECLARACAO_ECONOMICO_FISCAL DROP CONSTRAINT FK_DECLARACAO_CONTRIB"));
    DeclaracaoCompleta(1);
    auto dialogo = Dialogo();
    // The list still shows the declaration, but its taxpayer row is gone.
    Executa(QStringLiteral("DELETE FROM CONTRIBUINTE"));
    const Impressao dados = Imprime(*dialogo);
    EXPECT_TRUE(dados.previsualizada);
    EXPECT_TRUE(dados.paginas.isEmpty()) << dados.paginas.join(QLatin1Char('\f')).toStdString();
    dialogo->rgTipo->SetItemIndex(1);
    const Impressao resumos = Imprime(*dialogo);
    EXPECT_TRUE(resumos.paginas.isEmpty()) << resumos.paginas.join(QLatin1Char('\f')).toStdString();
    EXPECT_EQ(SecoesVivas(*dialogo), 0);
}

TEST_F(TfrmDlgEspelhoZebTest, TheListShowsItModallyAndSairClosesAndFreesIt) {
    DeclaracaoCompleta(1);
    TComponent lista;
    QPointer<TfrmDlgEspelhoZeb> dialogo = TForm::Create<TfrmDlgEspelhoZeb>(&lista);
    EXPECT_EQ(dialogo->Owner(), &lista);
    Application->OnModalBegin = TNotifyEvent::fromFunction([](TObject* sender) {
        auto* janela = dynamic_cast<TfrmDlgEspelhoZeb*>(sender);
        ASSERT_NE(janela, nullptr);
        janela->btnCancelar->Click();
    });
    EXPECT_EQ(dialogo->ShowModal(), mrCancel);
    Application->ProcessMessages();
    EXPECT_TRUE(dialogo.isNull());
}

TEST_F(TfrmDlgEspelhoZebTest, EscapeLeavesWithoutPrinting) {
    DeclaracaoCompleta(1);
    QPointer<TfrmDlgEspelhoZeb> dialogo = TForm::Create<TfrmDlgEspelhoZeb>(nullptr);
    Application->OnModalBegin = TNotifyEvent::fromFunction([](TObject* sender) {
        auto* janela = dynamic_cast<TfrmDlgEspelhoZeb*>(sender);
        ASSERT_NE(janela, nullptr);
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(janela->cbOpProprias->Widget(), &escape);
    });
    EXPECT_EQ(dialogo->ShowModal(), mrCancel);
    // No preview was asked for: the prompter saw nothing.
    EXPECT_EQ(prompter.Count(), 0);
    Application->ProcessMessages();
    EXPECT_TRUE(dialogo.isNull());
}

TEST_F(TfrmDlgEspelhoZebTest, PicturesOfTheDialogAndOfTheFirstPageOfTheFullMirror) {
    DeclaracaoCompleta(1,
                       {.observacao = QStringLiteral("Declaração do mês com movimento em todas as fichas.")});
    auto dialogo = Dialogo();
    dialogo->Show();
    Application->ProcessMessages();
    // Each caption whole, and the data column clear of the summary column.
    const auto dados = Caixas(*dialogo, {TfrmDlgEspelhoZeb::kDataTag, TfrmDlgEspelhoZeb::kAllDataTag});
    const auto resumos =
        Caixas(*dialogo, {TfrmDlgEspelhoZeb::kSummaryTag, TfrmDlgEspelhoZeb::kAllSummariesTag});
    for (TCheckBox* caixa : dados) {
        EXPECT_GE(caixa->Width(), caixa->Widget()->sizeHint().width()) << caixa->Name().toStdString();
        for (TCheckBox* resumo : resumos)
            EXPECT_LT(caixa->Left() + caixa->Width(), resumo->Left()) << caixa->Name().toStdString();
    }
    for (TCheckBox* caixa : resumos) {
        EXPECT_GE(caixa->Width(), caixa->Widget()->sizeHint().width()) << caixa->Name().toStdString();
        EXPECT_LE(caixa->Left() + caixa->Width(), dialogo->ClientWidth()) << caixa->Name().toStdString();
    }
    const QImage janela = dialogo->Widget()->grab().toImage();
    EXPECT_GE(janela.width(), 487);
    EXPECT_TRUE(janela.save(Pasta() + QStringLiteral("/mirror-dialog.png")));
    dialogo->Hide();

    TPreparedPage primeira;
    const Impressao impressao = Imprime(*dialogo, true, [&primeira](TfrmDlgEspelhoZeb& d) {
        primeira = d.qrCompositeReports->ReportPrinter().Page(1);
    });
    ASSERT_FALSE(impressao.pdf.isEmpty());
    const QImage pagina = TPageRenderer::ToImage(primeira, 100);
    EXPECT_GT(pagina.width(), 800);
    EXPECT_TRUE(pagina.save(Pasta() + QStringLiteral("/mirror-first-page.png")));
    QFile texto(Pasta() + QStringLiteral("/mirror-first-page.txt"));
    ASSERT_TRUE(texto.open(QIODevice::WriteOnly));
    texto.write(impressao.pdf.first().toUtf8());
    EXPECT_TRUE(impressao.pdf.first().contains(QStringLiteral("Operações Próprias")));
}

} // namespace
