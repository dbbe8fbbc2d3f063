// Times every totals routine of a declaration together on one
// declaration with 2,000 entry rows, 2,000 exit rows and 500 rows in each
// occurrence and credit-balance table. Target: under 100 ms per pass.

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "platform/db/TIBDatabase.h"
#include "tests/support/database/DeclarationFixture.h"
#include "tests/support/database/TempDatabase.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

DeclarationFigures TodosOsTotais(TDMDefAux& aux) {
    const DeclarationKey chave(1);
    const Currency anterior = Currency::fromUnits(100);
    // The five blocks, the export balance with them.
    const DeclarationFigures figuras =
        DeclarationFiguresOf(chave, anterior, Currency::fromUnits(10), Currency());
    aux.ContaMovOperProp(chave);
    aux.ContaMovSubstTribut(chave);
    aux.ContaMovOutrosICMS(chave);
    aux.ContaMovALCZFM(chave);
    return figuras;
}

} // namespace

int main() {
    try {
        TempDatabase banco(false);
        TDMDefGeral geral;
        geral.ibDBDef->SetDatabaseName(banco.Path());
        geral.ibDBDef->Open();
        TDMDefBasica basica;
        TDMDef def;
        TDMDefAux aux;
        DeclarationFixture fixture(*geral.ibDBDef);
        fixture.Taxpayer();
        fixture.AddDeclaration({.sq = 1});
        fixture.FillBig(1);

        constexpr int passes = 20;
        std::vector<double> tempos;
        DeclarationFigures figuras;
        TodosOsTotais(aux); // warm-up: statements prepared, pages cached
        for (int i = 0; i < passes; ++i) {
            QElapsedTimer relogio;
            relogio.start();
            figuras = TodosOsTotais(aux);
            tempos.push_back(static_cast<double>(relogio.nsecsElapsed()) / 1e6);
        }
        std::sort(tempos.begin(), tempos.end());
        std::printf(
            "all totals, 2000 entries + 2000 exits + 500 rows x 11 tables: min %.1f ms, median %.1f ms, "
            "max %.1f ms (%d passes)\n",
            tempos.front(), tempos[tempos.size() / 2], tempos.back(), passes);
        std::printf("VlEntContabil %s, VlSaiContabil %s, VlSaldoProximoPeriodo %s\n",
                    qPrintable(figuras.OwnOperations.VlEntContabil.toString()),
                    qPrintable(figuras.OwnOperations.VlSaiContabil.toString()),
                    qPrintable(figuras.ExportCredit.VlSaldoProximoPeriodo.toString()));
        geral.ibDBDef->Close();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
