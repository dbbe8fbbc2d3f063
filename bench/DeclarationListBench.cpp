// Times the declaration list and life cycle on 500 declarations, one of them
// the big declaration (2,000 entries, 2,000 exits, 500 rows per occurrence
// and credit-balance table): the list window opening, the editor opening on
// the big declaration (its first page shown), and a rectification that
// copies every value of it. Targets: 200 ms, 300 ms and 1 s.

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "core/forms/DocumentWindows.h"
#include "core/forms/TfrmModPrincipal.h"
#include "declarations/editor/TfrmDeclaracao.h"
#include "declarations/list/TfrmSelDeclaracao.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBDatabase.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TTreeView.h"
#include "tests/support/database/DeclarationFixture.h"
#include "tests/support/database/TempDatabase.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Figure {
    double min, median, max;
};

Figure Time(int passes, const std::function<void()>& before, const std::function<void()>& work,
            const std::function<void()>& after) {
    std::vector<double> times;
    for (int i = 0; i < passes; ++i) {
        before();
        QElapsedTimer clock;
        clock.start();
        work();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        after();
    }
    std::sort(times.begin(), times.end());
    return {times.front(), times[times.size() / 2], times.back()};
}

void Print(const char* what, const Figure& figure, double target) {
    std::printf("%-52s min %7.1f ms  median %7.1f ms  max %7.1f ms  (target < %.0f ms)\n", what, figure.min,
                figure.median, figure.max, target);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication application(argc, argv);
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
        for (int sq = 1; sq <= 499; ++sq)
            fixture.AddDeclaration({.sq = sq, .ano = 1998 + sq / 12, .mes = 1 + sq % 12});
        fixture.AddDeclaration({.sq = 1000, .ano = 2041, .mes = 6});
        fixture.FillBig(1000);
        fixture.Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET DT_TRANSMISSAO = '2041-07-01' "
                        "WHERE SQ_DECLARACAO = 1000");
        fixture.Execute("UPDATE PARAMETROS_DEF SET VL_PARAM1 = 2000 WHERE ID_PARAMETRO = 3");

        auto* principal = application.CreateForm<TfrmModPrincipal>();
        principal->Show();
        TfrmSelDeclaracao* lista = nullptr;
        const Figure abrirLista = Time(
            5, [] {}, [&] { lista = ShowDocument<TfrmSelDeclaracao>(principal, -1); },
            [&] {
                lista->Close();
                application.ProcessMessages();
            });
        Print("list window opens on 500 declarations", abrirLista, 200);

        lista = ShowDocument<TfrmSelDeclaracao>(principal, -1);
        TfrmDeclaracao* editor = nullptr;
        const Figure abrirEditor = Time(
            5, [&] { def.cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), 1000); },
            [&] {
                lista->acAlterarExecute(lista);
                editor = dynamic_cast<TfrmDeclaracao*>(principal->ActiveMDIChild());
                if (editor->OnActivate)
                    editor->FormActivate(editor);
                editor->tvNavegador->FlushChange();
            },
            [&] {
                editor->Close();
                application.ProcessMessages();
            });
        Print("editor opens on the big declaration", abrirEditor, 300);

        const Figure retificar = Time(
            3, [&] { def.cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), 1000); },
            [&] {
                if (lista->CriaDeclaracaoRetificadora(true) == 0)
                    throw Exception(QStringLiteral("the rectification failed"));
            },
            [&] { def.cdsSelDeclaracao->Refresh(); });
        Print("rectification copying every value of it", retificar, 1000);
        std::printf(
            "entries copied per rectification: %d\n",
            banco.Count(QStringLiteral("SELECT COUNT(*) FROM ENTRADA_DECLARADA WHERE SQ_DECLARACAO = %1")
                            .arg(lista->LastRectifying)));
        delete principal;
        application.ProcessMessages();
        geral.ibDBDef->Close();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
