#include "tests/support/database/DeclarationFixture.h"

#include "platform/base/Exceptions.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TransactionScope.h"

namespace {

QVariant Money(Currency value) {
    return QVariant::fromValue(value);
}

// Empty texts are stored as null.
QVariant Text(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QVariant Date(const QDate& date) {
    return date.isValid() ? QVariant(date) : QVariant();
}

Currency Units(std::int64_t units) {
    return Currency::fromUnits(units);
}

// a,bcde as exact money (Amount(1234, 5678) is 1.234,5678).
Currency Amount(std::int64_t units, std::int64_t tenThousandths) {
    return Currency::fromRaw(units * Currency::Scale + tenThousandths);
}

struct OccurrenceTable {
    const char* table;
    const char* key;
    const char* value;
};

// In the order of DeclarationFixture::Occurrences.
constexpr OccurrenceTable OccurrenceTables[] = {
    {"OUTRO_CREDITO_DECLARADO", "SQ_OUTRO_CREDITO_DECLARADO", "VL_OUTRO_CREDITO"},
    {"OUTRO_DEBITO_DECLARADO", "SQ_OUTRO_DEBITO_DECLARADO", "VL_OUTRO_DEBITO"},
    {"ESTORNO_CREDITO_DECLARADO", "SQ_ESTORNO_CREDITO_DECLARADO", "VL_ESTORNO_CREDITO"},
    {"ESTORNO_DEBITO_DECLARADO", "SQ_ESTORNO_DEBITO_DECLARADO", "VL_ESTORNO_DEBITO"},
    {"DEDUCAO_DECLARADA", "SQ_DEDUCAO_DECLARADA", "VL_DEDUCAO"},
    {"PRAZO_ESPECIAL_DECLARADO", "SQ_PRAZO_ESPECIAL_DECLARADO", "VL_PRAZO_ESPECIAL"},
    {"OUTRO_ICMS_DEVIDO", "SQ_OUTRO_ICMS_DEVIDO", "VL_LANCAMENTO"},
    {"SALDO_CREDOR_COMPENSADO", "SQ_SALDO_CREDOR_COMPENSADO", "VL_COMPENSADO"},
    {"SALDO_CREDOR_TRANSFERIDO", "SQ_SALDO_CREDOR_TRANSFERIDO", "VL_SALDO_TRANSFERIDO"},
    {"SALDO_CREDOR_RECEBIDO", "SQ_SALDO_CREDOR_RECEBIDO", "VL_SALDO_RECEBIDO"},
    {"SALDO_CREDOR_COMP_PROPRIO", "SQ_SALDO_CREDOR_COMP_PROPRIO", "VL_COMPENSACAO"},
};

const OccurrenceTable& TableOf(DeclarationFixture::Occurrences table) {
    return OccurrenceTables[static_cast<int>(table)];
}

bool HasComplements(DeclarationFixture::Occurrences table) {
    return table <= DeclarationFixture::Occurrences::OutroICMS;
}

// The legal ground of each occurrence table in the big declaration (own
// operations, other ICMS due and export purposes of the seed data).
constexpr int BigGrounds[] = {121, 104, 111, 131, 141, 151, 211, 307, 302, 306, 301};

} // namespace

DeclarationFixture::DeclarationFixture(TIBDatabase& database)
    : m_database(database), m_transaction(std::make_unique<TIBTransaction>()),
      m_statement(std::make_unique<TIBSQL>()) {
    m_transaction->SetDefaultDatabase(&database);
    m_transaction->SetParams(
        {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
    m_statement->SetDatabase(&database);
    m_statement->SetTransaction(m_transaction.get());
}

DeclarationFixture::~DeclarationFixture() = default;

void DeclarationFixture::Execute(const QString& sql, const QVariantList& params) {
    TransactionScope scope(*m_transaction);
    m_statement->SetParamCheck(true);
    m_statement->SetSQLText(sql);
    for (int i = 0; i < params.size(); ++i)
        m_statement->Params(i).SetVariant(params[i]);
    m_statement->ExecQuery();
    m_statement->Close();
    scope.Commit();
}

QVariant DeclarationFixture::Value(const QString& sql, const QVariantList& params) {
    TransactionScope scope(*m_transaction);
    m_statement->SetParamCheck(true);
    m_statement->SetSQLText(sql);
    for (int i = 0; i < params.size(); ++i)
        m_statement->Params(i).SetVariant(params[i]);
    m_statement->ExecQuery();
    QVariant value;
    if (!m_statement->Eof() && m_statement->FieldCount() > 0 && !m_statement->Fields(0).IsNull())
        value = m_statement->Fields(0).AsVariant();
    m_statement->Close();
    scope.Commit();
    return value;
}

void DeclarationFixture::Repeat(int rows, const QString& insert) {
    TransactionScope scope(*m_transaction);
    m_statement->SetParamCheck(false); // :i is a variable of the block
    m_statement->SetSQLText(QStringLiteral("EXECUTE BLOCK AS DECLARE i INTEGER = 0; BEGIN WHILE (i < %1) DO "
                                           "BEGIN %2; i = i + 1; END END")
                                .arg(rows)
                                .arg(insert));
    m_statement->ExecQuery();
    m_statement->Close();
    scope.Commit();
}

void DeclarationFixture::Taxpayer(int inscricao, const QString& razao, const QString& email) {
    Execute(
        QStringLiteral("INSERT INTO CONTRIBUINTE (NU_INSCRICAO, NU_CGC_CPF, NO_RAZAO, NO_CORREIO_ELETRONICO, "
                       "IN_CGC_CPF, NU_RAIZ_CNPJ) VALUES (?, 11222333000181, ?, ?, '1', 11222333)"),
        {inscricao, razao, Text(email)});
}

void DeclarationFixture::AddDeclaration(const Declaration& d) {
    Execute(QStringLiteral(
                "INSERT INTO DECLARACAO_ECONOMICO_FISCAL (SQ_DECLARACAO, NU_INSCRICAO, AN_REFERENCIA, "
                "ME_REFERENCIA, IN_RETIFICADORA, NU_RETIFICADORA, SQ_DECLARACAO_RETIFICA, IN_PERIODICIDADE, "
                "IN_BAIXA_CONTRIBUINTE, DT_ENCERRAMENTO_ATIVIDADE, IN_OPER_PROP_SEM_MOV, "
                "IN_SUBST_TRIBUT_SEM_MOV, IN_OUTROS_ICMS_SEM_MOV, IN_ALC_ZFM_SEM_MOV, VL_SALDO_ANTERIOR, "
                "VL_SALDO_ANTERIOR_ST, VL_IPI_SAIDAS, VL_ESTOQUE_FINAL, VL_SCE_ANTERIOR, "
                "VL_SCE_CREDITO_ICMS_ENERGIA, VL_SCE_PROVISAO, VL_SCE_ESTORNO_PROVISAO, TX_OBSERVACAO, "
                "TX_OBSERVACAO_ST, NO_REPRESENTANTE_LEGAL, NU_DDD_REPRESENTANTE_LEGAL, "
                "NU_TEL_REPRESENTANTE_LEGAL, NO_CONTABILISTA, NU_DDD_CONTABILISTA, NU_TEL_CONTABILISTA, "
                "NO_CORREIO_ELETRONICO, DT_VALIDACAO, COMERRO, DT_TRANSMISSAO) VALUES (?, ?, ?, ?, ?, ?, ?, "
                "'M', 'N', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, '021', '22223333', ?, '021', "
                "'33334444', ?, ?, ?, ?)"),
            {d.sq,
             d.inscricao,
             d.ano,
             d.mes,
             d.retificadora,
             d.nuRetificadora > 0 ? QVariant(d.nuRetificadora) : QVariant(),
             d.sqRetifica > 0 ? QVariant(d.sqRetifica) : QVariant(),
             Date(d.encerramento),
             d.semMovOperProp,
             d.semMovSubstTribut,
             d.semMovOutrosICMS,
             d.semMovAlcZfm,
             Money(d.saldoAnterior),
             Money(d.saldoAnteriorST),
             Money(d.ipiSaidas),
             Money(d.estoqueFinal),
             Money(d.sceAnterior),
             Money(d.sceCreditoEnergia),
             Money(d.sceProvisao),
             Money(d.sceEstornoProvisao),
             Text(d.observacao),
             Text(d.observacaoST),
             Text(d.representante),
             Text(d.contabilista),
             Text(d.email),
             Date(d.validacao),
             Text(d.comErro),
             Date(d.transmissao)});
}

int DeclarationFixture::LegalGround(char apuracao, int tipo, int numero) {
    const QString letra(QChar::fromLatin1(apuracao));
    const QVariant found = Value(
        QStringLiteral("SELECT SQ_OCORRENCIA_DEF FROM FUNDAMENTACAO_LEGAL_DEF WHERE TP_APURACAO = ? AND "
                       "TP_OCORRENCIA = ? AND NU_OCORRENCIA = ?"),
        {letra, tipo, numero});
    if (found.isValid())
        return found.toInt();
    const int sq =
        Value(QStringLiteral("SELECT MAX(SQ_OCORRENCIA_DEF) FROM FUNDAMENTACAO_LEGAL_DEF")).toInt() + 1;
    Execute(
        QStringLiteral("INSERT INTO FUNDAMENTACAO_LEGAL_DEF (SQ_OCORRENCIA_DEF, TP_APURACAO, TP_OCORRENCIA, "
                       "NU_OCORRENCIA, DS_OCORRENCIA, ST_OCORRENCIA_DEF) VALUES (?, ?, ?, ?, ?, 'A')"),
        {sq, letra, tipo, numero,
         QStringLiteral("Ocorrência de teste %1%2%3").arg(letra).arg(tipo).arg(numero)});
    Execute(QStringLiteral("INSERT INTO FUNDAMENTACAO_LEGAL_DEF_HIST (SQ_OCORRENCIA_DEF, DT_INICIO, "
                           "DS_LEGISLACAO_OCORRENCIA) VALUES (?, '1997-10-01', 'Legislação de teste')"),
            {sq});
    return sq;
}

void DeclarationFixture::AddOperation(const char* table, int sq, int cfop, const Operation& v) {
    Execute(QStringLiteral("INSERT INTO %1 (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL, VL_BASE_CALCULO, "
                           "VL_IMPOSTO, VL_OPERACOES_ISENTAS, VL_OUTRAS_OPERACOES, VL_BASE_CALCULO_ST, "
                           "VL_IMPOSTO_RETIDO_ST) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .arg(QString::fromLatin1(table)),
            {sq, cfop, Money(v.contabil), Money(v.baseCalculo), Money(v.imposto), Money(v.isentas),
             Money(v.outras), Money(v.baseCalculoST), Money(v.impostoRetidoST)});
}

void DeclarationFixture::AddEntry(int sq, int cfop, const Operation& values) {
    AddOperation("ENTRADA_DECLARADA", sq, cfop, values);
}

void DeclarationFixture::AddExit(int sq, int cfop, const Operation& values) {
    AddOperation("SAIDA_DECLARADA", sq, cfop, values);
}

void DeclarationFixture::AddOccurrence(Occurrences table, int sq, int key, int ocorrencia, Currency value,
                                       const QStringList& complementos) {
    const OccurrenceTable& t = TableOf(table);
    if (!HasComplements(table)) {
        Execute(
            QStringLiteral("INSERT INTO %1 (%2, SQ_DECLARACAO, SQ_OCORRENCIA_DEF, %3) VALUES (?, ?, ?, ?)")
                .arg(QString::fromLatin1(t.table), QString::fromLatin1(t.key), QString::fromLatin1(t.value)),
            {key, sq, ocorrencia, Money(value)});
        return;
    }
    Execute(QStringLiteral("INSERT INTO %1 (%2, SQ_DECLARACAO, SQ_OCORRENCIA_DEF, %3, VL_COMPLEMENTO_1, "
                           "VL_COMPLEMENTO_2, VL_COMPLEMENTO_3) VALUES (?, ?, ?, ?, ?, ?, ?)")
                .arg(QString::fromLatin1(t.table), QString::fromLatin1(t.key), QString::fromLatin1(t.value)),
            {key, sq, ocorrencia, Money(value), Text(complementos.value(0)), Text(complementos.value(1)),
             Text(complementos.value(2))});
}

void DeclarationFixture::AddCreditBalance(Occurrences table, int sq, int key, int ocorrencia, Currency value,
                                          int inscricao) {
    const OccurrenceTable& t = TableOf(table);
    Execute(
        QStringLiteral("INSERT INTO %1 (%2, SQ_DECLARACAO, SQ_OCORRENCIA_DEF, %3, NU_INSCRICAO) VALUES (?, "
                       "?, ?, ?, ?)")
            .arg(QString::fromLatin1(t.table), QString::fromLatin1(t.key), QString::fromLatin1(t.value)),
        {key, sq, ocorrencia, Money(value), inscricao});
}

void DeclarationFixture::AddInterstateEntry(int sq, int uf, Currency contabil, Currency baseCalculo,
                                            Currency outras, Currency petroleoEnergia,
                                            Currency outrosProdutos) {
    Execute(QStringLiteral(
                "INSERT INTO ENTRADA_IE_DECLARADA (SQ_DECLARACAO, CO_UF, VL_CONTABIL, VL_BASE_CALCULO, "
                "VL_OUTRAS_OPERACOES, VL_PETROLEO_ENERGIA, VL_OUTROS_PRODUTOS) VALUES (?, ?, ?, ?, ?, "
                "?, ?)"),
            {sq, uf, Money(contabil), Money(baseCalculo), Money(outras), Money(petroleoEnergia),
             Money(outrosProdutos)});
}

void DeclarationFixture::AddInterstateExit(int sq, int uf, Currency contabilNaoContribuinte,
                                           Currency contabilContribuinte, Currency baseNaoContribuinte,
                                           Currency baseContribuinte, Currency outras,
                                           Currency impostoCobradoST) {
    Execute(QStringLiteral(
                "INSERT INTO SAIDA_IE_DECLARADA (SQ_DECLARACAO, CO_UF, VL_CONTABIL_NAO_CNTB, "
                "VL_CONTABIL_CNTB, VL_BASE_CALCULO_NAO_CNTB, VL_BASE_CALCULO_CNTB, VL_OUTRAS_OPERACOES, "
                "VL_IMPOSTO_COBRADO_ST) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
            {sq, uf, Money(contabilNaoContribuinte), Money(contabilContribuinte), Money(baseNaoContribuinte),
             Money(baseContribuinte), Money(outras), Money(impostoCobradoST)});
}

void DeclarationFixture::AddFreeTradeExit(int sq, int nota, Currency valorNota, Currency isentas,
                                          const QDate& emissao) {
    // Manaus, a free-trade municipality of the seed data.
    Execute(
        QStringLiteral("INSERT INTO SAIDA_ALC_DECLARADA (SQ_DECLARACAO, CO_LOCALIDADE, NU_SERIE_NOTA_FISCAL, "
                       "NU_SUBSERIE_NOTA_FISCAL, NU_NOTA_FISCAL, DT_EMISSAO_NF, VL_NOTA_FISCAL, VL_ISENTAS, "
                       "NU_INSCR_SUFRAMA, NU_CNPJ_DESTINO) VALUES (?, 7153, '1', ' ', ?, ?, ?, ?, 200012345, "
                       "11222333000181)"),
        {sq, nota, Date(emissao), Money(valorNota), Money(isentas)});
}

// The small declaration:
//   entries  1102: 1.000,00 / base 800,00 / tax 144,00 / exempt 100,00 / other 100,00
//            2102: 500,5678 / base 400,00 / tax 48,1234 / exempt 50,00 / other 50,5678 / ST base 120,00,
//                  withheld 21,60
//   exits    5102: 2.000,00 / base 1.800,00 / tax 324,00 / exempt 100,00 / other 100,00
//            6102: 700,00 / base 600,00 / tax 72,00 / exempt 60,00 / other 40,00 / ST base 150,00,
//                  withheld 27,00
//   interstate entry (SP, 35): 500,56 / base 400,00 / other 100,56 / oil and energy 0 / other products 10,00
//   interstate exit (RJ, 33): 300,00 + 400,00 / base 250,00 + 350,00 / other 100,00 / ST 27,00
//   free-trade exit: invoice 123 of 150,00 with 10,50 exempt, issued on the first day of the period
//   occurrences (key 1, own operations): other credit N070001 10,00; other debit N020001 20,00;
//            credit reversal N030001 5,00; debit reversal N080001 3,00; deduction N140001 7,00;
//            special term N300001 2,00; other ICMS due O350001 15,00
//   tax substitution (key 2): other credit S070001 1,50
//   credit balances: compensated E580001 4,00 to 87654321; transferred E520001 6,00 to 87654321;
//            received E560001 8,00 from 87654321; own compensation E500001 9,00
void DeclarationFixture::FillSmall(int sq) {
    AddEntry(sq, 1102, {Units(1000), Units(800), Units(144), Units(100), Units(100), {}, {}});
    AddEntry(sq, 2102,
             {Amount(500, 5678), Units(400), Amount(48, 1234), Units(50), Amount(50, 5678), Units(120),
              Amount(21, 6000)});
    AddExit(sq, 5102, {Units(2000), Units(1800), Units(324), Units(100), Units(100), {}, {}});
    AddExit(sq, 6102, {Units(700), Units(600), Units(72), Units(60), Units(40), Units(150), Units(27)});
    AddInterstateEntry(sq, 35, Amount(500, 5600), Units(400), Amount(100, 5600), {}, Units(10));
    AddInterstateExit(sq, 33, Units(300), Units(400), Units(250), Units(350), Units(100), Units(27));
    const QVariant ano = Value(QStringLiteral("SELECT AN_REFERENCIA FROM DECLARACAO_ECONOMICO_FISCAL WHERE "
                                              "SQ_DECLARACAO = ?"),
                               {sq});
    const QVariant mes = Value(QStringLiteral("SELECT ME_REFERENCIA FROM DECLARACAO_ECONOMICO_FISCAL WHERE "
                                              "SQ_DECLARACAO = ?"),
                               {sq});
    AddFreeTradeExit(sq, 123, Units(150), Amount(10, 5000), QDate(ano.toInt(), mes.toInt(), 1));

    using O = Occurrences;
    AddOccurrence(O::OutroCredito, sq, 1, LegalGround('N', 7, 1), Units(10), {QStringLiteral("Legislação")});
    AddOccurrence(O::OutroDebito, sq, 1, LegalGround('N', 2, 1), Units(20),
                  {QStringLiteral("Legislação"), QStringLiteral("Descrição")});
    AddOccurrence(O::EstornoCredito, sq, 1, LegalGround('N', 3, 1), Units(5), {QStringLiteral("Legislação")});
    AddOccurrence(O::EstornoDebito, sq, 1, LegalGround('N', 8, 1), Units(3),
                  {QStringLiteral("Legislação"), QStringLiteral("Descrição")});
    AddOccurrence(O::Deducao, sq, 1, LegalGround('N', 14, 1), Units(7),
                  {QStringLiteral("10/01/2011"), QStringLiteral("1")});
    AddOccurrence(O::PrazoEspecial, sq, 1, LegalGround('N', 30, 1), Units(2),
                  {QStringLiteral("E04-123456/2010")});
    AddOccurrence(O::OutroICMS, sq, 1, LegalGround('O', 35, 1), Units(15), {QStringLiteral("Legislação")});
    AddOccurrence(O::OutroCredito, sq, 2, LegalGround('S', 7, 1), Amount(1, 5000),
                  {QStringLiteral("Legislação")});
    AddCreditBalance(O::SCCompensado, sq, 1, LegalGround('E', 58, 1), Units(4), 87654321);
    AddCreditBalance(O::SCTransferido, sq, 1, LegalGround('E', 52, 1), Units(6), 87654321);
    AddCreditBalance(O::SCRecebido, sq, 1, LegalGround('E', 56, 1), Units(8), 87654321);
    AddOccurrence(O::SCCompProprio, sq, 1, LegalGround('E', 50, 1), Units(9));
}

void DeclarationFixture::FillBig(int sq) {
    FillRows(sq, BigEntries, BigExits, BigRowsPerTable);
}

void DeclarationFixture::FillRows(int sq, int entries, int exits, int rowsPerTable) {
    const QString key = QString::number(sq);
    Repeat(entries, QStringLiteral("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, "
                                   "VL_CONTABIL, VL_IMPOSTO, VL_BASE_CALCULO_ST) VALUES (%1, 1000 + :i, "
                                   "100.1234, 18.5, 1)")
                        .arg(key));
    Repeat(exits,
           QStringLiteral("INSERT INTO SAIDA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL, "
                          "VL_IMPOSTO) VALUES (%1, 5000 + :i, 200.5, 36.09)")
               .arg(key));
    for (int t = 0; t < static_cast<int>(std::size(OccurrenceTables)); ++t) {
        const OccurrenceTable& table = OccurrenceTables[t];
        Repeat(rowsPerTable,
               QStringLiteral("INSERT INTO %1 (%2, SQ_DECLARACAO, SQ_OCORRENCIA_DEF, %3) VALUES "
                              "(:i + 1, %4, %5, 1.25)")
                   .arg(QString::fromLatin1(table.table), QString::fromLatin1(table.key),
                        QString::fromLatin1(table.value), key)
                   .arg(BigGrounds[t]));
    }
}

const char* DeclarationFixture::TableName(Occurrences table) {
    return TableOf(table).table;
}

const char* DeclarationFixture::KeyColumn(Occurrences table) {
    return TableOf(table).key;
}

const char* DeclarationFixture::ValueColumn(Occurrences table) {
    return TableOf(table).value;
}
