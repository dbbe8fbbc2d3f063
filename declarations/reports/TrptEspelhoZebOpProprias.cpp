#include "declarations/reports/TrptEspelhoZebOpProprias.h"

#include "declarations/reports/MirrorLayout.h"
#include "platform/db/TIBQuery.h"

TrptEspelhoZebOpProprias::TrptEspelhoZebOpProprias(TComponent* owner)
    : MirrorSectionReport(owner, QStringLiteral("rptEspelhoZebOpProprias"), QStringLiteral("ibtOpProprias")) {
    PageTitleBand(QStringLiteral("Operações Próprias"));
    DeclarationLine(QStringLiteral("Saldo Credor Anterior"), QStringLiteral("VL_SALDO_ANTERIOR"), 6, 130, 90,
                    true);
    DeclarationLine(QStringLiteral("Descrição"), QStringLiteral("TX_OBSERVACAO"), 24, 130, 585, false);

    ibqEntradas = Query(QStringLiteral("ibqEntradas"),
                        {QStringLiteral("SELECT * "), QStringLiteral("FROM ENTRADA_DECLARADA E"),
                         QStringLiteral("WHERE SQ_DECLARACAO = :sq_declaracao"),
                         QStringLiteral("order by co_fiscal_operacao")},
                        OperationFields());
    ibqSaidas = Query(QStringLiteral("ibqSaidas"),
                      {QStringLiteral("SELECT * "), QStringLiteral("FROM SAIDA_DECLARADA "),
                       QStringLiteral("WHERE SQ_DECLARACAO = :sq_declaracao"),
                       QStringLiteral("order by co_fiscal_operacao")},
                      OperationFields());
    auto colunas = [](const char* imposto) {
        return std::vector<GroupColumn>{{"CO_FISCAL_OPERACAO", "CFOP", 50},
                                        {"VL_CONTABIL", "Valor Contábil", 127, true},
                                        {"VL_BASE_CALCULO", "Base de Cálculo", 127, true},
                                        {"VL_IMPOSTO", imposto, 127, true},
                                        {"VL_OPERACOES_ISENTAS", "Isentas e não Tributadas", 127, true},
                                        {"VL_OUTRAS_OPERACOES", "Outras", 127, true}};
    };
    MirrorGroup(this, QStringLiteral("Entradas"), QStringLiteral("Entradas"), ibqEntradas,
                colunas("Imposto Creditado"));
    MirrorGroup(this, QStringLiteral("Saidas"), QStringLiteral("Saídas"), ibqSaidas,
                colunas("Imposto Debitado"));

    const auto ocorrencias = ComputationGroups('N', QStringLiteral("OP"), "Desscrição");
    ibqOutCreditosOP = ocorrencias[0];
    ibqOutDebitosOP = ocorrencias[1];
    ibqEstCreditosOP = ocorrencias[2];
    ibqEstDebitosOP = ocorrencias[3];
    ibqDeducoesOP = ocorrencias[4];
    ibqPrazoEspecialOP = ocorrencias[5];
}
