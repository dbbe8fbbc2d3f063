#include "declarations/pages/TfrmDetOpInterEntradas.h"

#include "core/data/TDMDef.h"
#include "declarations/registers/RegisterLayout.h"

namespace {
InterstatePage::Shape PageShape() {
    InterstatePage::Shape shape;
    shape.formName = QStringLiteral("frmDetOpInterEntradas");
    shape.caption = QStringLiteral("Entradas Interestaduais");
    shape.dataSourceName = QStringLiteral("dsEntradasInt");
    shape.help =
        QStringLiteral("Subficha utilizada para informar as operações interestaduais de entradas de "
                       "mercadorias e prestações de serviços interestaduais detalhadas por Estado. ");
    shape.ownDataSourceName = QStringLiteral("dsEntradas");
    shape.totalsHeading = QStringLiteral("Total de Entradas Interestaduais");
    shape.exemptPanelName = QStringLiteral("pnlIsentas");
    shape.codePrefix = QLatin1Char('2');
    shape.amounts = {{QStringLiteral("dbeVlContabil"), QStringLiteral("Valor Contábil"),
                      QStringLiteral("VL_CONTABIL"), 8, 50},
                     {QStringLiteral("dbeVlBaseCalculo"), QStringLiteral("Base de Cálculo"),
                      QStringLiteral("VL_BASE_CALCULO"), 215, 50},
                     {QStringLiteral("dbeVlOutOperacoes"), QStringLiteral("Outras"),
                      QStringLiteral("VL_OUTRAS_OPERACOES"), 8, 138},
                     {QStringLiteral("dbeVlPetrEnergia"), QStringLiteral("Petróleo e Energia"),
                      QStringLiteral("VL_PETROLEO_ENERGIA"), 8, 94},
                     {QStringLiteral("dbeVlOutProdutos"), QStringLiteral("Outros Produtos"),
                      QStringLiteral("VL_OUTROS_PRODUTOS"), 215, 94}};
    return shape;
}
} // namespace

TfrmDetOpInterEntradas::TfrmDetOpInterEntradas(TComponent* owner)
    : InterstatePage(owner, DMDef->cdsEntradasInt, DMDef->cdsEntradas, PageShape()) {
    SetGridColumns({{"NomeUF", "Estado", 130},
                    {"VL_CONTABIL", "Valor Contábil", 100},
                    {"VL_BASE_CALCULO", "Base de Cálculo", 110},
                    {"VL_OUTRAS_OPERACOES", "Outras", 90},
                    {"VL_PETROLEO_ENERGIA", "Petróleo e Energia", 125},
                    {"VL_OUTROS_PRODUTOS", "Outros Produtos", 115}});
}
