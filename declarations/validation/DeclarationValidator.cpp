#include "declarations/validation/DeclarationValidator.h"

#include "core/data/ReferenceLookups.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefGeral.h"
#include "core/util/GeneralRoutines.h"
#include "core/util/MessageBoxes.h"
#include "declarations/validation/PeriodBalance.h"
#include "platform/base/SysUtils.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TransactionScope.h"

#include <QHash>

namespace {

// The periods from which groups of rules apply: 2002 on, April 2002 on,
// August 2004 on.
constexpr int InterstateRulesYear = 2002;
constexpr int ExportBalanceYear = 2002;
constexpr int ExportBalanceMonth = 4;
constexpr int PairedOccurrencesYear = 2004;
constexpr int PairedOccurrencesMonth = 8;

// Other ICMS due of imports (O350007 and the fund's O350009), whose second
// datum names the kind of import declaration.
constexpr int ImportGround = 207;
constexpr int ImportFundGround = 209;

bool FromPeriod(int mes, int ano, int mesInicial, int anoInicial) {
    return ano > anoInicial || (ano == anoInicial && mes >= mesInicial);
}

QString MoneyText(Currency valor) {
    return FormatFloat(MoneyFormat, valor);
}

// Amounts the details show rounded to cents first.
QString RoundedMoneyText(Currency valor) {
    return FormatFloat(MoneyFormat, valor.rounded(2));
}

bool Zero(Currency valor) {
    return valor == Currency();
}

QString ComparisonText(const QString& primeiro, const QString& a, const QString& segundo, const QString& b) {
    return primeiro + a + segundo + b + QStringLiteral(".");
}

} // namespace

DeclarationValidator::DeclarationValidator(const DeclarationHeader& declaracao, FindingEvent putErro)
    : m_header(declaracao), m_putFinding(std::move(putErro)),
      m_transaction(std::make_unique<TIBTransaction>()) {
    m_transaction->SetDefaultDatabase(DMDefGeral->ibDBDef);
    m_transaction->SetParams({QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                              QStringLiteral("nowait"), QStringLiteral("read")});
}

DeclarationValidator::~DeclarationValidator() = default;

void DeclarationValidator::Finding(int codigo, const QString& detalhe) {
    m_putFinding(codigo, detalhe);
}

// ---- queries ------------------------------------------------------------------------

void DeclarationValidator::Query(const QString& sql, const QVariantList& params,
                                 const std::function<void(TIBSQL&)>& row) {
    try {
        TransactionScope scope(*m_transaction);
        std::unique_ptr<TIBSQL>& kept = m_queries[sql];
        if (!kept) {
            kept = std::make_unique<TIBSQL>();
            kept->SetDatabase(DMDefGeral->ibDBDef);
            kept->SetTransaction(m_transaction.get());
            kept->SetSQLText(sql);
        }
        TIBSQL& query = *kept;
        for (int i = 0; i < params.size(); ++i)
            query.Params(i).SetVariant(params[i]);
        query.ExecQuery();
        while (!query.Eof()) {
            row(query);
            query.Next();
        }
        query.Close();
        scope.Commit();
    } catch (const EAbort&) {
        throw;
    } catch (const std::exception&) {
        RuleMessages::Refuse(RuleMessages::QueryFailed);
    }
}

Currency DeclarationValidator::Sum(const QString& sql) {
    Currency soma;
    Query(sql, {m_header.sq.Value()}, [&](TIBSQL& q) { soma = q.Fields(0).AsCurrency(); });
    return soma;
}

// ---- the run ------------------------------------------------------------------------

void DeclarationValidator::BuscaSaldosAnteriores() {
    LoadPreviousBalances();
}

void DeclarationValidator::LoadPreviousBalances() {
    const int mes = m_header.month == 1 ? 12 : m_header.month - 1;
    const int ano = m_header.month == 1 ? m_header.year - 1 : m_header.year;
    VlSaldoPeriodoPassado.reset();
    VlSaldoPeriodoPassadoST.reset();
    std::optional<DeclarationKey> anterior;
    Currency saldo;
    Currency saldoST;
    // The highest key of the month: a rectifying declaration wins over the one it rectifies.
    Query(QStringLiteral("SELECT FIRST 1 SQ_DECLARACAO, VL_SALDO_ANTERIOR, VL_SALDO_ANTERIOR_ST "
                         "FROM DECLARACAO_ECONOMICO_FISCAL "
                         "WHERE NU_INSCRICAO = ? AND AN_REFERENCIA = ? AND ME_REFERENCIA = ? "
                         "ORDER BY SQ_DECLARACAO DESC"),
          {m_header.registration, ano, mes}, [&](TIBSQL& q) {
              anterior = DeclarationKey(q.Fields(0).AsInt64());
              saldo = q.Fields(1).AsCurrency();
              saldoST = q.Fields(2).AsCurrency();
          });
    if (!anterior)
        return;
    VlSaldoPeriodoPassado =
        OwnOperationsBalance(DMDefAux->CalculaOperacoesProprias(*anterior), saldo).CarriedForward;
    VlSaldoPeriodoPassadoST =
        TaxSubstitutionBalance(DMDefAux->CalculaSubstTributaria(*anterior), saldoST).CarriedForward;
}

