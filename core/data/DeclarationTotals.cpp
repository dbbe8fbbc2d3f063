#include "core/data/DeclarationTotals.h"

#include "core/data/RuleMessages.h"
#include "core/data/StoredSum.h"
#include "core/data/TDMDefGeral.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

#include <algorithm>
#include <array>

namespace {

// Occurrence tables with their alias and value column, as the existence
// counts and sums name them.
struct OccurrenceTable {
    const char* table;
    const char* alias;
};
constexpr OccurrenceTable OccurrenceTables[] = {
    {"OUTRO_CREDITO_DECLARADO", "OC"},  {"OUTRO_DEBITO_DECLARADO", "OD"}, {"ESTORNO_CREDITO_DECLARADO", "EC"},
    {"ESTORNO_DEBITO_DECLARADO", "ED"}, {"DEDUCAO_DECLARADA", "DE"},      {"PRAZO_ESPECIAL_DECLARADO", "PE"}};

QString OccurrenceExists(const OccurrenceTable& t, char apuracao) {
    const QString a = QString::fromLatin1(t.alias);
    return QStringLiteral("exists (select 1 from %1 %2, FUNDAMENTACAO_LEGAL_DEF FL where %2.SQ_DECLARACAO = "
                          "def.SQ_DECLARACAO and %2.SQ_OCORRENCIA_DEF = FL.SQ_OCORRENCIA_DEF and "
                          "FL.TP_APURACAO = '%3')")
        .arg(QString::fromLatin1(t.table), a, QChar::fromLatin1(apuracao));
}

QString RowExists(const QString& tabela, const QString& condicao = {}) {
    return QStringLiteral("exists (select 1 from %1 X where X.SQ_DECLARACAO = def.SQ_DECLARACAO%2)")
        .arg(tabela, condicao.isEmpty() ? QString() : QStringLiteral(" and ") + condicao);
}

// The seven amounts of an entry or exit row.
constexpr const char* OperationColumns[7] = {
    "VL_CONTABIL",         "VL_BASE_CALCULO",    "VL_IMPOSTO",          "VL_OPERACOES_ISENTAS",
    "VL_OUTRAS_OPERACOES", "VL_BASE_CALCULO_ST", "VL_IMPOSTO_RETIDO_ST"};

const QString InterstateEntries =
    QStringLiteral("((CO_FISCAL_OPERACAO > 199 AND CO_FISCAL_OPERACAO < 300) or \n"
                   " (CO_FISCAL_OPERACAO > 1999 AND CO_FISCAL_OPERACAO < 3000))");
const QString InterstateExits =
    QStringLiteral("((CO_FISCAL_OPERACAO > 599 AND CO_FISCAL_OPERACAO < 700) or \n"
                   " (CO_FISCAL_OPERACAO > 5999 AND CO_FISCAL_OPERACAO < 7000))");
const QString ExportExits =
    QStringLiteral("((CO_FISCAL_OPERACAO in (586,587,686,687,5501,5502,6501,6502)) or\n"
                   "(CO_FISCAL_OPERACAO > 699 and\n"
                   "CO_FISCAL_OPERACAO < 800) or \n"
                   "(CO_FISCAL_OPERACAO > 6999 and \n"
                   "CO_FISCAL_OPERACAO < 8000))");
const QString CreditableEntries = QStringLiteral("((CO_FISCAL_OPERACAO < 500) or \n"
                                                 "((CO_FISCAL_OPERACAO > 1000) and \n"
                                                 "(CO_FISCAL_OPERACAO < 5000)))");
const QString ProportionExits = QStringLiteral("((CO_FISCAL_OPERACAO > 499 and\n"
                                               " CO_FISCAL_OPERACAO < 800) or \n"
                                               "(CO_FISCAL_OPERACAO > 4999 and\n"
                                               " CO_FISCAL_OPERACAO < 8000))");

// SUM(valor) named `nome`, over the rows that meet `condicao` (all rows when
// it is empty). Rows that do not meet it add nothing, so no matching row
// gives NULL, as a filtered SUM would.
QString SumIf(const QString& valor, const QString& nome, const QString& condicao = {}) {
    if (condicao.isEmpty())
        return QStringLiteral("SUM(%1) %2").arg(valor, nome);
    return QStringLiteral("SUM(CASE WHEN %1 THEN %2 END) %3").arg(condicao, valor, nome);
}

// The one-row table `apelido` of the sums of `tabela` over the rows of the declaration.
QString SumsOf(const QString& tabela, const QString& apelido, const QString& chave,
               const QStringList& somas) {
    return QStringLiteral("(SELECT %1 FROM %2 WHERE SQ_DECLARACAO = %3) %4")
        .arg(somas.join(QStringLiteral(", ")), tabela, chave, apelido);
}

// The same for an occurrence table (rows as O, legal ground as FL), over the
// rows whose legal ground has the computation letter `apuracao`.
QString OccurrenceSums(const QString& tabela, const QString& apelido, const QString& chave, char apuracao,
                       const QStringList& somas) {
    return QStringLiteral("(SELECT %1 FROM %2 O JOIN FUNDAMENTACAO_LEGAL_DEF FL ON O.SQ_OCORRENCIA_DEF = "
                          "FL.SQ_OCORRENCIA_DEF WHERE O.SQ_DECLARACAO = %3 AND FL.TP_APURACAO = '%4') %5")
        .arg(somas.join(QStringLiteral(", ")), tabela, chave, QString(QChar::fromLatin1(apuracao)), apelido);
}

// The legal ground's occurrence kind, and number when given (>= 0).
QString OccurrenceOf(int tipo, int numero = -1) {
    QString condicao = QStringLiteral("FL.TP_OCORRENCIA = %1").arg(tipo);
    if (numero >= 0)
        condicao += QStringLiteral(" AND FL.NU_OCORRENCIA = %1").arg(numero);
    return condicao;
}

// One query over the one-row tables: their single joined row.
QStringList CrossJoin(const QStringList& tabelas) {
    QStringList sql{QStringLiteral("SELECT *")};
    for (qsizetype i = 0; i < tabelas.size(); ++i)
        sql << (i == 0 ? QStringLiteral("FROM ") : QStringLiteral("CROSS JOIN ")) + tabelas[i];
    return sql;
}

// The export proportion a / b (b not 0): the quotient rounded half away from
// zero to five decimals, then its fifth decimal dropped, so four are kept
// (0,123456 -> 0,12346 -> 0,1234; 0,999996 -> 1,00000 -> 1).
Currency Proportion(Currency a, Currency b) {
    constexpr int CasasArredondadas = 100000; // five decimals
    constexpr int CasaDescartada = CasasArredondadas / Currency::Scale;
    const __int128 numerador = static_cast<__int128>(a.raw()) * CasasArredondadas;
    const __int128 divisor = b.raw();
    __int128 q = numerador / divisor;
    const __int128 resto = numerador % divisor;
    const __int128 dobro = resto < 0 ? -2 * resto : 2 * resto;
    if (dobro >= (divisor < 0 ? -divisor : divisor))
        q += ((numerador < 0) != (divisor < 0)) ? -1 : 1;
    return Currency::fromRaw(static_cast<std::int64_t>(q / CasaDescartada));
}

// a * b rounded half away from zero to 1/10000.
Currency Product(Currency a, Currency b) {
    const __int128 produto = static_cast<__int128>(a.raw()) * b.raw();
    __int128 q = produto / Currency::Scale;
    const __int128 resto = produto % Currency::Scale;
    if ((resto < 0 ? -resto : resto) * 2 >= Currency::Scale)
        q += produto < 0 ? -1 : 1;
    return Currency::fromRaw(static_cast<std::int64_t>(q));
}

// The sum column of the single result row, cut to hundredths.
Currency Sum(const QString& coluna) {
    return StoredSum(coluna).truncatedToCents();
}

void SumColumns(const QStringList& sql, std::initializer_list<std::pair<const char*, Currency*>> alvos) {
    RuleMessages::Query(sql);
    for (const auto& [coluna, alvo] : alvos)
        *alvo = Sum(QString::fromLatin1(coluna));
}

// The six occurrence tables summed over the legal grounds of computation
// `apuracao` into `alvos`: special terms, other credits, debit reversals,
// other debits, credit reversals, deductions, and the deductions of
// occurrence 14/`numeroDeducao`.
void SumOccurrences(const QString& chave, char apuracao, int numeroDeducao,
                    const std::array<Currency*, 7>& alvos) {
    auto soma = [&](const char* tabela, const char* apelido, const char* nome) {
        const QString coluna = QString::fromLatin1(nome);
        return OccurrenceSums(QString::fromLatin1(tabela), QString::fromLatin1(apelido), chave, apuracao,
                              {SumIf(QStringLiteral("O.VL_") + coluna, coluna)});
    };
    SumColumns(
        CrossJoin({soma("PRAZO_ESPECIAL_DECLARADO", "PE", "PRAZO_ESPECIAL"),
                   soma("OUTRO_CREDITO_DECLARADO", "OC", "OUTRO_CREDITO"),
                   soma("ESTORNO_DEBITO_DECLARADO", "ED", "ESTORNO_DEBITO"),
                   soma("OUTRO_DEBITO_DECLARADO", "OD", "OUTRO_DEBITO"),
                   soma("ESTORNO_CREDITO_DECLARADO", "EC", "ESTORNO_CREDITO"),
                   OccurrenceSums(QStringLiteral("DEDUCAO_DECLARADA"), QStringLiteral("DE"), chave, apuracao,
                                  {SumIf(QStringLiteral("O.VL_DEDUCAO"), QStringLiteral("DEDUCAO")),
                                   SumIf(QStringLiteral("O.VL_DEDUCAO"), QStringLiteral("DEDUCAO_NUMERADA"),
                                         OccurrenceOf(14, numeroDeducao))})}),
        {{"PRAZO_ESPECIAL", alvos[0]},
         {"OUTRO_CREDITO", alvos[1]},
         {"ESTORNO_DEBITO", alvos[2]},
         {"OUTRO_DEBITO", alvos[3]},
         {"ESTORNO_CREDITO", alvos[4]},
         {"DEDUCAO", alvos[5]},
         {"DEDUCAO_NUMERADA", alvos[6]}});
}

int Count(const QStringList& sql) {
    RuleMessages::Query(sql);
    return DMDefGeral->cdsAuxiliar->Fields()[0]->AsInteger();
}

int CountExisting(DeclarationKey key, const QStringList& condicoes) {
    QStringList sql{QStringLiteral("select count(*)"), QStringLiteral("from declaracao_economico_fiscal def"),
                    QStringLiteral("where def.sq_declaracao = ") + key.Sql() + QStringLiteral(" and ( ")};
    sql << condicoes.join(QStringLiteral("\nor ")) << QStringLiteral(")");
    return Count(sql) > 0 ? 1 : 0;
}

} // namespace

