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
constexpr int AnoRegrasInterestaduais = 2002;
constexpr int AnoSaldoCredorExportacao = 2002;
constexpr int MesSaldoCredorExportacao = 4;
constexpr int AnoOcorrenciasPareadas = 2004;
constexpr int MesOcorrenciasPareadas = 8;

// Other ICMS due of imports (O350007 and the fund's O350009), whose second
// datum names the kind of import declaration.
constexpr int OcorrenciaImportacao = 207;
constexpr int OcorrenciaImportacaoFundo = 209;

bool APartirDe(int mes, int ano, int mesInicial, int anoInicial) {
    return ano > anoInicial || (ano == anoInicial && mes >= mesInicial);
}

QString Valor(Currency valor) {
    return FormatFloat(MoneyFormat, valor);
}

// Amounts the details show rounded to cents first.
QString ValorArredondado(Currency valor) {
    return FormatFloat(MoneyFormat, valor.rounded(2));
}

bool Zero(Currency valor) {
    return valor == Currency();
}

QString Comparacao(const QString& primeiro, const QString& a, const QString& segundo, const QString& b) {
    return primeiro + a + segundo + b + QStringLiteral(".");
}

} // namespace

DeclarationValidator::DeclarationValidator(const DeclarationHeader& declaracao, PutErroEvent putErro)
    : m_declaracao(declaracao), m_putErro(std::move(putErro)),
      m_transaction(std::make_unique<TIBTransaction>()) {
    m_transaction->SetDefaultDatabase(DMDefGeral->ibDBDef);
    m_transaction->SetParams({QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                              QStringLiteral("nowait"), QStringLiteral("read")});
}

DeclarationValidator::~DeclarationValidator() = default;

void DeclarationValidator::Erro(int codigo, const QString& detalhe) {
    m_putErro(codigo, detalhe);
}

// ---- queries ------------------------------------------------------------------------

