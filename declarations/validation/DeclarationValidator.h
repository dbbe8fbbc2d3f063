#pragma once
// The authority's cross-record rules over one declaration. Each failed rule
// is one finding, a message code of TIPO_ERRO_DECLARACAO with a detail text,
// handed to the callback (the validation window's PutErro) in the order the
// rules run. No rule stops the run.
//
// The declaration is its header row, taken as a value (DeclarationHeader, read
// from the declaration list, DMDef.cdsSelDeclaracao). Its figures are one
// value (DeclarationFiguresOf), computed once per run and handed to the rules
// that judge them; the previous month's balances come from that month's own
// totals, a value apart.
//
// A query that fails shows the message of code 300 and raises the silent
// abort: the run ends unfinished and its outcome must not be recorded (the
// findings handed over so far are incomplete).

#include "core/data/DeclarationTotals.h"
#include "declarations/validation/DeclarationHeader.h"
#include "platform/base/Currency.h"

#include <QString>
#include <QVariantList>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class TIBSQL;
class TIBTransaction;

class DeclarationValidator {
public:
    // (code, detail); the detail may be empty.
    using FindingEvent = std::function<void(int codigo, const QString& detalhe)>;

    DeclarationValidator(const DeclarationHeader& declaracao, FindingEvent putErro);
    ~DeclarationValidator();
    DeclarationValidator(const DeclarationValidator&) = delete;
    DeclarationValidator& operator=(const DeclarationValidator&) = delete;

    // Runs every rule on the declaration, in the authority's order.
    void Validacao();
    // The balances that the declaration of the previous month carries
    // forward; none when the taxpayer has no declaration for that month.
    void BuscaSaldosAnteriores();

    // Results of the last run.
    std::optional<Currency> VlSaldoPeriodoPassado;
    std::optional<Currency> VlSaldoPeriodoPassadoST;
    Currency VlImpostoRecolher;
    Currency VlCompensacoes;

private:
    void LoadPreviousBalances();
    void Finding(int codigo, const QString& detalhe = {});
    void InterstateRules(const OwnOperationsTotals& t);
    void OpeningBalanceRules();
    void SpecialTermRules(const OwnOperationsTotals& t);
    void ExportCreditBalanceRules(const ExportCreditTotals& t);
    void OwnTransferRule();
    void NoMovementRules();
    void PairRules(const DeclarationFigures& f);
    void PairedOccurrenceRules();
    void ImportRule();
    void CfopWithoutValueRule(const QString& tabela, const QString& rotulo);

    // Runs a query with its parameters ("?") and hands every row to `row`;
    // a failure shows message 300 and aborts. Each text is prepared once, on
    // its first run, and kept prepared for every later run of the validator.
    void Query(const QString& sql, const QVariantList& params, const std::function<void(TIBSQL&)>& row);
    Currency Sum(const QString& sql);

    const DeclarationHeader m_header;
    FindingEvent m_putFinding;
    std::unique_ptr<TIBTransaction> m_transaction;
    std::map<QString, std::unique_ptr<TIBSQL>> m_queries; // by SQL text
};
