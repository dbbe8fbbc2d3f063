// The mirror's summary of the own operations against the summary page of
// the editor, on one declaration with rows in every table: each figure the
// page shows is the figure the mirror prints.

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

constexpr int NoOpProprias = 35;
// The own-operations summary among the dialog's sections.
constexpr int SecaoResOpProprias = 8;

class MirrorAgainstPagesTest : public BalancePages {
protected:
    // The value labels of the own-operations summary as the mirror prints them.
    std::map<QString, QString> Espelho() {
        TClientDataSet* lista = def->cdsSelDeclaracao;
        lista->Open();
        EXPECT_TRUE(lista->Locate(QStringLiteral("SQ_DECLARACAO"), 1));
        std::unique_ptr<TfrmDlgEspelhoZeb> dialogo(TForm::Create<TfrmDlgEspelhoZeb>(nullptr));
        dialogo->rgTipo->SetItemIndex(1);
        dialogo->cbTodosR->SetChecked(false);
        for (int i = 0; i < dialogo->ComponentCount(); ++i)
            if (auto* caixa = dynamic_cast<TCheckBox*>(dialogo->Components(i));
                caixa && caixa->Tag() == TfrmDlgEspelhoZeb::kTagResumo)
                caixa->SetChecked(caixa->Name() == QStringLiteral("cbOpPropriasR"));
        std::map<QString, QString> valores;
        prompter.AnswerWith([&](const TPromptRequest& request) {
            EXPECT_NE(dynamic_cast<TfrmPreview*>(TControl::ControlOf(qobject_cast<QWidget*>(request.Window))),
                      nullptr);
            auto* relatorio = static_cast<MirrorSummaryReport*>(dialogo->Relatorios()[SecaoResOpProprias]);
            if (!relatorio)
                return TPromptResult{mrOk, {}};
            for (int i = 0; i < relatorio->ComponentCount(); ++i)
                if (auto* label = dynamic_cast<TReportLabel*>(relatorio->Components(i));
                    label && label->Parent() == static_cast<TReportBand*>(relatorio->qrbValores) &&
                    !label->Name().isEmpty())
                    valores[label->Name()] = label->Caption();
            return TPromptResult{mrOk, {}};
        });
        Application->SafeCall(dialogo.get(), [&dialogo] { dialogo->btnImprimir->Click(); });
        return valores;
    }
};

} // namespace

TEST_F(MirrorAgainstPagesTest, TheOwnOperationsSummaryPrintsWhatItsPageShows) {
    // An opening balance in whole cents: with fractions of a cent the page adds
    // it cut to cents and the mirror's summary as stored.
    AbreComLinhas(QStringLiteral("VL_SALDO_ANTERIOR = 100.56"));
    auto* pagina = Pagina<TfrmDetResOpProprias>(NoOpProprias);
    ASSERT_NE(pagina, nullptr);
    const std::vector<std::pair<TPanel*, const char*>> pares = {
        {pagina->pnlEntradas[0], "qrlEntContabil"},     {pagina->pnlEntradas[1], "qrlEntBaseCalculo"},
        {pagina->pnlEntradas[2], "qrlEntImposto"},      {pagina->pnlEntradas[3], "qrlEntIsentas"},
        {pagina->pnlEntradas[4], "qrlEntOutras"},       {pagina->pnlSaidas[0], "qrlSaiContabil"},
        {pagina->pnlSaidas[1], "qrlSaiBaseCalculo"},    {pagina->pnlSaidas[2], "qrlSaiImposto"},
        {pagina->pnlSaidas[3], "qrlSaiIsentas"},        {pagina->pnlSaidas[4], "qrlSaiOutras"},
        {pagina->pnlCrImposto, "qrlCrImposto"},         {pagina->pnlCI_OutCreditos, "qrlOutCreditos"},
        {pagina->pnlCI_EstDebitos, "qrlEstDebitos"},    {pagina->pnlTotalPartCRI, "qrlSubtotalCreditos"},
        {pagina->pnlSCPerAnterior, "qrlSaldoAnterior"}, {pagina->pnlTotalCr_Imp, "qrlTotalCreditos"},
        {pagina->pnlDebImposto, "qrlDbImposto"},        {pagina->pnlDI_OutDebitos, "qrlOutDebitos"},
        {pagina->pnlDI_EstCreditos, "qrlEstCreditos"},  {pagina->pnlTotalDb_Imp, "qrlTotalDebitos"},
        {pagina->pnlSaldoDevedor, "qrlSaldoDevedor"},   {pagina->pnlDeducoes, "qrlDeducoes"},
        {pagina->pnlImpRecolher, "qrlImpostoRecolher"}, {pagina->pnlSCTransportar, "qrlSaldoCredor"},
        {pagina->pnlPrazoEsp, "qrlPrazoEspecial"},      {pagina->pnlImpFinalRec, "qrlImpostoFinal"}};
    std::vector<std::pair<QString, QString>> naPagina;
    for (const auto& [painel, rotulo] : pares)
        naPagina.emplace_back(QLatin1String(rotulo), painel->Caption());

    const std::map<QString, QString> impresso = Espelho();
    ASSERT_FALSE(impresso.empty()) << "the summary was printed";
    for (const auto& [rotulo, mostrado] : naPagina) {
        const auto it = impresso.find(rotulo);
        ASSERT_NE(it, impresso.end()) << rotulo.toStdString();
        EXPECT_EQ(it->second.trimmed(), mostrado.trimmed()) << rotulo.toStdString();
    }
}