int CreditBalanceMovement(DeclarationKey key) {
    return CountExisting(key, {RowExists(QStringLiteral("SALDO_CREDOR_COMPENSADO")),
                               RowExists(QStringLiteral("SALDO_CREDOR_COMP_PROPRIO")),
                               RowExists(QStringLiteral("SALDO_CREDOR_TRANSFERIDO"))});
}

int OwnOperationsMovement(DeclarationKey key) {
    QStringList condicoes{RowExists(QStringLiteral("ENTRADA_DECLARADA")),
                          RowExists(QStringLiteral("SAIDA_DECLARADA"))};
    for (const OccurrenceTable& tabela : OccurrenceTables)
        condicoes << OccurrenceExists(tabela, 'N');
    return CountExisting(key, condicoes);
}

int OtherICMSMovement(DeclarationKey key) {
    return CountExisting(key, {RowExists(QStringLiteral("OUTRO_ICMS_DEVIDO"))});
}

int TaxSubstitutionMovement(DeclarationKey key) {
    const QString comST = QStringLiteral("(X.VL_BASE_CALCULO_ST <> 0 or X.VL_IMPOSTO_RETIDO_ST <> 0)");
    QStringList condicoes{RowExists(QStringLiteral("ENTRADA_DECLARADA"), comST),
                          RowExists(QStringLiteral("SAIDA_DECLARADA"), comST)};
    for (const OccurrenceTable& tabela : OccurrenceTables)
        condicoes << OccurrenceExists(tabela, 'S');
    return CountExisting(key, condicoes);
}