void DeclarationValidator::Validacao() {
    const DeclarationHeader& r = m_header;
    LoadPreviousBalances();
    if (r.noRepresentative)
        Finding(200, QStringLiteral("O Nome do Representante Legal não informado."));
    // This month's figures, one value, apart from the previous month's balances.
    const DeclarationFigures figuras =
        DeclarationFiguresOf(r.sq, r.exportOpeningBalance, r.exportEnergyCredit, r.exportProvision);
    if (r.year >= InterstateRulesYear)
        InterstateRules(figuras.OwnOperations);
    OpeningBalanceRules();
    SpecialTermRules(figuras.OwnOperations);

    const ExportCreditTotals& saldoCredor = figuras.ExportCredit;
    VlCompensacoes =
        TruncaCentavos(saldoCredor.VlCompEstab + saldoCredor.VlCompProprio + saldoCredor.VlTransferencias);
    const bool comSaldoCredor = saldoCredor.QtdSaldoCredor == 1 || !Zero(saldoCredor.VlSCEDeclarado);
    if (FromPeriod(r.month, r.year, ExportBalanceMonth, ExportBalanceYear) && comSaldoCredor)
        ExportCreditBalanceRules(saldoCredor);
    NoMovementRules();

    if (FromPeriod(r.month, r.year, PairedOccurrencesMonth, PairedOccurrencesYear))
        PairRules(figuras);
    PairedOccurrenceRules();
    ImportRule();
    CfopWithoutValueRule(QStringLiteral("ENTRADA_DECLARADA"),
                         QStringLiteral("Operações Próprias - Entradas"));
    CfopWithoutValueRule(QStringLiteral("SAIDA_DECLARADA"), QStringLiteral("Operações Próprias - Saídas"));
}

// ---- the rules ----------------------------------------------------------------------

