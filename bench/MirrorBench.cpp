// The full mirror of the big fixture declaration (2,000 entries, 2,000
// exits, 500 rows in each occurrence and credit-balance table): the data
// sections and the summary sections, each kind as the print dialog makes it.
// Measured per kind: making the sections and opening their queries, preparing
// the composite's pages, and exporting them to PDF. Targets: under 5 ms per
// page prepared, under 20 ms per page to PDF. Run with
// QT_QPA_PLATFORM=offscreen on a machine without a display.

#include "bench/BenchMedian.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "declarations/reports/TfrmDlgEspelhoZeb.h"
#include "platform/base/TPrompter.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBDatabase.h"
#include "platform/report/TCompositeReport.h"
#include "platform/report/TReportPrinter.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TRadioGroup.h"
#include "tests/support/database/DeclarationFixture.h"
#include "tests/support/database/TempDatabase.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kRuns = 5;

// Message boxes would stop the run: any one fails it.
class NoPrompts : public TPrompter {
public:
    TPromptResult Prompt(const TPromptRequest& request) override {
        throw Exception(QStringLiteral("Unexpected prompt: ") + request.Text);
    }
};

void Row(const char* what, double value, const char* unit, double target) {
    if (target > 0)
        std::printf("%-44s %10.2f %-8s (target < %.0f %s) %s\n", what, value, unit, target, unit,
                    value < target ? "ok" : "OVER");
    else
        std::printf("%-44s %10.2f %-8s\n", what, value, unit);
}

void Measure(TfrmDlgEspelhoZeb& dialog, const char* kind, const QString& pdf) {
    std::vector<double> opening, preparing, exporting;
    int pages = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        dialog.CreateReports();
        opening.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        dialog.qrCompositeReports->Prepare();
        pages = dialog.qrCompositeReports->ReportPrinter().PageCount();
        preparing.push_back(timer.nsecsElapsed() / 1e6 / pages);
        timer.restart();
        dialog.qrCompositeReports->ReportPrinter().ExportToPdf(pdf);
        exporting.push_back(timer.nsecsElapsed() / 1e6 / pages);
        dialog.FreeReports();
    }
    std::printf("%s: %d pages, median of %d runs\n", kind, pages, kRuns);
    Row("  sections made, queries opened", Median(opening), "ms", 0);
    Row("  pages prepared", Median(preparing), "ms/page", 5);
    Row("  exported to PDF", Median(exporting), "ms/page", 20);
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
    {
        DeclarationFixture fixture(*geral.ibDBDef);
        fixture.Taxpayer();
        fixture.AddDeclaration({.sq = 1, .ano = 2011, .mes = 1});
        fixture.FillBig(1);
    }
    def.cdsSelDeclaracao->Open();
    if (!def.cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), 1))
        throw Exception(QStringLiteral("The declaration is not in the list"));

    QTemporaryDir folder;
    std::unique_ptr<TfrmDlgEspelhoZeb> dialog(TForm::Create<TfrmDlgEspelhoZeb>(nullptr));
    std::printf("Declaration mirror of the big declaration (%d entries, %d exits, %d rows per table)\n",
                DeclarationFixture::BigEntries, DeclarationFixture::BigExits,
                DeclarationFixture::BigRowsPerTable);
    Measure(*dialog, "Data sections", folder.filePath(QStringLiteral("dados.pdf")));
    dialog->rgTipo->SetItemIndex(1);
    Measure(*dialog, "Summary sections", folder.filePath(QStringLiteral("resumos.pdf")));
    return 0;
}
