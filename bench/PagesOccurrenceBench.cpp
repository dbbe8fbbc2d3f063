// Opening the occurrence pages of the declaration editor (other credits and
// debits, reversals, deductions and special terms of both computations, and
// the other ICMS due) on the big declaration: 2,000 entries, 2,000 exits and
// 500 rows in each occurrence table for each computation. Opening is what
// the editor does when its tree chooses a page: create it in the detail
// panel, prepare it (its rows, the legal grounds of the period, the chooser)
// and show it painted; closing frees it and its sets. Target: under 200 ms
// per page. Run with QT_QPA_PLATFORM=offscreen on a machine without a
// display.

#include "bench/BenchMedian.h"
#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "declarations/pages/TfrmDetOpPropDeducoes.h"
#include "declarations/pages/TfrmDetOpPropEstCreditos.h"
#include "declarations/pages/TfrmDetOpPropEstDebitos.h"
#include "declarations/pages/TfrmDetOpPropOutCreditos.h"
#include "declarations/pages/TfrmDetOpPropOutDebitos.h"
#include "declarations/pages/TfrmDetOpPropPrazosEspeciais.h"
#include "declarations/pages/TfrmDetOutICMS.h"
#include "declarations/pages/TfrmDetSubTribDeducoes.h"
#include "declarations/pages/TfrmDetSubTribEstCreditos.h"
#include "declarations/pages/TfrmDetSubTribEstDebitos.h"
#include "declarations/pages/TfrmDetSubTribOutCreditos.h"
#include "declarations/pages/TfrmDetSubTribOutDebitos.h"
#include "declarations/pages/TfrmDetSubTribPrazosEspeciais.h"
#include "platform/base/TPrompter.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/ui/TApplication.h"
#include "tests/support/database/DeclarationFixture.h"
#include "tests/support/database/TempDatabase.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr double kTargetMs = 200;

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
    TfrmDetalheDEF* (*create)(TComponent*);
};

template <class P> TfrmDetalheDEF* Create(TComponent* owner) {
    return TForm::Create<P>(owner);
}

const Page kPages[] = {
    {4, "own other credits", &Create<TfrmDetOpPropOutCreditos>},
    {5, "own other debits", &Create<TfrmDetOpPropOutDebitos>},
    {6, "own credit reversals", &Create<TfrmDetOpPropEstCreditos>},
    {7, "own debit reversals", &Create<TfrmDetOpPropEstDebitos>},
    {8, "own deductions", &Create<TfrmDetOpPropDeducoes>},
    {9, "own special terms", &Create<TfrmDetOpPropPrazosEspeciais>},
    {13, "substitution other credits", &Create<TfrmDetSubTribOutCreditos>},
    {14, "substitution other debits", &Create<TfrmDetSubTribOutDebitos>},
    {15, "substitution credit reversals", &Create<TfrmDetSubTribEstCreditos>},
    {16, "substitution debit reversals", &Create<TfrmDetSubTribEstDebitos>},
    {17, "substitution deductions", &Create<TfrmDetSubTribDeducoes>},
    {18, "substitution special terms", &Create<TfrmDetSubTribPrazosEspeciais>},
    {20, "other ICMS due", &Create<TfrmDetOutICMS>},
};

// The tax-substitution twins of the big declaration's occurrence rows:
// 500 more rows in each table, under a ground of the substitution.
void SubstitutionRows(TDMDefGeral& geral, DeclarationFixture& fixture) {
    struct Table {
        const char* table;
        const char* key;
        const char* value;
        int kind;
    };
    const Table tables[] = {
        {"OUTRO_CREDITO_DECLARADO", "SQ_OUTRO_CREDITO_DECLARADO", "VL_OUTRO_CREDITO", 7},
        {"OUTRO_DEBITO_DECLARADO", "SQ_OUTRO_DEBITO_DECLARADO", "VL_OUTRO_DEBITO", 2},
        {"ESTORNO_CREDITO_DECLARADO", "SQ_ESTORNO_CREDITO_DECLARADO", "VL_ESTORNO_CREDITO", 3},
        {"ESTORNO_DEBITO_DECLARADO", "SQ_ESTORNO_DEBITO_DECLARADO", "VL_ESTORNO_DEBITO", 8},
        {"DEDUCAO_DECLARADA", "SQ_DEDUCAO_DECLARADA", "VL_DEDUCAO", 14},
        {"PRAZO_ESPECIAL_DECLARADO", "SQ_PRAZO_ESPECIAL_DECLARADO", "VL_PRAZO_ESPECIAL", 30}};
    geral.ibsqlAuxiliar->SetParamCheck(false);
    for (const Table& t : tables) {
        const int ground = fixture.LegalGround('S', t.kind, 1);
        const QString block =
            QStringLiteral("EXECUTE BLOCK AS DECLARE i INTEGER = 0; BEGIN WHILE (i < %1) DO BEGIN "
                           "INSERT INTO %2 (%3, SQ_DECLARACAO, SQ_OCORRENCIA_DEF, %4, VL_COMPLEMENTO_1) "
                           "VALUES (%5 + :i, 1, %6, 2.5, 'Legislação'); i = i + 1; END END")
                .arg(DeclarationFixture::BigRowsPerTable)
                .arg(QString::fromLatin1(t.table), QString::fromLatin1(t.key), QString::fromLatin1(t.value))
                .arg(DeclarationFixture::BigRowsPerTable + 1)
                .arg(ground);
        if (!geral.ExecutaSQL(block))
            throw Exception(QStringLiteral("Cannot fill %1").arg(QString::fromLatin1(t.table)));
    }
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
        SubstitutionRows(geral, fixture);
        def.cdsDeclaracao->Open();
        if (!def.cdsDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), 1))
            throw Exception(QStringLiteral("No declaration"));

        // The editor's detail area.
        auto* panel = Application->CreateForm<TForm>();
        panel->SetBounds(0, 0, 700, 500);
        panel->Show();
        Application->ProcessMessages();

        std::printf("%-35s %10s %10s %8s\n", "page (node)", "median ms", "max ms", "rows");
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
            allUnder = allUnder && median < kTargetMs;
            std::printf("%-30s (%2d) %10.1f %10.1f %8d %s\n", page.name, page.node, median,
                        *std::max_element(times.begin(), times.end()), rows,
                        median < kTargetMs ? "ok" : "OVER");
        }
        std::printf("target: every page opens in < %.0f ms: %s\n", kTargetMs, allUnder ? "met" : "NOT met");
        geral.ibDBDef->Close();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
