#include "declarations/reports/TrptEspelhoZebOpInter.h"

#include "core/data/ModuleComponents.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/reports/MirrorLayout.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBQuery.h"

namespace {

QStringList OfDeclaration(const QString& tabela) {
    return {QStringLiteral("SELECT * "), QStringLiteral("FROM ") + tabela,
            QStringLiteral("WHERE SQ_DECLARACAO = :sq_declaracao")};
}

void AddStateLookup(TIBQuery* query) {
    MakeLookupField(query, QStringLiteral("UF"), 2, DMDefBasica->cdsUFs, QStringLiteral("CO_UF"),
                    QStringLiteral("CO_UF"), QStringLiteral("SG_UF"));
}

} // namespace

TrptEspelhoZebOpInter::TrptEspelhoZebOpInter(TComponent* owner)
    : MirrorSectionReport(owner, QStringLiteral("rptEspelhoZebOpInter"), QStringLiteral("ibtOpInter")) {
    PageTitleBand(QStringLiteral("Operações Interestaduais"));
    ibqEntradasInter =
        Query(QStringLiteral("ibqEntradasInter"), OfDeclaration(QStringLiteral("ENTRADA_IE_DECLARADA")),
              {"SQ_DECLARACAO:F", "CO_UF:H", "VL_CONTABIL:M", "VL_BASE_CALCULO:M", "VL_OUTRAS_OPERACOES:M",
               "VL_PETROLEO_ENERGIA:M", "VL_OUTROS_PRODUTOS:M"});
    AddStateLookup(ibqEntradasInter);
    ibqSaidasInter =
        Query(QStringLiteral("ibqSaidasInter"), OfDeclaration(QStringLiteral("SAIDA_IE_DECLARADA")),
              {"SQ_DECLARACAO:F", "CO_UF:H", "VL_CONTABIL_NAO_CNTB:M", "VL_CONTABIL_CNTB:M",
               "VL_BASE_CALCULO_NAO_CNTB:M", "VL_BASE_CALCULO_CNTB:M", "VL_OUTRAS_OPERACOES:M",
               "VL_IMPOSTO_COBRADO_ST:M"});
    AddStateLookup(ibqSaidasInter);

    MirrorGroup(this, QStringLiteral("EntradasInter"), QStringLiteral("Entradas Interestaduais"),
                ibqEntradasInter,
                {{"UF", "UF", 30},
                 {"VL_CONTABIL", "Valor Contábil", 130, true},
                 {"VL_BASE_CALCULO", "Base de Cálculo", 130, true},
                 {"VL_OUTRAS_OPERACOES", "Outras", 130, true},
                 {"VL_OUTROS_PRODUTOS", "Outros Produtos", 130, true},
                 {"VL_PETROLEO_ENERGIA", "Petróleo e Energia", 130, true}});
    MirrorGroup(this, QStringLiteral("SaidasInter"), QStringLiteral("Saídas Interestaduais"), ibqSaidasInter,
                {{"UF", "UF", 30},
                 {"VL_CONTABIL_CNTB", "Valor Contábil Contrib.", 107, true},
                 {"VL_CONTABIL_NAO_CNTB", "Valor Contábil não Contrib.", 107, true},
                 {"VL_BASE_CALCULO_CNTB", "Base de Cálculo Contrib.", 107, true},
                 {"VL_BASE_CALCULO_NAO_CNTB", "Base de Cálculo não Contrib.", 107, true},
                 {"VL_OUTRAS_OPERACOES", "Outras", 107, true},
                 {"VL_IMPOSTO_COBRADO_ST", "Imposto Cobrado ST", 107, true}});
}