int ALCZFMMovement(DeclarationKey key) {
    return CountExisting(key, {RowExists(QStringLiteral("SAIDA_ALC_DECLARADA"))});
}

void ComputeOwnOperations(DeclarationKey key, OwnOperationsTotals& t) {
    t = {};
    const QString chave = key.Sql();
    // All rows and the interstate ones of a table, named <prefixo><column> and <prefixo>I<column>.
    auto operacoes = [&](const QString& tabela, const QString& prefixo, const QString& interestaduais) {
        QStringList somas;
        for (const char* coluna : OperationColumns) {
            const QString nome = QString::fromLatin1(coluna);
            somas << SumIf(nome, prefixo + nome)
                  << SumIf(nome, prefixo + QStringLiteral("I") + nome, interestaduais);
        }
        return SumsOf(tabela, prefixo, chave, somas);
    };
    auto lidas = [](const char* prefixo, Currency* const(&alvos)[7]) {
        for (int i = 0; i < 7; ++i)
            *alvos[i] = Sum(QString::fromLatin1(prefixo) + QString::fromLatin1(OperationColumns[i]));
    };
    RuleMessages::Query(
        CrossJoin({operacoes(QStringLiteral("ENTRADA_DECLARADA"), QStringLiteral("E"), InterstateEntries),
                   operacoes(QStringLiteral("SAIDA_DECLARADA"), QStringLiteral("S"), InterstateExits)}));
    lidas("E", {&t.VlEntContabil, &t.VlEntBaseCalculo, &t.VlEntImposto, &t.VlEntIsentas, &t.VlEntOutras,
                &t.VlEntBaseCalculoST, &t.VlEntImpostoRetidoST});
    lidas("EI", {&t.VlEntInterContabil, &t.VlEntInterBaseCalculo, &t.VlEntInterImposto, &t.VlEntInterIsentas,
                 &t.VlEntInterOutras, &t.VlEntInterBaseCalculoST, &t.VlEntInterImpostoRetidoST});
    lidas("S", {&t.VlSaiContabil, &t.VlSaiBaseCalculo, &t.VlSaiImposto, &t.VlSaiIsentas, &t.VlSaiOutras,
                &t.VlSaiBaseCalculoST, &t.VlSaiImpostoRetidoST});
    lidas("SI", {&t.VlSaiInterContabil, &t.VlSaiInterBaseCalculo, &t.VlSaiInterImposto, &t.VlSaiInterIsentas,
                 &t.VlSaiInterOutras, &t.VlSaiInterBaseCalculoST, &t.VlSaiInterImpostoRetidoST});
    t.VlEntInterIsentasOutras = t.VlEntInterIsentas + t.VlEntInterOutras;
    t.VlSaiInterIsentasOutras = t.VlSaiInterIsentas + t.VlSaiInterOutras;

    SumColumns(
        CrossJoin(
            {SumsOf(QStringLiteral("ENTRADA_IE_DECLARADA"), QStringLiteral("EIE"), chave,
                    {SumIf(QStringLiteral("VL_CONTABIL"), QStringLiteral("EIE_CONTABIL")),
                     SumIf(QStringLiteral("VL_BASE_CALCULO"), QStringLiteral("EIE_BASE_CALCULO")),
                     SumIf(QStringLiteral("VL_PETROLEO_ENERGIA"), QStringLiteral("EIE_PETROLEO_ENERGIA")),
                     SumIf(QStringLiteral("VL_OUTROS_PRODUTOS"), QStringLiteral("EIE_OUTROS_PRODUTOS")),
                     SumIf(QStringLiteral("VL_OUTRAS_OPERACOES"), QStringLiteral("EIE_OUTRAS"))}),
             SumsOf(
                 QStringLiteral("SAIDA_IE_DECLARADA"), QStringLiteral("SIE"), chave,
                 {SumIf(QStringLiteral("VL_CONTABIL_NAO_CNTB"), QStringLiteral("SIE_CONTABIL_NAO_CNTB")),
                  SumIf(QStringLiteral("VL_CONTABIL_CNTB"), QStringLiteral("SIE_CONTABIL_CNTB")),
                  SumIf(QStringLiteral("VL_BASE_CALCULO_NAO_CNTB"),
                        QStringLiteral("SIE_BASE_CALCULO_NAO_CNTB")),
                  SumIf(QStringLiteral("VL_BASE_CALCULO_CNTB"), QStringLiteral("SIE_BASE_CALCULO_CNTB")),
                  SumIf(QStringLiteral("VL_OUTRAS_OPERACOES"), QStringLiteral("SIE_OUTRAS")),
                  SumIf(QStringLiteral("VL_IMPOSTO_COBRADO_ST"), QStringLiteral("SIE_IMPOSTO_COBRADO_ST"))}),
             SumsOf(QStringLiteral("SAIDA_ALC_DECLARADA"), QStringLiteral("ALC"), chave,
                    {SumIf(QStringLiteral("VL_NOTA_FISCAL"), QStringLiteral("ALC_NOTA_FISCAL")),
                     SumIf(QStringLiteral("VL_ISENTAS"), QStringLiteral("ALC_ISENTAS"))})}),
        {{"EIE_CONTABIL", &t.VlEntIEContabil},
         {"EIE_BASE_CALCULO", &t.VlEntIEBaseCalculo},
         {"EIE_PETROLEO_ENERGIA", &t.VlEntIEPetroleoEnergia},
         {"EIE_OUTROS_PRODUTOS", &t.VlEntIEOutrosProdutos},
         {"EIE_OUTRAS", &t.VlEntIEOutras},
         {"SIE_CONTABIL_NAO_CNTB", &t.VlSaiIEContabilNaoCntb},
         {"SIE_CONTABIL_CNTB", &t.VlSaiIEContabilCntb},
         {"SIE_BASE_CALCULO_NAO_CNTB", &t.VlSaiIEBaseCalculoNaoCntb},
         {"SIE_BASE_CALCULO_CNTB", &t.VlSaiIEBaseCalculoCntb},
         {"SIE_OUTRAS", &t.VlSaiIEOutras},
         {"SIE_IMPOSTO_COBRADO_ST", &t.VlSaiIEImpostoCobradoST},
         {"ALC_NOTA_FISCAL", &t.VlALCNotaFiscal},
         {"ALC_ISENTAS", &t.VlALCIsentas}});

    SumOccurrences(chave, 'N', 10,
                   {&t.VlPrazoEspecial, &t.VlOutroCredito, &t.VlEstornoDebito, &t.VlOutroDebito,
                    &t.VlEstornoCredito, &t.VlDeducao, &t.VlN140010});
}