// Own operations against the interstate pages and the free-trade-area page.
void DeclarationValidator::InterstateRules(const OwnOperationsTotals& t) {
    const QString interestaduais = QStringLiteral(" de Operações Interestaduais= ");
    const QString proprias = QStringLiteral(" de Operações Próprias = ");
    const QString contabeisIE = QStringLiteral("Soma dos Valores Contábeis") + interestaduais;
    const QString contabeisProprias = QStringLiteral(" e Soma dos Valores Contábeis") + proprias;
    const QString baseIE = QStringLiteral("Soma dos Valores de Base de Cálculo") + interestaduais;
    const QString baseProprias = QStringLiteral(" e Soma dos Valores de Base de Cálculo") + proprias;
    const QString outrasIE = QStringLiteral("Soma dos Valores de Outras") + interestaduais;
    const QString isentasOutrasProprias =
        QStringLiteral(" e Soma dos Valores de \"Isentas e não Tributadas\" e de \"Outras\"") + proprias;

    if (!Zero(t.VlEntInterContabil) && Zero(t.VlEntIEContabil))
        Finding(201);
    if (t.VlEntIEContabil != t.VlEntInterContabil)
        Finding(202, ComparisonText(contabeisIE, MoneyText(t.VlEntIEContabil), contabeisProprias,
                                    MoneyText(t.VlEntInterContabil)));
    if (t.VlEntIEBaseCalculo != t.VlEntInterBaseCalculo)
        Finding(203, ComparisonText(baseIE, MoneyText(t.VlEntIEBaseCalculo), baseProprias,
                                    MoneyText(t.VlEntInterBaseCalculo)));
    if (t.VlEntIEOutras != t.VlEntInterIsentasOutras)
        Finding(204, ComparisonText(outrasIE, MoneyText(t.VlEntIEOutras), isentasOutrasProprias,
                                    MoneyText(t.VlEntInterIsentasOutras)));
    const Currency petroleoOutros = t.VlEntIEPetroleoEnergia + t.VlEntIEOutrosProdutos;
    if (t.VlEntInterContabil < petroleoOutros)
        Finding(205,
                ComparisonText(
                    QStringLiteral("Soma dos Valores de \"Petróleo e Energia\" e de \"Outros Produtos\"") +
                        interestaduais,
                    RoundedMoneyText(petroleoOutros), contabeisProprias, MoneyText(t.VlEntInterContabil)));

    const Currency contabilIE = t.VlSaiIEContabilCntb + t.VlSaiIEContabilNaoCntb;
    if (!Zero(t.VlSaiInterContabil) && Zero(contabilIE))
        Finding(206);
    if (t.VlSaiInterContabil != contabilIE)
        Finding(207, ComparisonText(contabeisIE, RoundedMoneyText(contabilIE), contabeisProprias,
                                    MoneyText(t.VlSaiInterContabil)));
    const Currency baseIESaidas = t.VlSaiIEBaseCalculoCntb + t.VlSaiIEBaseCalculoNaoCntb;
    if (t.VlSaiInterBaseCalculo != baseIESaidas)
        Finding(208, ComparisonText(baseIE, RoundedMoneyText(baseIESaidas), baseProprias,
                                    MoneyText(t.VlSaiInterBaseCalculo)));
    if (t.VlSaiInterIsentasOutras != t.VlSaiIEOutras)
        Finding(209, ComparisonText(outrasIE, MoneyText(t.VlSaiIEOutras), isentasOutrasProprias,
                                    MoneyText(t.VlSaiInterIsentasOutras)));
    if (t.VlSaiInterContabil < t.VlSaiIEImpostoCobradoST)
        Finding(210, ComparisonText(
                         QStringLiteral("Soma dos Valores de \"ICMS cobrado por Substituição Tributária\"") +
                             interestaduais,
                         MoneyText(t.VlSaiIEImpostoCobradoST), contabeisProprias,
                         MoneyText(t.VlSaiInterContabil)));
    if (t.VlSaiInterContabil < t.VlALCNotaFiscal)
        Finding(211, ComparisonText(
                         QStringLiteral("Soma dos Valores de Nota Fiscal de Zona Franca de Manaus e ALC = "),
                         MoneyText(t.VlALCNotaFiscal), contabeisProprias, MoneyText(t.VlSaiInterContabil)));
    if (t.VlSaiInterIsentas < t.VlALCIsentas)
        Finding(212, ComparisonText(
                         QStringLiteral("Soma dos Valores de Isentas de Zona Franca de Manaus e ALC = "),
                         MoneyText(t.VlALCIsentas),
                         QStringLiteral(" e Soma dos Valores \"Isentas e Não Tributadas\"") + proprias,
                         MoneyText(t.VlSaiInterIsentas)));
}

// The opening balances against what the previous month carries forward.
void DeclarationValidator::OpeningBalanceRules() {
    const DeclarationHeader& r = m_header;
    const QString deste = QStringLiteral("Valor do Saldo Anterior deste período = ");
    const QString passado = QStringLiteral(" Valor do Saldo Anterior do período passado = ");
    if (VlSaldoPeriodoPassado && *VlSaldoPeriodoPassado != TruncaCentavos(r.openingBalance))
        Finding(213, ComparisonText(deste, MoneyText(r.openingBalance), passado,
                                    MoneyText(*VlSaldoPeriodoPassado)));
    if (VlSaldoPeriodoPassadoST && *VlSaldoPeriodoPassadoST != TruncaCentavos(r.openingBalanceST))
        Finding(214, ComparisonText(deste, MoneyText(r.openingBalanceST), passado,
                                    MoneyText(*VlSaldoPeriodoPassadoST)));
}

// Special terms against the tax payable.
void DeclarationValidator::SpecialTermRules(const OwnOperationsTotals& t) {
    const Currency prazoEspecial = t.VlPrazoEspecial;
    VlImpostoRecolher = OwnOperationsBalance(t, m_header.openingBalance).TaxPayable;
    if (VlImpostoRecolher < prazoEspecial)
        Finding(250,
                ComparisonText(QStringLiteral("Valor do Imposto a Recolher = "), MoneyText(VlImpostoRecolher),
                               QStringLiteral(" Soma dos Valores de Prazos Especiais = "),
                               MoneyText(prazoEspecial)));
    if (Zero(VlImpostoRecolher) && !Zero(prazoEspecial))
        Finding(251);
}

