// The lines of a period's balance as the summaries print them.

#include "declarations/reports/PeriodSummary.h"

#include <gtest/gtest.h>

namespace {

Currency C(std::int64_t units, std::int64_t cents = 0) {
    return Currency::fromRaw(units * Currency::Scale + cents * 100);
}

PeriodSummary Summary(Currency opening, Currency credits, Currency debits, Currency deductions,
                      Currency special = {}) {
    OwnOperationsTotals own;
    own.VlEntImposto = credits;
    own.VlSaiImposto = debits;
    own.VlDeducao = deductions;
    own.VlPrazoEspecial = special;
    return OwnOperationsSummary(own, opening);
}

TEST(PeriodSummaryTest, DebtsBeyondTheDeductionsArePayableAndTheSpecialTermsComeOffOnlyWhenTheyFit) {
    // Credits 1.000,00 with an opening balance of 100,00, debits 1.500,00, deductions 200,00.
    const PeriodSummary plain = Summary(C(100), C(900), C(1500), C(200));
    EXPECT_EQ(plain.Balance.DebtorBalance, C(500));
    EXPECT_EQ(plain.Balance.TaxPayable, C(300));
    EXPECT_EQ(plain.Balance.CarriedForward, Currency());
    EXPECT_EQ(plain.FinalTax, C(300));
    EXPECT_EQ(Summary(C(100), C(900), C(1500), C(200), C(100)).FinalTax, C(200));
    EXPECT_EQ(Summary(C(100), C(900), C(1500), C(200), C(300)).FinalTax, Currency());
    EXPECT_EQ(Summary(C(100), C(900), C(1500), C(200), C(400)).FinalTax, C(300));
}

TEST(PeriodSummaryTest, CreditsThatCoverTheDebitsCarryTheRestWithTheDeductions) {
    const PeriodSummary summary = Summary(Currency(), C(1200), C(1000), C(50), C(10));
    EXPECT_EQ(summary.Balance.DebtorBalance, Currency());
    EXPECT_EQ(summary.Balance.TaxPayable, Currency());
    EXPECT_EQ(summary.Balance.CarriedForward, C(250));
    // No tax: the special terms take nothing off.
    EXPECT_EQ(summary.FinalTax, Currency());
}

TEST(PeriodSummaryTest, DebtsExceedingTheCreditsByExactlyTheDeductionsLeaveNothing) {
    const PeriodSummary summary = Summary(Currency(), C(400), C(1000), C(600));
    EXPECT_EQ(summary.Balance.DebtorBalance, Currency());
    EXPECT_EQ(summary.Balance.TaxPayable, Currency());
    EXPECT_EQ(summary.Balance.CarriedForward, Currency());
    // Deductions beyond the debt are carried forward.
    EXPECT_EQ(Summary(Currency(), C(400), C(1000), C(700)).Balance.CarriedForward, C(100));
}

TEST(PeriodSummaryTest, TheOpeningBalanceShowsAsStoredAndCountsCutToCents) {
    const PeriodSummary summary = Summary(Currency::fromRaw(1000099), C(0), C(100, 1), Currency());
    EXPECT_EQ(summary.OpeningBalance, Currency::fromRaw(1000099));
    // 100,0099 counts as 100,00: 0,01 to pay.
    EXPECT_EQ(summary.Balance.Credits, C(100));
    EXPECT_EQ(summary.Balance.TaxPayable, C(0, 1));
    EXPECT_EQ(summary.Balance.DebtorBalance, C(0, 1));
}

TEST(PeriodSummaryTest, OwnOperationsAndTaxSubstitutionTakeTheirOwnTotals) {
    OwnOperationsTotals own;
    own.VlEntImposto = C(600);
    own.VlOutroCredito = C(50);
    own.VlEstornoDebito = C(50);
    own.VlSaiImposto = C(1000);
    own.VlDeducao = C(100);
    own.VlPrazoEspecial = C(20);
    const PeriodSummary proprias = OwnOperationsSummary(own, C(100));
    EXPECT_EQ(proprias.Balance.Credits, C(800));
    EXPECT_EQ(proprias.Balance.DebtorBalance, C(200));
    EXPECT_EQ(proprias.FinalTax, C(80));

    TaxSubstitutionTotals st;
    st.VlSTEntImpostoRetido = C(10);
    st.VlSTSaiImpostoRetido = C(30);
    st.VlSTOutroDebito = C(5);
    st.VlSTPrazoEspecial = C(25);
    const PeriodSummary substituicao = TaxSubstitutionSummary(st, C(5));
    EXPECT_EQ(substituicao.Balance.Debits, C(35));
    EXPECT_EQ(substituicao.Balance.TaxPayable, C(20));
    // The terms exceed the tax: it stays.
    EXPECT_EQ(substituicao.FinalTax, C(20));
}

} // namespace