void ComputeExportCredit(DeclarationKey key, Currency vlAnterior, Currency vlCreditoEnergia,
                         Currency vlProvisao, ExportCreditTotals& t) {
    t = {};
    const QString chave = key.Sql();
    t.QtdSaldoCredor = CreditBalanceMovement(key);
    const Currency energia = vlCreditoEnergia.truncatedToCents();
    t.VlSCEDeclarado = vlAnterior.truncatedToCents() + energia + vlProvisao.truncatedToCents();

    SumColumns(
        CrossJoin({SumsOf(QStringLiteral("SALDO_CREDOR_COMPENSADO"), QStringLiteral("SCC"), chave,
                          {SumIf(QStringLiteral("VL_COMPENSADO"), QStringLiteral("COMP_ESTAB"))}),
                   SumsOf(QStringLiteral("SALDO_CREDOR_COMP_PROPRIO"), QStringLiteral("SCP"), chave,
                          {SumIf(QStringLiteral("VL_COMPENSACAO"), QStringLiteral("COMP_PROPRIO"))}),
                   SumsOf(QStringLiteral("SALDO_CREDOR_TRANSFERIDO"), QStringLiteral("SCT"), chave,
                          {SumIf(QStringLiteral("VL_SALDO_TRANSFERIDO"), QStringLiteral("TRANSFERIDO"))}),
                   SumsOf(QStringLiteral("SALDO_CREDOR_RECEBIDO"), QStringLiteral("SCR"), chave,
                          {SumIf(QStringLiteral("VL_SALDO_RECEBIDO"), QStringLiteral("RECEBIDO"))})}),
        {{"COMP_ESTAB", &t.VlCompEstab},
         {"COMP_PROPRIO", &t.VlCompProprio},
         {"TRANSFERIDO", &t.VlTransferencias},
         {"RECEBIDO", &t.VlSaldoRecebido}});
    SumColumns(
        CrossJoin(
            {SumsOf(QStringLiteral("SAIDA_DECLARADA"), QStringLiteral("S"), chave,
                    {SumIf(QStringLiteral("VL_CONTABIL"), QStringLiteral("EXTERIOR"), ExportExits),
                     SumIf(QStringLiteral("VL_CONTABIL"), QStringLiteral("TOT_SAIDAS"), ProportionExits),
                     SumIf(QStringLiteral("VL_IMPOSTO"), QStringLiteral("IMPOSTO_SAIDAS"), ProportionExits)}),
             SumsOf(QStringLiteral("ENTRADA_DECLARADA"), QStringLiteral("E"), chave,
                    {SumIf(QStringLiteral("VL_IMPOSTO"), QStringLiteral("IMPOSTO_ENTRADAS"),
                           CreditableEntries)})}),
        {{"EXTERIOR", &t.VlSaldoPExterior},
         {"TOT_SAIDAS", &t.VlTotalSaidas},
         {"IMPOSTO_SAIDAS", &t.VlSCEImpostoSai},
         {"IMPOSTO_ENTRADAS", &t.VlSCEImpostoEnt}});
    SumColumns(
        CrossJoin(
            {OccurrenceSums(QStringLiteral("OUTRO_DEBITO_DECLARADO"), QStringLiteral("OD"), chave, 'N',
                            {SumIf(QStringLiteral("O.VL_OUTRO_DEBITO"), QStringLiteral("OUT_DEBITOS")),
                             SumIf(QStringLiteral("O.VL_OUTRO_DEBITO"), QStringLiteral("N020014"),
                                   OccurrenceOf(2, 14))}),
             OccurrenceSums(
                 QStringLiteral("DEDUCAO_DECLARADA"), QStringLiteral("DE"), chave, 'N',
                 {SumIf(QStringLiteral("O.VL_DEDUCAO"), QStringLiteral("DEDUCOES_N14"), OccurrenceOf(14))}),
             OccurrenceSums(QStringLiteral("OUTRO_CREDITO_DECLARADO"), QStringLiteral("OC"), chave, 'N',
                            {SumIf(QStringLiteral("O.VL_OUTRO_CREDITO"), QStringLiteral("OUT_CREDITOS")),
                             SumIf(QStringLiteral("O.VL_OUTRO_CREDITO"), QStringLiteral("N070032"),
                                   OccurrenceOf(7, 32))}),
             OccurrenceSums(QStringLiteral("ESTORNO_DEBITO_DECLARADO"), QStringLiteral("ED"), chave, 'N',
                            {SumIf(QStringLiteral("O.VL_ESTORNO_DEBITO"), QStringLiteral("EST_DEBITOS"))}),
             OccurrenceSums(
                 QStringLiteral("ESTORNO_CREDITO_DECLARADO"), QStringLiteral("EC"), chave, 'N',
                 {SumIf(QStringLiteral("O.VL_ESTORNO_CREDITO"), QStringLiteral("EST_CREDITOS"))})}),
        {{"OUT_DEBITOS", &t.VlSCEOutDebitos},
         {"N020014", &t.VlN020014},
         {"DEDUCOES_N14", &t.VlDeducoesN14},
         {"OUT_CREDITOS", &t.VlSCEOutCreditos},
         {"N070032", &t.VlN070032},
         {"EST_DEBITOS", &t.VlSCEEstDebitos},
         {"EST_CREDITOS", &t.VlSCEEstCreditos}});

    if (t.VlTotalSaidas != Currency())
        t.VlProporcao = Proportion(t.VlSaldoPExterior, t.VlTotalSaidas);
    const Currency debitos = t.VlSCEImpostoSai + t.VlSCEOutDebitos + t.VlSCEEstCreditos;
    if (t.VlN020014 < debitos)
        t.VlDebAjustado = debitos - t.VlN020014;
    t.VlCredAjustado = t.VlSCEImpostoEnt + t.VlSCEOutCreditos + t.VlSCEEstDebitos - energia + t.VlDeducoesN14;
    t.VlSaldoAjustPeriodo = t.VlCredAjustado - t.VlDebAjustado;
    if (t.VlSaldoAjustPeriodo >= Currency())
        t.VlSaldoPeriodo = energia + Product(t.VlSaldoAjustPeriodo, t.VlProporcao);
    else
        t.VlSaldoPeriodo = energia + t.VlSaldoAjustPeriodo;
    if (t.VlSaldoPeriodo < Currency())
        t.VlSaldoPeriodo = Currency();
    t.VlSaldoProximoPeriodo =
        vlAnterior + t.VlSaldoPeriodo - t.VlCompEstab - t.VlCompProprio - t.VlTransferencias;
}