// Compensations, transfers, receipts and the provision of the export credit balance.
void DeclarationValidator::ExportCreditBalanceRules(const ExportCreditTotals& t) {
    const DeclarationHeader& r = m_header;
    if (VlCompensacoes > t.VlN020014)
        Finding(270, ComparisonText(QStringLiteral("Soma dos valores Compensados e Transferidos = "),
                                    MoneyText(VlCompensacoes),
                                    QStringLiteral(", Soma dos valores lançados em Outros Débitos = "),
                                    MoneyText(t.VlN020014)));
    if (t.VlSaldoRecebido > t.VlN070032)
        Finding(271,
                ComparisonText(QStringLiteral("Soma dos valores Recebidos = "), MoneyText(t.VlSaldoRecebido),
                               QStringLiteral(", Soma dos valores lançados em Outros Créditos = "),
                               MoneyText(t.VlN070032)));
    if (Zero(t.VlSaldoPExterior) && !Zero(TruncaCentavos(r.exportEnergyCredit)))
        Finding(298, ComparisonText(QStringLiteral("Valor de Saídas para o Exterior = "),
                                    MoneyText(t.VlSaldoPExterior),
                                    QStringLiteral(", Valor de Créditos vinculados à exportação = "),
                                    MoneyText(r.exportEnergyCredit)));
    if (TruncaCentavos(r.exportOpeningBalance) > TruncaCentavos(r.openingBalance))
        Finding(303, QStringLiteral("O Saldo Credor Anterior (Operações Próprias) = ") +
                         MoneyText(r.openingBalance) +
                         QStringLiteral(", Saldo Credor Anterior de Exportação = ") +
                         MoneyText(r.exportOpeningBalance));
    const Currency disponivel = TruncaCentavos(r.exportOpeningBalance) + t.VlSaldoPeriodo;
    if (TruncaCentavos(r.exportProvision) > disponivel)
        Finding(304, QStringLiteral("A soma do Saldo Credor Anterior de Exportação + Saldo do período = ") +
                         MoneyText(r.exportOpeningBalance + t.VlSaldoPeriodo) +
                         QStringLiteral(" , Provisão = ") + MoneyText(r.exportProvision));
    if (TruncaCentavos(r.exportProvision) > t.VlSaldoProximoPeriodo)
        Finding(305, QStringLiteral("Provisão = ") + MoneyText(r.exportProvision) +
                         QStringLiteral(", Saldo p/ próximo período = ") +
                         MoneyText(t.VlSaldoProximoPeriodo));
    const Currency compensacoes = t.VlCompEstab + t.VlCompProprio + t.VlTransferencias;
    if (t.QtdSaldoCredor == 1 && compensacoes > disponivel)
        Finding(302,
                QStringLiteral("A soma das Compensações do Próprio + Compensações entre Estabelecimentos + "
                               "Transferências = ") +
                    MoneyText(compensacoes) +
                    QStringLiteral(", a soma do Saldo Credor Anterior de Exportação + Saldo do período = ") +
                    MoneyText(r.exportOpeningBalance + t.VlSaldoPeriodo));
    OwnTransferRule();
}

// A transfer of credit balance to the declaring taxpayer itself (one finding at most).
void DeclarationValidator::OwnTransferRule() {
    bool propria = false;
    Query(QStringLiteral("SELECT FIRST 1 NU_INSCRICAO FROM SALDO_CREDOR_TRANSFERIDO "
                         "WHERE SQ_DECLARACAO = ? AND NU_INSCRICAO = ?"),
          {m_header.sq.Value(), m_header.registration}, [&](TIBSQL&) { propria = true; });
    if (propria)
        Finding(297, QStringLiteral("Número de Inscrição de ambos = ") +
                         QString::number(m_header.registration) + QStringLiteral("."));
}

// The no-movement flags against the rows present.
void DeclarationValidator::NoMovementRules() {
    const DeclarationHeader& r = m_header;
    const QString comMovimento = QStringLiteral("N");
    if (DMDefAux->ContaMovALCZFM(r.sq) == 0 && r.noMovementFreeTradeArea == comMovimento)
        Finding(272);
    if (DMDefAux->ContaMovOperProp(r.sq) == 0 && r.noMovementOwnOperations == comMovimento)
        Finding(273);
    if (DMDefAux->ContaMovSubstTribut(r.sq) == 0 && r.noMovementTaxSubstitution == comMovimento)
        Finding(274);
    if (DMDefAux->ContaMovOutrosICMS(r.sq) == 0 && r.noMovementOtherIcms == comMovimento)
        Finding(275);
}

