// The mirror's summaries against the summary pages of the editor, on one
// declaration with rows in every table and stored values with fractions of a
// cent: each figure a page shows is the figure the mirror prints.

#include "tests/declarations/pages/BalancePagesFixture.h"

#include "components/report/TfrmPreview.h"
#include "declarations/pages/TfrmDetResOpProprias.h"
#include "declarations/reports/MirrorSummaryReport.h"
#include "declarations/reports/TfrmDlgEspelhoZeb.h"
#include "platform/report/TReportChildBand.h"
#include "platform/report/TReportLabel.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TRadioGroup.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

// Pages and the positions of their summaries among the dialog's sections.
constexpr int NoOpProprias = 35, NoSubTributaria = 36, NoOpInter = 37, NoDemais = 38;
constexpr int ResOpProprias = 8, ResSubTributaria = 9, ResOpInter = 10, ResSCExportacao = 11, ResDemais = 12;

class MirrorAgainstPagesTest : public BalancePages {
protected:
    // The value labels that every summary section prints, by section.
    std::map<int, std::map<QString, QString>> Espelho() {
        TClientDataSet* lista = def->cdsSelDeclaracao;
        lista->Open();
        EXPECT_TRUE(lista->Locate(QStringLiteral("SQ_DECLARACAO"), 1));
        std::unique_ptr<TfrmDlgEspelhoZeb> dialogo(TForm::Create<TfrmDlgEspelhoZeb>(nullptr));
        dialogo->rgTipo->SetItemIndex(1);
        dialogo->cbTodosR->SetChecked(false);
        for (int i = 0; i < dialogo->ComponentCount(); ++i)
            if (auto* caixa = dynamic_cast<TCheckBox*>(dialogo->Components(i));
                caixa && caixa->Tag() == TfrmDlgEspelhoZeb::kSummaryTag)
                caixa->SetChecked(true);
        std::map<int, std::map<QString, QString>> valores;
        prompter.AnswerWith([&](const TPromptRequest& request) {
            EXPECT_NE(dynamic_cast<TfrmPreview*>(TControl::ControlOf(qobject_cast<QWidget*>(request.Window))),
                      nullptr);
            for (int secao = ResOpProprias; secao <= ResDemais; ++secao) {
                auto* relatorio = static_cast<MirrorSummaryReport*>(dialogo->Reports()[secao]);
                for (int i = 0; relatorio && i < relatorio->ComponentCount(); ++i)
                    if (auto* label = dynamic_cast<TReportLabel*>(relatorio->Components(i));
                        label && label->Parent() == static_cast<TReportBand*>(relatorio->qrbValores) &&
                        label->Enabled() && !label->Name().isEmpty())
                        valores[secao][label->Name()] = label->Caption();
            }
            return TPromptResult{mrOk, {}};
        });
        Application->SafeCall(dialogo.get(), [&dialogo] { dialogo->btnImprimir->Click(); });
        return valores;
    }
};

} // namespace

