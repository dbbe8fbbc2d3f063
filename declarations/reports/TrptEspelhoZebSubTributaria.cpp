#include "declarations/reports/TrptEspelhoZebSubTributaria.h"

#include "declarations/reports/MirrorLayout.h"
#include "platform/db/TIBQuery.h"

namespace {

QStringList WithSubstitution(const QString& tabela) {
    return {QStringLiteral("SELECT * "),
            QStringLiteral("FROM ") + tabela,
            QStringLiteral("WHERE SQ_DECLARACAO = :sq_declaracao AND"),
            QStringLiteral("(VL_BASE_CALCULO_ST <> 0 OR"),
            QStringLiteral("VL_IMPOSTO_RETIDO_ST <> 0)"),
            QStringLiteral("order by co_fiscal_operacao")};
}

} // namespace

TrptEspelhoZebSubTributaria::TrptEspelhoZebSubTributaria(TComponent* owner)
    : MirrorSectionReport(owner, QStringLiteral("rptEspelhoZebSubTributaria"),
                          QStringLiteral("ibtSubTributaria")) {
    PageTitleBand(QStringLiteral("Substituição Tributária Interna"));
    DeclarationLine(QStringLiteral("Saldo Credor Anterior"), QStringLiteral("VL_SALDO_ANTERIOR_ST"), 6, 130,
                    90, true);
    DeclarationLine(QStringLiteral("Descrição"), QStringLiteral("TX_OBSERVACAO_ST"), 24, 130, 585, false);

    ibqEntradas = Query(QStringLiteral("ibqEntradas"),
                        WithSubstitution(QStringLiteral("ENTRADA_DECLARADA E")), OperationFields());
    ibqSaidas = Query(QStringLiteral("ibqSaidas"), WithSubstitution(QStringLiteral("SAIDA_DECLARADA ")),
                      OperationFields());
    auto colunas = [](const char* imposto) {
        return std::vector<GroupColumn>{{"CO_FISCAL_OPERACAO", "CFOP", 50},
                                        {"VL_BASE_CALCULO_ST", "Base de Cálculo ST", 140, true},
                                        {"VL_IMPOSTO_RETIDO_ST", imposto, 140, true}};
    };
    MirrorGroup(this, QStringLiteral("Entradas"), QStringLiteral("Entradas"), ibqEntradas,
                colunas("Imposto Creditado ST"));
    MirrorGroup(this, QStringLiteral("Saidas"), QStringLiteral("Saídas"), ibqSaidas,
                colunas("Imposto Debitado ST"));

    const auto ocorrencias = ComputationGroups('S', QStringLiteral("ST"));
    ibqOutCreditosST = ocorrencias[0];
    ibqOutDebitosST = ocorrencias[1];
    ibqEstCreditosST = ocorrencias[2];
    ibqEstDebitosST = ocorrencias[3];
    ibqDeducoesST = ocorrencias[4];
    ibqPrazoEspecialST = ocorrencias[5];
}