// O350008 with N140010, S140001 with O350011.
void DeclarationValidator::PairRules(const DeclarationFigures& f) {
    if (Zero(f.OtherICMS.VlO350008) != Zero(f.OwnOperations.VlN140010))
        Finding(308);
    else if (!Zero(f.OtherICMS.VlO350008) && f.OtherICMS.VlO350008 != f.OwnOperations.VlN140010)
        Finding(309, QStringLiteral("O350008 = ") + MoneyText(f.OtherICMS.VlO350008) +
                         QStringLiteral(", N140010 = ") + MoneyText(f.OwnOperations.VlN140010));
    if (!Zero(f.TaxSubstitution.VlS140001) && Zero(f.OtherICMS.VlO350011))
        Finding(310);
    if (!Zero(f.TaxSubstitution.VlS140001) && !Zero(f.OtherICMS.VlO350011) &&
        f.TaxSubstitution.VlS140001 != f.OtherICMS.VlO350011)
        Finding(311, QStringLiteral("S140001 = ") + MoneyText(f.TaxSubstitution.VlS140001) +
                         QStringLiteral(", O350011 = ") + MoneyText(f.OtherICMS.VlO350011));
}

// N070069 with N030018.
void DeclarationValidator::PairedOccurrenceRules() {
    const Currency credito = Sum(QStringLiteral(
        "SELECT SUM(oc.VL_OUTRO_CREDITO) FROM OUTRO_CREDITO_DECLARADO oc, FUNDAMENTACAO_LEGAL_DEF fun "
        "WHERE oc.SQ_DECLARACAO = ? AND oc.SQ_OCORRENCIA_DEF = fun.SQ_OCORRENCIA_DEF "
        "AND fun.TP_APURACAO = 'N' AND fun.TP_OCORRENCIA = 7 AND fun.NU_OCORRENCIA = 69"));
    const Currency estorno = Sum(QStringLiteral(
        "SELECT SUM(oc.VL_ESTORNO_CREDITO) FROM ESTORNO_CREDITO_DECLARADO oc, FUNDAMENTACAO_LEGAL_DEF fun "
        "WHERE oc.SQ_DECLARACAO = ? AND oc.SQ_OCORRENCIA_DEF = fun.SQ_OCORRENCIA_DEF "
        "AND fun.TP_APURACAO = 'N' AND fun.TP_OCORRENCIA = 3 AND fun.NU_OCORRENCIA = 18"));
    if (Zero(credito) != Zero(estorno))
        Finding(321);
    else if (!Zero(credito) && credito != estorno)
        Finding(322, QStringLiteral("N070069 = ") + MoneyText(credito) + QStringLiteral(", N030018 = ") +
                         MoneyText(estorno));
}

// Imports in other ICMS due without the kind of import declaration (datum 2).
void DeclarationValidator::ImportRule() {
    QStringList valores;
    Query(QStringLiteral("SELECT VL_COMPLEMENTO_3 FROM OUTRO_ICMS_DEVIDO "
                         "WHERE SQ_OCORRENCIA_DEF IN (?, ?) AND SQ_DECLARACAO = ? "
                         "AND RTRIM(VL_COMPLEMENTO_2) IS NULL ORDER BY SQ_OUTRO_ICMS_DEVIDO"),
          {ImportGround, ImportFundGround, m_header.sq.Value()},
          [&](TIBSQL& q) { valores << q.Fields(0).AsString(); });
    for (const QString& valor : valores)
        Finding(317, QStringLiteral("Para o valor ") + valor);
}

// Codes of group 2 declared with a zero book value: one finding per row.
void DeclarationValidator::CfopWithoutValueRule(const QString& tabela, const QString& rotulo) {
    std::vector<int> codigos;
    Query(QStringLiteral("SELECT CO_FISCAL_OPERACAO FROM %1 WHERE SQ_DECLARACAO = ? AND VL_CONTABIL = 0 "
                         "ORDER BY CO_FISCAL_OPERACAO")
              .arg(tabela),
          {m_header.sq.Value()}, [&](TIBSQL& q) { codigos.push_back(q.Fields(0).AsInteger()); });
    QHash<int, bool> grupo2;
    for (const int codigo : codigos) {
        auto it = grupo2.find(codigo);
        if (it == grupo2.end()) {
            bool pertence = false;
            try {
                pertence = PertenceGrupoCFOP2(codigo);
            } catch (const std::exception&) {
                RuleMessages::Refuse(RuleMessages::QueryFailed);
            }
            it = grupo2.insert(codigo, pertence);
        }
        if (it.value())
            Finding(318,
                    rotulo + QStringLiteral(" (Código: ") + QString::number(codigo) + QStringLiteral(")"));
    }
}
