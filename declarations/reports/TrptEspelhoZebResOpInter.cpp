#include "declarations/reports/TrptEspelhoZebResOpInter.h"

#include "core/data/RuleMessages.h"
#include "declarations/reports/SummaryColumn.h"

namespace {
// Design units (1/96 inch).
constexpr double kTop = 8;
constexpr double kRightColumn = 372;
constexpr double kCaptionWidth = 226;
constexpr double kValueWidth = 110;
} // namespace

TrptEspelhoZebResOpInter::TrptEspelhoZebResOpInter(TComponent* owner)
    : MirrorSummaryReport(owner, QStringLiteral("rptEspelhoZebResOpInter"),
                          QStringLiteral("Resumo de Operações Interestaduais")) {
    SummaryColumn entradas = Coluna(0, kTop, kCaptionWidth, kValueWidth);
    entradas.Heading(QStringLiteral("Totais de Entrada"));
    qrlEntContabil = entradas.Line(QStringLiteral("qrlEntContabil"), QStringLiteral("Valor Contábil"));
    qrlEntBaseCalculo = entradas.Line(QStringLiteral("qrlEntBaseCalculo"), QStringLiteral("Base de Cálculo"));
    qrlEntOutras = entradas.Line(QStringLiteral("qrlEntOutras"), QStringLiteral("Outras"));
    qrlEntPetroleoEnergia =
        entradas.Line(QStringLiteral("qrlEntPetroleoEnergia"), QStringLiteral("Petróleo e Energia"));
    qrlEntOutrosProdutos =
        entradas.Line(QStringLiteral("qrlEntOutrosProdutos"), QStringLiteral("Outros Produtos"));
    SummaryColumn saidas = Coluna(kRightColumn, kTop, kCaptionWidth, kValueWidth);
    saidas.Heading(QStringLiteral("Totais de Saída"));
    qrlSaiContabilCntb =
        saidas.Line(QStringLiteral("qrlSaiContabilCntb"), QStringLiteral("Valor Contábil Contribuinte"));
    qrlSaiContabilNaoCntb = saidas.Line(QStringLiteral("qrlSaiContabilNaoCntb"),
                                        QStringLiteral("Valor Contábil não Contribuinte"));
    qrlSaiBaseCalculoCntb =
        saidas.Line(QStringLiteral("qrlSaiBaseCalculoCntb"), QStringLiteral("B. de Cálculo Contribuinte"));
    qrlSaiBaseCalculoNaoCntb = saidas.Line(QStringLiteral("qrlSaiBaseCalculoNaoCntb"),
                                           QStringLiteral("B. de Cálculo não Contribuinte"));
    qrlSaiOutras = saidas.Line(QStringLiteral("qrlSaiOutras"), QStringLiteral("Outras"));
    qrlSaiImpostoCobradoST =
        saidas.Line(QStringLiteral("qrlSaiImpostoCobradoST"), QStringLiteral("Imposto Cobrado ST"));
}

void TrptEspelhoZebResOpInter::CalculaValores() {
    const QString chave = Chave().Sql();
    RuleMessages::Query({QStringLiteral("SELECT SUM(VL_CONTABIL) VL_CONTABIL,"),
                         QStringLiteral("SUM(VL_BASE_CALCULO) VL_BASE_CALCULO,"),
                         QStringLiteral("SUM(VL_OUTRAS_OPERACOES) VL_OUTRAS_OPERACOES,"),
                         QStringLiteral("SUM(VL_PETROLEO_ENERGIA) VL_PETROLEO_ENERGIA,"),
                         QStringLiteral("SUM(VL_OUTROS_PRODUTOS) VL_OUTROS_PRODUTOS"),
                         QStringLiteral("FROM ENTRADA_IE_DECLARADA "),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    Mostra(qrlEntContabil, Soma("VL_CONTABIL"));
    Mostra(qrlEntBaseCalculo, Soma("VL_BASE_CALCULO"));
    Mostra(qrlEntOutras, Soma("VL_OUTRAS_OPERACOES"));
    Mostra(qrlEntPetroleoEnergia, Soma("VL_PETROLEO_ENERGIA"));
    Mostra(qrlEntOutrosProdutos, Soma("VL_OUTROS_PRODUTOS"));
    RuleMessages::Query({QStringLiteral("SELECT SUM(VL_CONTABIL_NAO_CNTB) VL_CONTABIL_NAO_CNTB,"),
                         QStringLiteral("SUM(VL_CONTABIL_CNTB) VL_CONTABIL_CNTB,"),
                         QStringLiteral("SUM(VL_BASE_CALCULO_NAO_CNTB) VL_BASE_CALCULO_NAO_CNTB,"),
                         QStringLiteral("SUM(VL_BASE_CALCULO_CNTB) VL_BASE_CALCULO_CNTB,"),
                         QStringLiteral("SUM(VL_OUTRAS_OPERACOES) VL_OUTRAS_OPERACOES,"),
                         QStringLiteral("SUM(VL_IMPOSTO_COBRADO_ST) VL_IMPOSTO_COBRADO_ST"),
                         QStringLiteral("FROM SAIDA_IE_DECLARADA "),
                         QStringLiteral("WHERE SQ_DECLARACAO = ") + chave});
    Mostra(qrlSaiContabilCntb, Soma("VL_CONTABIL_CNTB"));
    Mostra(qrlSaiContabilNaoCntb, Soma("VL_CONTABIL_NAO_CNTB"));
    Mostra(qrlSaiBaseCalculoCntb, Soma("VL_BASE_CALCULO_CNTB"));
    Mostra(qrlSaiBaseCalculoNaoCntb, Soma("VL_BASE_CALCULO_NAO_CNTB"));
    Mostra(qrlSaiOutras, Soma("VL_OUTRAS_OPERACOES"));
    Mostra(qrlSaiImpostoCobradoST, Soma("VL_IMPOSTO_COBRADO_ST"));
}