void DeclarationValidator::Consulta(const QString& sql, const QVariantList& params,
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

Currency DeclarationValidator::Soma(const QString& sql) {
    Currency soma;
    Consulta(sql, {m_declaracao.sq.Value()}, [&](TIBSQL& q) { soma = q.Fields(0).AsCurrency(); });
    return soma;
}

// ---- the run ------------------------------------------------------------------------

void DeclarationValidator::BuscaSaldosAnteriores() {
    SaldosAnteriores();
}

void DeclarationValidator::SaldosAnteriores() {
    const int mes = m_declaracao.month == 1 ? 12 : m_declaracao.month - 1;
    const int ano = m_declaracao.month == 1 ? m_declaracao.year - 1 : m_declaracao.year;
    VlSaldoPeriodoPassado.reset();
    VlSaldoPeriodoPassadoST.reset();
    std::optional<DeclarationKey> anterior;
    Currency saldo;
    Currency saldoST;
    // The highest key of the month: a rectifying declaration wins over the one it rectifies.
    Consulta(QStringLiteral("SELECT FIRST 1 SQ_DECLARACAO, VL_SALDO_ANTERIOR, VL_SALDO_ANTERIOR_ST "
                            "FROM DECLARACAO_ECONOMICO_FISCAL "
                            "WHERE NU_INSCRICAO = ? AND AN_REFERENCIA = ? AND ME_REFERENCIA = ? "
                            "ORDER BY SQ_DECLARACAO DESC"),
             {m_declaracao.registration, ano, mes}, [&](TIBSQL& q) {
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
    const DeclarationHeader& r = m_declaracao;
    SaldosAnteriores();
    if (r.noRepresentative)
        Erro(200, QStringLiteral("O Nome do Representante Legal não informado."));
    // This month's figures, one value, apart from the previous month's balances.
    const DeclarationFigures figuras =
        DeclarationFiguresOf(r.sq, r.exportOpeningBalance, r.exportEnergyCredit, r.exportProvision);
    if (r.year >= AnoRegrasInterestaduais)
        RegrasInterestaduais(figuras.OwnOperations);
    RegrasSaldoAnterior();
    RegrasPrazoEspecial(figuras.OwnOperations);

    const TTotaisSaldoCredorExportacao& saldoCredor = figuras.ExportCredit;
    VlCompensacoes =
        TruncaCentavos(saldoCredor.VlCompEstab + saldoCredor.VlCompProprio + saldoCredor.VlTransferencias);
    const bool comSaldoCredor = saldoCredor.QtdSaldoCredor == 1 || !Zero(saldoCredor.VlSCEDeclarado);
    if (APartirDe(r.month, r.year, MesSaldoCredorExportacao, AnoSaldoCredorExportacao) && comSaldoCredor)
        RegrasSaldoCredorExportacao(saldoCredor);
    RegrasSemMovimento();

    if (APartirDe(r.month, r.year, MesOcorrenciasPareadas, AnoOcorrenciasPareadas))
        RegrasPares(figuras);
    RegrasOcorrenciasPareadas();
    RegraImportacao();
    RegraCFOPSemValor(QStringLiteral("ENTRADA_DECLARADA"), QStringLiteral("Operações Próprias - Entradas"));
    RegraCFOPSemValor(QStringLiteral("SAIDA_DECLARADA"), QStringLiteral("Operações Próprias - Saídas"));
}

// ---- the rules ----------------------------------------------------------------------

// Own operations against the interstate pages and the free-trade-area page.
void DeclarationValidator::RegrasInterestaduais(const TTotaisOperacoesProprias& t) {
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
        Erro(201);
    if (t.VlEntIEContabil != t.VlEntInterContabil)
        Erro(202, Comparacao(contabeisIE, Valor(t.VlEntIEContabil), contabeisProprias,
                             Valor(t.VlEntInterContabil)));
    if (t.VlEntIEBaseCalculo != t.VlEntInterBaseCalculo)
        Erro(203,
             Comparacao(baseIE, Valor(t.VlEntIEBaseCalculo), baseProprias, Valor(t.VlEntInterBaseCalculo)));
    if (t.VlEntIEOutras != t.VlEntInterIsentasOutras)
        Erro(204, Comparacao(outrasIE, Valor(t.VlEntIEOutras), isentasOutrasProprias,
                             Valor(t.VlEntInterIsentasOutras)));
    const Currency petroleoOutros = t.VlEntIEPetroleoEnergia + t.VlEntIEOutrosProdutos;
    if (t.VlEntInterContabil < petroleoOutros)
        Erro(205, Comparacao(
                      QStringLiteral("Soma dos Valores de \"Petróleo e Energia\" e de \"Outros Produtos\"") +
                          interestaduais,
                      ValorArredondado(petroleoOutros), contabeisProprias, Valor(t.VlEntInterContabil)));

    const Currency contabilIE = t.VlSaiIEContabilCntb + t.VlSaiIEContabilNaoCntb;
    if (!Zero(t.VlSaiInterContabil) && Zero(contabilIE))
        Erro(206);
    if (t.VlSaiInterContabil != contabilIE)
        Erro(207, Comparacao(contabeisIE, ValorArredondado(contabilIE), contabeisProprias,
                             Valor(t.VlSaiInterContabil)));
    const Currency baseIESaidas = t.VlSaiIEBaseCalculoCntb + t.VlSaiIEBaseCalculoNaoCntb;
    if (t.VlSaiInterBaseCalculo != baseIESaidas)
        Erro(208, Comparacao(baseIE, ValorArredondado(baseIESaidas), baseProprias,
                             Valor(t.VlSaiInterBaseCalculo)));
    if (t.VlSaiInterIsentasOutras != t.VlSaiIEOutras)
        Erro(209, Comparacao(outrasIE, Valor(t.VlSaiIEOutras), isentasOutrasProprias,
                             Valor(t.VlSaiInterIsentasOutras)));
    if (t.VlSaiInterContabil < t.VlSaiIEImpostoCobradoST)
        Erro(210,
             Comparacao(QStringLiteral("Soma dos Valores de \"ICMS cobrado por Substituição Tributária\"") +
                            interestaduais,
                        Valor(t.VlSaiIEImpostoCobradoST), contabeisProprias, Valor(t.VlSaiInterContabil)));
    if (t.VlSaiInterContabil < t.VlALCNotaFiscal)
        Erro(211,
             Comparacao(QStringLiteral("Soma dos Valores de Nota Fiscal de Zona Franca de Manaus e ALC = "),
                        Valor(t.VlALCNotaFiscal), contabeisProprias, Valor(t.VlSaiInterContabil)));
    if (t.VlSaiInterIsentas < t.VlALCIsentas)
        Erro(212, Comparacao(QStringLiteral("Soma dos Valores de Isentas de Zona Franca de Manaus e ALC = "),
                             Valor(t.VlALCIsentas),
                             QStringLiteral(" e Soma dos Valores \"Isentas e Não Tributadas\"") + proprias,
                             Valor(t.VlSaiInterIsentas)));
}

// The opening balances against what the previous month carries forward.
void DeclarationValidator::RegrasSaldoAnterior() {
    const DeclarationHeader& r = m_declaracao;
    const QString deste = QStringLiteral("Valor do Saldo Anterior deste período = ");
    const QString passado = QStringLiteral(" Valor do Saldo Anterior do período passado = ");
    if (VlSaldoPeriodoPassado && *VlSaldoPeriodoPassado != TruncaCentavos(r.openingBalance))
        Erro(213, Comparacao(deste, Valor(r.openingBalance), passado, Valor(*VlSaldoPeriodoPassado)));
    if (VlSaldoPeriodoPassadoST && *VlSaldoPeriodoPassadoST != TruncaCentavos(r.openingBalanceST))
        Erro(214, Comparacao(deste, Valor(r.openingBalanceST), passado, Valor(*VlSaldoPeriodoPassadoST)));
}

// Special terms against the tax payable.
void DeclarationValidator::RegrasPrazoEspecial(const TTotaisOperacoesProprias& t) {
    const Currency prazoEspecial = t.VlPrazoEspecial;
    VlImpostoRecolher = OwnOperationsBalance(t, m_declaracao.openingBalance).TaxPayable;
    if (VlImpostoRecolher < prazoEspecial)
        Erro(250,
             Comparacao(QStringLiteral("Valor do Imposto a Recolher = "), Valor(VlImpostoRecolher),
                        QStringLiteral(" Soma dos Valores de Prazos Especiais = "), Valor(prazoEspecial)));
    if (Zero(VlImpostoRecolher) && !Zero(prazoEspecial))
        Erro(251);
}

// Compensations, transfers, receipts and the provision of the export credit balance.
void DeclarationValidator::RegrasSaldoCredorExportacao(const TTotaisSaldoCredorExportacao& t) {
    const DeclarationHeader& r = m_declaracao;
    if (VlCompensacoes > t.VlN020014)
        Erro(270, Comparacao(QStringLiteral("Soma dos valores Compensados e Transferidos = "),
                             Valor(VlCompensacoes),
                             QStringLiteral(", Soma dos valores lançados em Outros Débitos = "),
                             Valor(t.VlN020014)));
    if (t.VlSaldoRecebido > t.VlN070032)
        Erro(271, Comparacao(QStringLiteral("Soma dos valores Recebidos = "), Valor(t.VlSaldoRecebido),
                             QStringLiteral(", Soma dos valores lançados em Outros Créditos = "),
                             Valor(t.VlN070032)));
    if (Zero(t.VlSaldoPExterior) && !Zero(TruncaCentavos(r.exportEnergyCredit)))
        Erro(298, Comparacao(QStringLiteral("Valor de Saídas para o Exterior = "), Valor(t.VlSaldoPExterior),
                             QStringLiteral(", Valor de Créditos vinculados à exportação = "),
                             Valor(r.exportEnergyCredit)));
    if (TruncaCentavos(r.exportOpeningBalance) > TruncaCentavos(r.openingBalance))
        Erro(303, QStringLiteral("O Saldo Credor Anterior (Operações Próprias) = ") +
                      Valor(r.openingBalance) + QStringLiteral(", Saldo Credor Anterior de Exportação = ") +
                      Valor(r.exportOpeningBalance));
    const Currency disponivel = TruncaCentavos(r.exportOpeningBalance) + t.VlSaldoPeriodo;
    if (TruncaCentavos(r.exportProvision) > disponivel)
        Erro(304, QStringLiteral("A soma do Saldo Credor Anterior de Exportação + Saldo do período = ") +
                      Valor(r.exportOpeningBalance + t.VlSaldoPeriodo) + QStringLiteral(" , Provisão = ") +
                      Valor(r.exportProvision));
    if (TruncaCentavos(r.exportProvision) > t.VlSaldoProximoPeriodo)
        Erro(305, QStringLiteral("Provisão = ") + Valor(r.exportProvision) +
                      QStringLiteral(", Saldo p/ próximo período = ") + Valor(t.VlSaldoProximoPeriodo));
    const Currency compensacoes = t.VlCompEstab + t.VlCompProprio + t.VlTransferencias;
    if (t.QtdSaldoCredor == 1 && compensacoes > disponivel)
        Erro(302,
             QStringLiteral("A soma das Compensações do Próprio + Compensações entre Estabelecimentos + "
                            "Transferências = ") +
                 Valor(compensacoes) +
                 QStringLiteral(", a soma do Saldo Credor Anterior de Exportação + Saldo do período = ") +
                 Valor(r.exportOpeningBalance + t.VlSaldoPeriodo));
    RegraTransferenciaPropria();
}

// A transfer of credit balance to the declaring taxpayer itself (one finding at most).
void DeclarationValidator::RegraTransferenciaPropria() {
    bool propria = false;
    Consulta(QStringLiteral("SELECT FIRST 1 NU_INSCRICAO FROM SALDO_CREDOR_TRANSFERIDO "
                            "WHERE SQ_DECLARACAO = ? AND NU_INSCRICAO = ?"),
             {m_declaracao.sq.Value(), m_declaracao.registration}, [&](TIBSQL&) { propria = true; });
    if (propria)
        Erro(297, QStringLiteral("Número de Inscrição de ambos = ") +
                      QString::number(m_declaracao.registration) + QStringLiteral("."));
}

// The no-movement flags against the rows present.
void DeclarationValidator::RegrasSemMovimento() {
    const DeclarationHeader& r = m_declaracao;
    const QString comMovimento = QStringLiteral("N");
    if (DMDefAux->ContaMovALCZFM(r.sq) == 0 && r.noMovementFreeTradeArea == comMovimento)
        Erro(272);
    if (DMDefAux->ContaMovOperProp(r.sq) == 0 && r.noMovementOwnOperations == comMovimento)
        Erro(273);
    if (DMDefAux->ContaMovSubstTribut(r.sq) == 0 && r.noMovementTaxSubstitution == comMovimento)
        Erro(274);
    if (DMDefAux->ContaMovOutrosICMS(r.sq) == 0 && r.noMovementOtherIcms == comMovimento)
        Erro(275);
}

// O350008 with N140010, S140001 with O350011.
void DeclarationValidator::RegrasPares(const DeclarationFigures& f) {
    if (Zero(f.OtherICMS.VlO350008) != Zero(f.OwnOperations.VlN140010))
        Erro(308);
    else if (!Zero(f.OtherICMS.VlO350008) && f.OtherICMS.VlO350008 != f.OwnOperations.VlN140010)
        Erro(309, QStringLiteral("O350008 = ") + Valor(f.OtherICMS.VlO350008) +
                      QStringLiteral(", N140010 = ") + Valor(f.OwnOperations.VlN140010));
    if (!Zero(f.TaxSubstitution.VlS140001) && Zero(f.OtherICMS.VlO350011))
        Erro(310);
    if (!Zero(f.TaxSubstitution.VlS140001) && !Zero(f.OtherICMS.VlO350011) &&
        f.TaxSubstitution.VlS140001 != f.OtherICMS.VlO350011)
        Erro(311, QStringLiteral("S140001 = ") + Valor(f.TaxSubstitution.VlS140001) +
                      QStringLiteral(", O350011 = ") + Valor(f.OtherICMS.VlO350011));
}

// N070069 with N030018.
void DeclarationValidator::RegrasOcorrenciasPareadas() {
    const Currency credito = Soma(QStringLiteral(
        "SELECT SUM(oc.VL_OUTRO_CREDITO) FROM OUTRO_CREDITO_DECLARADO oc, FUNDAMENTACAO_LEGAL_DEF fun "
        "WHERE oc.SQ_DECLARACAO = ? AND oc.SQ_OCORRENCIA_DEF = fun.SQ_OCORRENCIA_DEF "
        "AND fun.TP_APURACAO = 'N' AND fun.TP_OCORRENCIA = 7 AND fun.NU_OCORRENCIA = 69"));
    const Currency estorno = Soma(QStringLiteral(
        "SELECT SUM(oc.VL_ESTORNO_CREDITO) FROM ESTORNO_CREDITO_DECLARADO oc, FUNDAMENTACAO_LEGAL_DEF fun "
        "WHERE oc.SQ_DECLARACAO = ? AND oc.SQ_OCORRENCIA_DEF = fun.SQ_OCORRENCIA_DEF "
        "AND fun.TP_APURACAO = 'N' AND fun.TP_OCORRENCIA = 3 AND fun.NU_OCORRENCIA = 18"));
    if (Zero(credito) != Zero(estorno))
        Erro(321);
    else if (!Zero(credito) && credito != estorno)
        Erro(322,
             QStringLiteral("N070069 = ") + Valor(credito) + QStringLiteral(", N030018 = ") + Valor(estorno));
}

// Imports in other ICMS due without the kind of import declaration (datum 2).
void DeclarationValidator::RegraImportacao() {
    QStringList valores;
    Consulta(QStringLiteral("SELECT VL_COMPLEMENTO_3 FROM OUTRO_ICMS_DEVIDO "
                            "WHERE SQ_OCORRENCIA_DEF IN (?, ?) AND SQ_DECLARACAO = ? "
                            "AND RTRIM(VL_COMPLEMENTO_2) IS NULL ORDER BY SQ_OUTRO_ICMS_DEVIDO"),
             {OcorrenciaImportacao, OcorrenciaImportacaoFundo, m_declaracao.sq.Value()},
             [&](TIBSQL& q) { valores << q.Fields(0).AsString(); });
    for (const QString& valor : valores)
        Erro(317, QStringLiteral("Para o valor ") + valor);
}

// Codes of group 2 declared with a zero book value: one finding per row.
void DeclarationValidator::RegraCFOPSemValor(const QString& tabela, const QString& rotulo) {
    std::vector<int> codigos;
    Consulta(QStringLiteral("SELECT CO_FISCAL_OPERACAO FROM %1 WHERE SQ_DECLARACAO = ? AND VL_CONTABIL = 0 "
                            "ORDER BY CO_FISCAL_OPERACAO")
                 .arg(tabela),
             {m_declaracao.sq.Value()}, [&](TIBSQL& q) { codigos.push_back(q.Fields(0).AsInteger()); });
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
            Erro(318, rotulo + QStringLiteral(" (Código: ") + QString::number(codigo) + QStringLiteral(")"));
    }
}
