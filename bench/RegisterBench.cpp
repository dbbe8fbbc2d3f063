// The taxpayer register with 10,000 taxpayers: opening the register window,
// a search that finds and locates a taxpayer, preparing the taxpayer listing
// and exporting it to PDF. Targets: window under 300 ms, search and locate
// under 100 ms, listing under 5 ms per page, PDF under 20 ms per page. Run
// with QT_QPA_PLATFORM=offscreen on a machine without a display.

#include "bench/BenchMedian.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "components/search/TfraDataSetSearch.h"
#include "components/search/TfrmDataSetSearch.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "declarations/registers/TfrmCadContribuintes.h"
#include "declarations/registers/TrptContribuinte.h"
#include "platform/base/TPrompter.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TMaskEdit.h"
#include "tests/support/database/TempDatabase.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kTaxpayers = 10000;
constexpr int kRuns = 5;

// Message boxes would stop the run: any one fails it.
class NoPrompts : public TPrompter {
public:
    TPromptResult Prompt(const TPromptRequest& request) override {
        throw Exception(QStringLiteral("Unexpected prompt: ") + request.Text);
    }
};

void Fill(TDMDefGeral& geral) {
    geral.ibsqlAuxiliar->SetParamCheck(false);
    const QString block =
        QStringLiteral("EXECUTE BLOCK AS DECLARE i INTEGER = 0; BEGIN WHILE (i < %1) DO BEGIN "
                       "INSERT INTO CONTRIBUINTE (NU_INSCRICAO, NU_CGC_CPF, NO_RAZAO, NO_CORREIO_ELETRONICO, "
                       "NU_DDD, NU_TEL, IN_CGC_CPF) VALUES (10000000 + :i, 11222333000181, "
                       "'Empresa Comercial ' || :i || ' Ltda', 'contato' || :i || '@empresa.kv', '21', "
                       "'32221234', '1'); i = i + 1; END END")
            .arg(kTaxpayers);
    if (!geral.ExecutaSQL(block))
        throw Exception(QStringLiteral("Cannot fill the taxpayers"));
}

void Row(const char* what, double value, const char* unit, double target) {
    std::printf("%-36s %10.2f %-8s (target < %.0f %s) %s\n", what, value, unit, target, unit,
                value < target ? "ok" : "OVER");
}

} // namespace

int main() {
    TApplication application;
    NoPrompts prompts;
    TPrompter::Install install(prompts);
    TempDatabase banco(false);
    TDMDefGeral geral;
    geral.ibDBDef->SetDatabaseName(banco.Path());
    geral.ibDBDef->Open();
    TDMDefBasica basica;
    TDMDef def;
    TDMDefAux aux;
    Fill(geral);
    auto* frame = Application->CreateForm<TForm>();
    frame->SetFormStyle(TFormStyle::fsMDIForm);
    frame->SetBounds(0, 0, 1024, 768);
    frame->Show();

    std::vector<double> opening;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        auto* window = TfrmModDocumento::Create<TfrmCadContribuintes>(frame, -1);
        Application->ProcessMessages();
        opening.push_back(timer.nsecsElapsed() / 1e6);
        if (def.cdsContribuintes->RecordCount() != kTaxpayers)
            throw Exception(QStringLiteral("Not every taxpayer was read"));
        window->Close();
        Application->ProcessMessages();
    }

    auto* window = TfrmModDocumento::Create<TfrmCadContribuintes>(frame, -1);
    std::vector<double> searching;
    for (int run = 0; run < kRuns; ++run) {
        const int wanted = 10000000 + 1234 + run * 1777;
        Application->OnModalBegin = TNotifyEvent::fromFunction([wanted](TObject* sender) {
            auto* dialog = static_cast<TfrmDataSetSearch*>(sender);
            dialog->fdsPesquisa->edSearch->SetText(QString::number(wanted));
            dialog->fdsPesquisa->acSearch->Execute();
            dialog->SetModalResult(mrOk);
        });
        QElapsedTimer timer;
        timer.start();
        window->fsnCadastro->acSearch()->Execute();
        searching.push_back(timer.nsecsElapsed() / 1e6);
        if (def.cdsContribuintes->FieldByName(QStringLiteral("NU_INSCRICAO"))->AsInteger() != wanted)
            throw Exception(QStringLiteral("The search did not locate the taxpayer"));
    }
    Application->OnModalBegin = nullptr;

    QTemporaryDir folder;
    std::vector<double> preparing;
    std::vector<double> exporting;
    int pages = 0;
    for (int run = 0; run < kRuns; ++run) {
        TrptContribuinte report(window);
        QElapsedTimer timer;
        timer.start();
        report.Prepare();
        pages = report.ReportPrinter().PageCount();
        preparing.push_back(timer.nsecsElapsed() / 1e6 / pages);
        timer.restart();
        report.ReportPrinter().ExportToPdf(folder.filePath(QStringLiteral("contribuintes.pdf")));
        exporting.push_back(timer.nsecsElapsed() / 1e6 / pages);
    }

    std::printf("Taxpayer register, %d taxpayers, median of %d runs; listing of %d pages\n", kTaxpayers,
                kRuns, pages);
    Row("register window opens", Median(opening), "ms", 300);
    Row("search finds and locates", Median(searching), "ms", 100);
    Row("listing prepared", Median(preparing), "ms/page", 5);
    Row("listing exported to PDF", Median(exporting), "ms/page", 20);
    window->Free();
    delete frame;
    return 0;
}
