// Opening the interstate, free-trade-area, export credit balance and summary
// pages of the declaration editor on the big declaration: 2,000 entries,
// 2,000 exits and 500 rows in each occurrence and credit-balance table, plus
// one interstate entry and exit for every state and 500 free-trade-area
// invoices. Opening is what the editor does when its tree chooses a page:
// create it in the detail panel, prepare it (its rows, the purposes of the
// period, the totals of a summary) and show it painted; closing frees it and
// its sets. Targets: a grid page under 200 ms, a summary page under 150 ms.
// Run with QT_QPA_PLATFORM=offscreen on a machine without a display.

#include "bench/BenchMedian.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "declarations/pages/GridPage.h"
#include "declarations/pages/TfrmDetALC.h"
#include "declarations/pages/TfrmDetOpInterEntradas.h"
#include "declarations/pages/TfrmDetOpInterSaidas.h"
#include "declarations/pages/TfrmDetResDemais.h"
#include "declarations/pages/TfrmDetResOpInter.h"
#include "declarations/pages/TfrmDetResOpProprias.h"
#include "declarations/pages/TfrmDetResSubTributaria.h"
#include "declarations/pages/TfrmDetResumoDemSaldoAcumulado.h"
#include "declarations/pages/TfrmDetSCCompProprio.h"
#include "declarations/pages/TfrmDetSCCompensado.h"
#include "declarations/pages/TfrmDetSCRecebido.h"
#include "declarations/pages/TfrmDetSCTransferido.h"
#include "platform/base/TPrompter.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/ui/TApplication.h"
#include "tests/support/database/DeclarationFixture.h"
#include "tests/support/database/TempDatabase.h"

#include <QDate>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr double kGridTargetMs = 200;
constexpr double kSummaryTargetMs = 150;
constexpr int kFreeTradeInvoices = 500;
// The state codes of the seed data run below this.
constexpr int kStateCodeLimit = 100;

// Message boxes would stop the run: any one fails it.
class NoPrompts : public TPrompter {
public:
    TPromptResult Prompt(const TPromptRequest& request) override {
        throw Exception(QStringLiteral("Unexpected prompt: ") + request.Text);
    }
};

struct Page {
    int node;
    const char* name;
    bool summary;
    TfrmDetalheDEF* (*create)(TComponent*);
};

template <class P> TfrmDetalheDEF* Create(TComponent* owner) {
    return TForm::Create<P>(owner);
}

const Page kPages[] = {
    {22, "interstate entries", false, &Create<TfrmDetOpInterEntradas>},
    {23, "interstate exits", false, &Create<TfrmDetOpInterSaidas>},
    {25, "free-trade area", false, &Create<TfrmDetALC>},
    {28, "own compensation", false, &Create<TfrmDetSCCompProprio>},
    {29, "compensated", false, &Create<TfrmDetSCCompensado>},
    {30, "transferred", false, &Create<TfrmDetSCTransferido>},
    {33, "received", false, &Create<TfrmDetSCRecebido>},
    {31, "balance evolution", true, &Create<TfrmDetResumoDemSaldoAcumulado>},
    {35, "own operations summary", true, &Create<TfrmDetResOpProprias>},
    {36, "tax substitution summary", true, &Create<TfrmDetResSubTributaria>},
    {37, "interstate summary", true, &Create<TfrmDetResOpInter>},
    {38, "other summaries", true, &Create<TfrmDetResDemais>},
};

// One interstate entry and exit for every state, and the free-trade invoices.
void MoreRows(DeclarationFixture& fixture) {
    const Currency cem = Currency::fromUnits(100);
    int states = 0;
    for (int uf = 1; uf < kStateCodeLimit; ++uf) {
        if (!fixture.Value(QStringLiteral("SELECT CO_UF FROM UFS WHERE CO_UF = ?"), {uf}).isValid())
            continue;
        fixture.AddInterstateEntry(1, uf, cem, cem, cem, cem, cem);
        fixture.AddInterstateExit(1, uf, cem, cem, cem, cem, cem, cem);
        ++states;
    }
    if (states == 0)
        throw Exception(QStringLiteral("No states in the seed data"));
    for (int nota = 1; nota <= kFreeTradeInvoices; ++nota)
        fixture.AddFreeTradeExit(1, nota, cem, Currency::fromUnits(10), QDate(2011, 1, 1));
}

} // namespace

int main() {
    try {
        TApplication application;
        NoPrompts prompts;
        TPrompter::Install install(prompts);
        TempDatabase banco(false);
        TDMDefGeral geral;
        geral.ibDBDef->SetDatabaseName(banco.Path());
        geral.ibDBDef->Open();
        ValorMaximo = geral.LeValorMaximo();
        TDMDefBasica basica;
        TDMDef def;
        TDMDefAux aux;
        DeclarationFixture fixture(*geral.ibDBDef);
        fixture.Taxpayer();
        fixture.AddDeclaration({.sq = 1, .ano = 2011, .mes = 1});
        fixture.FillBig(1);
        MoreRows(fixture);
        def.cdsDeclaracao->Open();
        if (!def.cdsDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), 1))
            throw Exception(QStringLiteral("No declaration"));

        // The editor's detail area.
        auto* panel = Application->CreateForm<TForm>();
        panel->SetBounds(0, 0, 700, 500);
        panel->Show();
        Application->ProcessMessages();

        std::printf("%-35s %10s %10s %8s %8s\n", "page (node)", "median ms", "max ms", "rows", "target");
        bool allUnder = true;
        for (const Page& page : kPages) {
            std::vector<double> times;
            int rows = 0;
            for (int run = 0; run < kRuns; ++run) {
                QElapsedTimer timer;
                timer.start();
                TfrmDetalheDEF* opened = page.create(panel);
                opened->SetParent(panel);
                opened->PreparaQuadro();
                opened->Show();
                Application->ProcessMessages();
                times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
                auto* grid = dynamic_cast<GridPage*>(opened);
                rows = grid ? grid->DataSet()->RecordCount() : 0;
                opened->Close();
                delete opened;
                Application->ProcessMessages();
            }
            const double median = Median(times);
            const double target = page.summary ? kSummaryTargetMs : kGridTargetMs;
            allUnder = allUnder && median < target;
            std::printf("%-30s (%2d) %10.1f %10.1f %8d %6.0f %s\n", page.name, page.node, median,
                        *std::max_element(times.begin(), times.end()), rows, target,
                        median < target ? "ok" : "OVER");
        }
        std::printf("targets (grid pages < %.0f ms, summaries < %.0f ms): %s\n", kGridTargetMs,
                    kSummaryTargetMs, allUnder ? "met" : "NOT met");
        geral.ibDBDef->Close();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
