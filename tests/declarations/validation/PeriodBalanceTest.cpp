#include "declarations/validation/PeriodBalance.h"

#include <gtest/gtest.h>

namespace {

Currency R(double value) {
    return Currency::fromDouble(value);
}

} // namespace

TEST(PeriodBalanceTest, CreditsReachingTheDebitsCarryTheRestAndTheDeductionsForward) {
    const PeriodBalance balance = BalanceOfPeriod(R(10.009), R(90), R(100), R(5));
    EXPECT_EQ(balance.Credits, R(100)); // the opening balance is cut to cents
    EXPECT_EQ(balance.TaxPayable, Currency());
    EXPECT_EQ(balance.CarriedForward, R(5));
}

TEST(PeriodBalanceTest, WhatTheDeductionsDoNotCoverIsPayable) {
    const PeriodBalance balance = BalanceOfPeriod(R(0), R(40), R(100), R(25));
    EXPECT_EQ(balance.TaxPayable, R(35));
    EXPECT_EQ(balance.CarriedForward, Currency());
}

TEST(PeriodBalanceTest, DeductionsBeyondTheAmountOwingAreCarriedForward) {
    EXPECT_EQ(BalanceOfPeriod(R(0), R(40), R(100), R(60)), (PeriodBalance{R(40), R(100), R(0), R(0), R(0)}));
    const PeriodBalance balance = BalanceOfPeriod(R(0), R(40), R(100), R(75.5));
    EXPECT_EQ(balance.TaxPayable, Currency());
    EXPECT_EQ(balance.CarriedForward, R(15.5));
}

TEST(PeriodBalanceTest, OwnOperationsAndTaxSubstitutionTakeTheirFigures) {
    OwnOperationsTotals own;
    own.VlOutroCredito = R(1);
    own.VlEstornoDebito = R(2);
    own.VlEntImposto = R(3);
    own.VlOutroDebito = R(10);
    own.VlEstornoCredito = R(20);
    own.VlSaiImposto = R(30);
    own.VlDeducao = R(4);
    const PeriodBalance ownBalance = OwnOperationsBalance(own, R(5));
    EXPECT_EQ(ownBalance.Credits, R(11));
    EXPECT_EQ(ownBalance.Debits, R(60));
    EXPECT_EQ(ownBalance.TaxPayable, R(45));

    TaxSubstitutionTotals st;
    st.VlSTOutroCredito = R(1);
    st.VlSTEstornoDebito = R(2);
    st.VlSTEntImpostoRetido = R(30);
    st.VlSTOutroDebito = R(4);
    st.VlSTEstornoCredito = R(5);
    st.VlSTSaiImpostoRetido = R(6);
    st.VlSTDeducao = R(1);
    const PeriodBalance stBalance = TaxSubstitutionBalance(st, R(0));
    EXPECT_EQ(stBalance.TaxPayable, Currency());
    EXPECT_EQ(stBalance.CarriedForward, R(19));
}

TEST(PeriodBalanceTest, TheSheetsCasesInExactMoney) {
    // Debits 1.000,00 against credits 400,00: deductions of 700,00 cover the 600,00 owing...
    EXPECT_EQ(BalanceOfPeriod(R(0), R(400), R(1000), R(700)),
              (PeriodBalance{R(400), R(1000), R(0), R(100), R(0)}));
    // ...500,00 do not: 600,00 owing, 100,00 payable.
    EXPECT_EQ(BalanceOfPeriod(R(0), R(400), R(1000), R(500)),
              (PeriodBalance{R(400), R(1000), R(100), R(0), R(600)}));
    // Deductions exactly equal to what is owing, in amounts no binary fraction holds.
    const PeriodBalance exato = BalanceOfPeriod(R(0.1), R(0.2), R(0.7), R(0.4));
    EXPECT_EQ(exato.TaxPayable, Currency());
    EXPECT_EQ(exato.DebtorBalance, Currency());
    EXPECT_EQ(exato.CarriedForward, Currency());
    // Nothing at all: nothing payable, nothing carried.
    EXPECT_EQ(BalanceOfPeriod(R(0), R(0), R(0), R(0)), PeriodBalance{});
    // Credits covering the debits never leave a debtor balance.
    EXPECT_EQ(BalanceOfPeriod(R(50), R(950), R(1000), R(0)).DebtorBalance, Currency());
}
