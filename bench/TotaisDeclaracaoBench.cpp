// Times every totals routine of the auxiliary data module together on one
// declaration with 2,000 entry rows, 2,000 exit rows and 500 rows in each
// occurrence and credit-balance table. Target: under 100 ms per pass.

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "tests/support/TempDatabase.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void Executa(TDMDefGeral& geral, const QString& sql) {
    geral.ibsqlAuxiliar->SetParamCheck(false); // the blocks use :i as a variable
    if (!geral.ExecutaSQL(sql))
        throw Exception(QStringLiteral("Statement failed: ") + sql);
}

// EXECUTE BLOCK that inserts `linhas` rows, :i running from 0.
QString Bloco(int linhas, const QString& insert) {
    return QStringLiteral(
               "EXECUTE BLOCK AS DECLARE i INTEGER = 0; BEGIN WHILE (i < %1) DO BEGIN %2; i = i + 1; "
               "END END")
        .arg(linhas)
        .arg(insert);
}

void Preenche(TDMDefGeral& geral) {
    Executa(geral, QStringLiteral("INSERT INTO CONTRIBUINTE (NU_INSCRICAO, NU_CGC_CPF, NO_RAZAO, IN_CGC_CPF) "
                                  "VALUES (12345674, 11222333000181, 'Bench', '1')"));
    Executa(geral, QStringLiteral("INSERT INTO DECLARACAO_ECONOMICO_FISCAL (SQ_DECLARACAO, NU_INSCRICAO, "
                                  "AN_REFERENCIA, ME_REFERENCIA, IN_RETIFICADORA, IN_PERIODICIDADE, "
                                  "IN_BAIXA_CONTRIBUINTE, IN_OPER_PROP_SEM_MOV, IN_SUBST_TRIBUT_SEM_MOV, "
                                  "IN_OUTROS_ICMS_SEM_MOV, IN_ALC_ZFM_SEM_MOV) "
                                  "VALUES (1, 12345674, 2011, 1, 'N', 'M', 'N', 'N', 'N', 'N', 'N')"));
    Executa(geral,
            Bloco(2000, QStringLiteral("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, "
                                       "VL_CONTABIL, VL_IMPOSTO, VL_BASE_CALCULO_ST) "
                                       "VALUES (1, 1000 + :i, 100.1234, 18.5, 1)")));
    Executa(geral,
            Bloco(2000, QStringLiteral("INSERT INTO SAIDA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, "
                                       "VL_CONTABIL, VL_IMPOSTO) VALUES (1, 5000 + :i, 200.5, 36.09)")));
    struct Tabela {
        const char* nome;
        const char* chave;
        const char* valor;
        const char* ocorrencia;
    };
    const Tabela tabelas[] = {
        {"OUTRO_CREDITO_DECLARADO", "SQ_OUTRO_CREDITO_DECLARADO", "VL_OUTRO_CREDITO", "121"},
        {"OUTRO_DEBITO_DECLARADO", "SQ_OUTRO_DEBITO_DECLARADO", "VL_OUTRO_DEBITO", "104"},
        {"ESTORNO_CREDITO_DECLARADO", "SQ_ESTORNO_CREDITO_DECLARADO", "VL_ESTORNO_CREDITO", "111"},
        {"ESTORNO_DEBITO_DECLARADO", "SQ_ESTORNO_DEBITO_DECLARADO", "VL_ESTORNO_DEBITO", "131"},
        {"DEDUCAO_DECLARADA", "SQ_DEDUCAO_DECLARADA", "VL_DEDUCAO", "141"},
        {"PRAZO_ESPECIAL_DECLARADO", "SQ_PRAZO_ESPECIAL_DECLARADO", "VL_PRAZO_ESPECIAL", "151"},
        {"OUTRO_ICMS_DEVIDO", "SQ_OUTRO_ICMS_DEVIDO", "VL_LANCAMENTO", "211"},
        {"SALDO_CREDOR_COMPENSADO", "SQ_SALDO_CREDOR_COMPENSADO", "VL_COMPENSADO", "307"},
        {"SALDO_CREDOR_TRANSFERIDO", "SQ_SALDO_CREDOR_TRANSFERIDO", "VL_SALDO_TRANSFERIDO", "302"},
        {"SALDO_CREDOR_RECEBIDO", "SQ_SALDO_CREDOR_RECEBIDO", "VL_SALDO_RECEBIDO", "306"},
        {"SALDO_CREDOR_COMP_PROPRIO", "SQ_SALDO_CREDOR_COMP_PROPRIO", "VL_COMPENSACAO", "301"}};
    for (const Tabela& t : tabelas)
        Executa(geral, Bloco(500, QStringLiteral("INSERT INTO %1 (%2, SQ_DECLARACAO, SQ_OCORRENCIA_DEF, %3) "
                                                 "VALUES (:i + 1, 1, %4, 1.25)")
                                      .arg(QString::fromLatin1(t.nome), QString::fromLatin1(t.chave),
                                           QString::fromLatin1(t.valor), QString::fromLatin1(t.ocorrencia))));
}

void TodosOsTotais(TDMDefAux& aux) {
    const QString chave = QStringLiteral("1");
    const Currency anterior = Currency::fromUnits(100);
    aux.CalculaOperacoesProprias(chave);
    aux.CalculaResumoOperacoes(chave, anterior, Currency::fromUnits(10),
                               Currency()); // with the export balance
    aux.CalculaSubstTributaria(chave);
    aux.CalculaOutrosICMS(chave);
    aux.ContaMovOperProp(chave);
    aux.ContaMovSubstTribut(chave);
    aux.ContaMovOutrosICMS(chave);
    aux.ContaMovALCZFM(chave);
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
        Preenche(geral);

        constexpr int passes = 20;
        std::vector<double> tempos;
        TodosOsTotais(aux); // warm-up: statements prepared, pages cached
        for (int i = 0; i < passes; ++i) {
            QElapsedTimer relogio;
            relogio.start();
            TodosOsTotais(aux);
            tempos.push_back(static_cast<double>(relogio.nsecsElapsed()) / 1e6);
        }
        std::sort(tempos.begin(), tempos.end());
        std::printf(
            "all totals, 2000 entries + 2000 exits + 500 rows x 11 tables: min %.1f ms, median %.1f ms, "
            "max %.1f ms (%d passes)\n",
            tempos.front(), tempos[tempos.size() / 2], tempos.back(), passes);
        std::printf("VlEntContabil %s, VlSaiContabil %s, VlSaldoProximoPeriodo %s\n",
                    qPrintable(aux.VlEntContabil.toString()), qPrintable(aux.VlSaiContabil.toString()),
                    qPrintable(aux.VlSaldoProximoPeriodo.toString()));
        geral.ibDBDef->Close();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