void ComputeMovement(DeclarationKey key, Currency vlAnterior, Currency vlCreditoEnergia, Currency vlProvisao,
                     OperationsMovement& t, ExportCreditTotals& saldoCredor) {
    t = {};
    const QString chave = key.Sql();
    RuleMessages::Query(
        {QStringLiteral("SELECT d.IN_ALC_ZFM_SEM_MOV, d.IN_OUTROS_ICMS_SEM_MOV,"),
         QStringLiteral("d.IN_SUBST_TRIBUT_SEM_MOV, d.IN_OPER_PROP_SEM_MOV,"),
         QStringLiteral("CASE WHEN exists (select 1 from entrada_ie_declarada e "
                        "where e.sq_declaracao = d.sq_declaracao)"),
         QStringLiteral("or exists (select 1 from saida_ie_declarada s "
                        "where s.sq_declaracao = d.sq_declaracao) THEN 1 ELSE 0 END COM_OP_INTER,"),
         QStringLiteral("CASE WHEN exists (select 1 from saldo_credor_recebido s "
                        "where s.sq_declaracao = d.sq_declaracao) THEN 1 ELSE 0 END COM_SALDO_RECEBIDO"),
         QStringLiteral("FROM DECLARACAO_ECONOMICO_FISCAL d"),
         QStringLiteral("WHERE d.SQ_DECLARACAO = ") + chave});
    TDataSet* linha = DMDefGeral->cdsAuxiliar;
    auto comMovimento = [linha](const char* coluna) {
        return linha->FieldByName(QString::fromLatin1(coluna))->AsString() == QLatin1String("N");
    };
    t.ComMovOperProp = comMovimento("IN_OPER_PROP_SEM_MOV");
    t.ComMovSubstTribut = comMovimento("IN_SUBST_TRIBUT_SEM_MOV");
    t.ComMovOutrosICMS = comMovimento("IN_OUTROS_ICMS_SEM_MOV");
    t.ComMovALCZFM = comMovimento("IN_ALC_ZFM_SEM_MOV");
    t.ComOpInter = linha->FieldByName(QStringLiteral("COM_OP_INTER"))->AsInteger() > 0;
    t.ComSaldoRecebido = linha->FieldByName(QStringLiteral("COM_SALDO_RECEBIDO"))->AsInteger() > 0;
    ComputeExportCredit(key, vlAnterior, vlCreditoEnergia, vlProvisao, saldoCredor);
    t.ComSaldoAcumulado = saldoCredor.VlSaldoPExterior > Currency() || vlAnterior > Currency() ||
                          saldoCredor.QtdSaldoCredor > 0;
}

