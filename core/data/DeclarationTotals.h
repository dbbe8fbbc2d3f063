#pragma once
// The figures of a declaration, computed from its rows in five blocks, each
// by its own routine. Amounts are exact money cut to hundredths. The sums run
// on DMDefGeral.cdsAuxiliar; a query that fails shows the message of a failing
// query and aborts silently.

#include "core/data/DeclarationKey.h"
#include "platform/base/Currency.h"

#include <optional>

// Own operations.
struct OwnOperationsTotals {
    Currency VlEntContabil, VlEntBaseCalculo, VlEntImposto, VlEntIsentas, VlEntOutras, VlEntBaseCalculoST,
        VlEntImpostoRetidoST;
    Currency VlEntInterContabil, VlEntInterBaseCalculo, VlEntInterIsentasOutras, VlEntInterImposto,
        VlEntInterIsentas, VlEntInterOutras, VlEntInterBaseCalculoST, VlEntInterImpostoRetidoST;
    Currency VlEntIEContabil, VlEntIEBaseCalculo, VlEntIEPetroleoEnergia, VlEntIEOutrosProdutos,
        VlEntIEOutras;
    Currency VlSaiContabil, VlSaiBaseCalculo, VlSaiImposto, VlSaiIsentas, VlSaiOutras, VlSaiBaseCalculoST,
        VlSaiImpostoRetidoST;
    Currency VlSaiInterContabil, VlSaiInterBaseCalculo, VlSaiInterImposto, VlSaiInterIsentas,
        VlSaiInterOutras, VlSaiInterBaseCalculoST, VlSaiInterImpostoRetidoST;
    Currency VlSaiIEContabilNaoCntb, VlSaiIEContabilCntb, VlSaiIEBaseCalculoNaoCntb, VlSaiIEBaseCalculoCntb,
        VlSaiIEOutras, VlSaiIEImpostoCobradoST;
    Currency VlALCNotaFiscal, VlALCIsentas;
    Currency VlPrazoEspecial, VlOutroCredito, VlEstornoDebito, VlOutroDebito, VlEstornoCredito, VlDeducao;
    Currency VlSaiInterIsentasOutras;
    Currency VlN140010;
};

// Export credit balance.
struct ExportCreditTotals {
    Currency VlN020014, VlN070032, VlCompEstab, VlCompProprio, VlTransferencias, VlSaldoRecebido,
        VlSaldoPExterior, VlSCEImpostoEnt, VlTotalSaidas, VlSCEImpostoSai;
    Currency VlSCEOutCreditos, VlSCEOutDebitos, VlSCEEstCreditos, VlSCEEstDebitos;
    // Exports over all exits: rounded to five decimals, the fifth then dropped.
    Currency VlProporcao;
    Currency VlDebAjustado, VlCredAjustado, VlSaldoAjustPeriodo, VlSaldoPeriodo, VlSaldoProximoPeriodo;
    Currency VlSCEDeclarado;
    Currency VlDeducoesN14;
    int QtdSaldoCredor = 0;
};

// Tax substitution.
struct TaxSubstitutionTotals {
    Currency VlSTEntBaseCalculo, VlSTEntImpostoRetido, VlSTSaiBaseCalculo, VlSTSaiImpostoRetido;
    Currency VlSTPrazoEspecial, VlSTOutroCredito, VlSTEstornoDebito, VlSTOutroDebito, VlSTEstornoCredito,
        VlSTDeducao;
    Currency VlS140001;
};

// Other ICMS due.
struct OtherIcmsTotals {
    Currency VlO350008, VlO350011;
};

// Which blocks of the declaration hold data.
struct OperationsMovement {
    bool ComMovOperProp = false, ComMovSubstTribut = false, ComMovOutrosICMS = false, ComOpInter = false,
         ComMovALCZFM = false, ComSaldoAcumulado = false, ComSaldoRecebido = false;
};

// The five blocks of one declaration.
struct DeclarationFigures {
    OwnOperationsTotals OwnOperations;
    ExportCreditTotals ExportCredit;
    TaxSubstitutionTotals TaxSubstitution;
    OtherIcmsTotals OtherICMS;
    OperationsMovement Movement;
};

// All five blocks.
DeclarationFigures DeclarationFiguresOf(DeclarationKey key, Currency vlAnterior, Currency vlCreditoEnergia,
                                        Currency vlProvisao);

// One block at a time, into `into`: cleared first, then filled query by
// query, so that a query that fails leaves the sums made before it.
void ComputeOwnOperations(DeclarationKey key, OwnOperationsTotals& into);
// Given the declaration's previous export balance, energy credit and provision
// (VL_SCE_ANTERIOR, VL_SCE_CREDITO_ICMS_ENERGIA, VL_SCE_PROVISAO).
void ComputeExportCredit(DeclarationKey key, Currency vlAnterior, Currency vlCreditoEnergia,
                         Currency vlProvisao, ExportCreditTotals& into);
void ComputeTaxSubstitution(DeclarationKey key, TaxSubstitutionTotals& into);
void ComputeOtherICMS(DeclarationKey key, OtherIcmsTotals& into);
// Which blocks hold data; refills the export credit block too, on which the
// accumulated balance depends.
void ComputeMovement(DeclarationKey key, Currency vlAnterior, Currency vlCreditoEnergia, Currency vlProvisao,
                     OperationsMovement& into, ExportCreditTotals& saldoCredor);

// The export balance for the next period as the summaries show it: never
// more than the own operations' credit to carry; none when it is negative.
std::optional<Currency> NextPeriodExportBalance(const ExportCreditTotals& totals, Currency ownCreditToCarry);

// 1 when the declaration has movement of the kind, else 0.
int CreditBalanceMovement(DeclarationKey key);
int OwnOperationsMovement(DeclarationKey key);
int OtherICMSMovement(DeclarationKey key);
int TaxSubstitutionMovement(DeclarationKey key);
int ALCZFMMovement(DeclarationKey key);