TEST_F(MirrorAgainstPagesTest, EverySummaryPagePrintsWhatItsPageShows) {
    using O = DeclarationFixture::Occurrences;
    const auto raw = Currency::fromRaw;
    AbreComLinhas(QStringLiteral("VL_SALDO_ANTERIOR = 131300.0099, VL_SALDO_ANTERIOR_ST = 1.2399"));
    Linhas().AddInterstateEntry(1, 33, raw(10471606180), raw(1000099), raw(50), raw(77), {});
    Linhas().AddInterstateExit(1, 35, raw(1000099), raw(2000099), raw(50), raw(99), {}, {});
    Linhas().AddFreeTradeExit(1, 124, raw(1000099), raw(50), QDate(Ano, Mes, 2));
    Linhas().AddOccurrence(O::OutroICMS, 1, 2, Linhas().LegalGround('O', 35, 1), raw(99),
                           {QStringLiteral("Legislação")});

    struct Par {
        const char* painel;
        int secao;
        const char* rotulo;
    };
    std::vector<std::pair<int, std::vector<Par>>> paginas;
    for (const auto& [no, secao] :
         {std::pair{NoOpProprias, ResOpProprias}, {NoSubTributaria, ResSubTributaria}})
        paginas.push_back({no,
                           {{"pnlVlContabilEntradas", secao, "qrlEntContabil"},
                            {"pnlBaseCalculoEntradas", secao, "qrlEntBaseCalculo"},
                            {"pnlImpostoEntradas", secao, "qrlEntImposto"},
                            {"pnlOpIsentasEntradas", secao, "qrlEntIsentas"},
                            {"pnlOutOpEntradas", secao, "qrlEntOutras"},
                            {"pnlVlContabilSaidas", secao, "qrlSaiContabil"},
                            {"pnlBaseCalculoSaidas", secao, "qrlSaiBaseCalculo"},
                            {"pnlImpostoSaidas", secao, "qrlSaiImposto"},
                            {"pnlOpIsentasSaidas", secao, "qrlSaiIsentas"},
                            {"pnlOutOpSaidas", secao, "qrlSaiOutras"},
                            {"pnlCrImposto", secao, "qrlCrImposto"},
                            {"pnlCI_OutCreditos", secao, "qrlOutCreditos"},
                            {"pnlCI_EstDebitos", secao, "qrlEstDebitos"},
                            {"pnlTotalPartCRI", secao, "qrlSubtotalCreditos"},
                            {"pnlSCPerAnterior", secao, "qrlSaldoAnterior"},
                            {"pnlTotalCr_Imp", secao, "qrlTotalCreditos"},
                            {"pnlDebImposto", secao, "qrlDbImposto"},
                            {"pnlDI_OutDebitos", secao, "qrlOutDebitos"},
                            {"pnlDI_EstCreditos", secao, "qrlEstCreditos"},
                            {"pnlTotalDb_Imp", secao, "qrlTotalDebitos"},
                            {"pnlSaldoDevedor", secao, "qrlSaldoDevedor"},
                            {"pnlDeducoes", secao, "qrlDeducoes"},
                            {"pnlImpRecolher", secao, "qrlImpostoRecolher"},
                            {"pnlSCTransportar", secao, "qrlSaldoCredor"},
                            {"pnlPrazoEsp", secao, "qrlPrazoEspecial"},
                            {"pnlImpFinalRec", secao, "qrlImpostoFinal"}}});
    paginas.push_back({NoOpInter,
                       {{"pnlVlContabilEntradas", ResOpInter, "qrlEntContabil"},
                        {"pnlBaseCalculoEntradas", ResOpInter, "qrlEntBaseCalculo"},
                        {"pnlPetroleoEntradas", ResOpInter, "qrlEntPetroleoEnergia"},
                        {"pnlOutrosProdutos", ResOpInter, "qrlEntOutrosProdutos"},
                        {"pnlOutOpEntradas", ResOpInter, "qrlEntOutras"},
                        {"pnlContContrib", ResOpInter, "qrlSaiContabilCntb"},
                        {"pnlContNaoContrib", ResOpInter, "qrlSaiContabilNaoCntb"},
                        {"pnlBaseContrib", ResOpInter, "qrlSaiBaseCalculoCntb"},
                        {"pnlBaseNaoContrib", ResOpInter, "qrlSaiBaseCalculoNaoCntb"},
                        {"pnlOutOp", ResOpInter, "qrlSaiOutras"},
                        {"pnlImpCobrado", ResOpInter, "qrlSaiImpostoCobradoST"}}});
    paginas.push_back({NoDemais,
                       {{"pnlICMS", ResDemais, "qrlOutrosICMS"},
                        {"pnlVlNotaFiscal", ResDemais, "qrlVlNotaFiscal"},
                        {"pnlNum", ResDemais, "qrlNumeroNotas"},
                        {"pnlVlIsentasALC", ResDemais, "qrlVlIsentas"},
                        {"pnlCompProprio", ResSCExportacao, "qrlCompProprio"},
                        {"pnlCompEstab", ResSCExportacao, "qrlCompEstab"},
                        {"pnlTransf", ResSCExportacao, "qrlTransferencias"},
                        {"pnlSCProxPeriodo", ResSCExportacao, "qrlSaldoProximoPeriodo"}}});

    // What each page shows, then what the mirror prints.
    std::vector<std::tuple<QString, int, QString, QString>> naPagina;
    for (const auto& [no, pares] : paginas) {
        Seleciona(no);
        for (const Par& par : pares) {
            auto* painel = dynamic_cast<TPanel*>(editor->Page()->FindComponent(QLatin1String(par.painel)));
            ASSERT_NE(painel, nullptr) << par.painel;
            if (painel->Visible() && painel->Parent()->Visible()) // shown
                naPagina.emplace_back(QLatin1String(par.painel), par.secao, QLatin1String(par.rotulo),
                                      painel->Caption());
        }
    }
    const auto impresso = Espelho();
    for (const auto& [painel, secao, rotulo, mostrado] : naPagina) {
        SCOPED_TRACE(painel.toStdString());
        ASSERT_TRUE(impresso.count(secao)) << secao;
        const auto it = impresso.at(secao).find(rotulo);
        ASSERT_NE(it, impresso.at(secao).end()) << rotulo.toStdString();
        EXPECT_EQ(it->second.trimmed(), mostrado.trimmed()) << rotulo.toStdString();
    }
    // The stored fractions of a cent show alike on both: 131.300,0099 as 131.300,01.
    EXPECT_EQ(impresso.at(ResOpProprias).at(QStringLiteral("qrlSaldoAnterior")),
              QStringLiteral("131.300,01"));
}