void ComputeTaxSubstitution(DeclarationKey key, TaxSubstitutionTotals& t) {
    t = {};
    const QString chave = key.Sql();
    auto somasST = [&](const QString& tabela, const QString& prefixo) {
        return SumsOf(
            tabela, prefixo, chave,
            {SumIf(QStringLiteral("VL_BASE_CALCULO_ST"), prefixo + QStringLiteral("_BASE_CALCULO_ST")),
             SumIf(QStringLiteral("VL_IMPOSTO_RETIDO_ST"), prefixo + QStringLiteral("_IMPOSTO_RETIDO_ST"))});
    };
    SumColumns(CrossJoin({somasST(QStringLiteral("ENTRADA_DECLARADA"), QStringLiteral("E")),
                          somasST(QStringLiteral("SAIDA_DECLARADA"), QStringLiteral("S"))}),
               {{"E_BASE_CALCULO_ST", &t.VlSTEntBaseCalculo},
                {"E_IMPOSTO_RETIDO_ST", &t.VlSTEntImpostoRetido},
                {"S_BASE_CALCULO_ST", &t.VlSTSaiBaseCalculo},
                {"S_IMPOSTO_RETIDO_ST", &t.VlSTSaiImpostoRetido}});
    SumOccurrences(chave, 'S', 1,
                   {&t.VlSTPrazoEspecial, &t.VlSTOutroCredito, &t.VlSTEstornoDebito, &t.VlSTOutroDebito,
                    &t.VlSTEstornoCredito, &t.VlSTDeducao, &t.VlS140001});
}

