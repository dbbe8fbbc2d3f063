#include "declarations/pages/TfrmDetOpInterSaidas.h"

#include "core/data/TDMDef.h"
#include "declarations/registers/RegisterLayout.h"

namespace {
InterstatePage::Shape PageShape() {
    InterstatePage::Shape shape;
    shape.formName = QStringLiteral("frmDetOpInterSaidas");
    shape.caption = QStringLiteral("Saidas Interestaduais");
    shape.dataSourceName = QStringLiteral("dsSaidasInter");
    shape.help =
        QStringLiteral("Subficha utilizada para informar as operações interestaduais de saídas de "
                       "mercadorias e prestações de serviços interestaduais detalhadas por Estado. ");
    shape.ownDataSourceName = QStringLiteral("dsSaidas");
    shape.totalsHeading = QStringLiteral("Total de Saídas Interestaduais");
    shape.exemptPanelName = QStringLiteral("pnlImpostoRetido");
    shape.codePrefix = QLatin1Char('6');
    shape.amounts = {{QStringLiteral("dbeVlContabilNCNTB"), QStringLiteral("Valor Contábil não Contrib."),
                      QStringLiteral("VL_CONTABIL_NAO_CNTB"), 8, 50},
                     {QStringLiteral("dbeVlContabilCNTB"), QStringLiteral("Valor Contábil Contrib."),
                      QStringLiteral("VL_CONTABIL_CNTB"), 215, 50},
                     {QStringLiteral("dbeVlBCalcNCNTB"), QStringLiteral("Base Cálculo não Contrib."),
                      QStringLiteral("VL_BASE_CALCULO_NAO_CNTB"), 8, 94},
                     {QStringLiteral("dbeVlBCalcCNTB"), QStringLiteral("Base Cálculo Contrib."),
                      QStringLiteral("VL_BASE_CALCULO_CNTB"), 215, 94},
                     {QStringLiteral("dbeVlOutOperacoes"), QStringLiteral("Outras"),
                      QStringLiteral("VL_OUTRAS_OPERACOES"), 8, 158},
                     {QStringLiteral("dbeVlImpostoST"), QStringLiteral("Imposto"),
                      QStringLiteral("VL_IMPOSTO_COBRADO_ST"), 215, 158}};
    shape.headings = {{QStringLiteral("Imposto Cobrado por  Substituição Tributária"), 215, 138}};
    return shape;
}
} // namespace

TfrmDetOpInterSaidas::TfrmDetOpInterSaidas(TComponent* owner)
    : InterstatePage(owner, DMDef->cdsSaidasInt, DMDef->cdsSaidas, PageShape()) {
    SetGridColumns({{"SiglaUF", "UF", 35},
                    {"VL_CONTABIL_NAO_CNTB", "Cont. não Contr.", 118},
                    {"VL_CONTABIL_CNTB", "Cont. Contr.", 95},
                    {"VL_BASE_CALCULO_NAO_CNTB", "Base não Contr.", 115},
                    {"VL_BASE_CALCULO_CNTB", "Base Contr.", 90},
                    {"VL_OUTRAS_OPERACOES", "Outras", 85},
                    {"VL_IMPOSTO_COBRADO_ST", "Imposto ST", 90}});
}