void ComputeOtherICMS(DeclarationKey key, OtherIcmsTotals& t) {
    t = {};
    const QString chave = key.Sql();
    SumColumns(
        CrossJoin({OccurrenceSums(
            QStringLiteral("OUTRO_ICMS_DEVIDO"), QStringLiteral("OI"), chave, 'O',
            {SumIf(QStringLiteral("O.VL_LANCAMENTO"), QStringLiteral("O350008"), OccurrenceOf(35, 8)),
             SumIf(QStringLiteral("O.VL_LANCAMENTO"), QStringLiteral("O350011"), OccurrenceOf(35, 11))})}),
        {{"O350008", &t.VlO350008}, {"O350011", &t.VlO350011}});
}

DeclarationFigures DeclarationFiguresOf(DeclarationKey key, Currency vlAnterior, Currency vlCreditoEnergia,
                                        Currency vlProvisao) {
    DeclarationFigures figuras;
    ComputeOwnOperations(key, figuras.OwnOperations);
    ComputeMovement(key, vlAnterior, vlCreditoEnergia, vlProvisao, figuras.Movement, figuras.ExportCredit);
    ComputeTaxSubstitution(key, figuras.TaxSubstitution);
    ComputeOtherICMS(key, figuras.OtherICMS);
    return figuras;
}

std::optional<Currency> NextPeriodExportBalance(const ExportCreditTotals& totals, Currency ownCreditToCarry) {
    if (totals.VlSaldoProximoPeriodo < Currency())
        return std::nullopt;
    return std::min(totals.VlSaldoProximoPeriodo, ownCreditToCarry);
}
