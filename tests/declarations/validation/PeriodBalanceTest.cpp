#include "declarations/validation/PeriodBalance.h"

#include <gtest/gtest.h>

namespace {

Currency R(double value) {
    return Currency::fromDouble(value);
}

} // namespace

TEST(PeriodBalance, CreditsReachingTheDebitsCarryTheRestAndTheDeductionsForward) {
    const PeriodBalance balance = BalanceOfPeriod(R(10.009), R(90), R(100), R(5));
    EXPECT_EQ(balance.Credits, R(100)); // the opening balance is cut to cents
    EXPECT_EQ(balance.TaxPayable, Currency());
    EXPECT_EQ(balance.CarriedForward, R(5));
}

TEST(PeriodBalance, WhatTheDeductionsDoNotCoverIsPayable) {
    const PeriodBalance balance = BalanceOfPeriod(R(0), R(40), R(100), R(25));
    EXPECT_EQ(balance.TaxPayable, R(35));
    EXPECT_EQ(balance.CarriedForward, Currency());
}

TEST(PeriodBalance, DeductionsBeyondTheAmountOwingAreCarriedForward) {
    EXPECT_EQ(BalanceOfPeriod(R(0), R(40), R(100), R(60)), (PeriodBalance{R(40), R(100), R(0), R(0)}));
    const PeriodBalance balance = BalanceOfPeriod(R(0), R(40), R(100), R(75.5));
    EXPECT_EQ(balance.TaxPayable, Currency());
    EXPECT_EQ(balance.CarriedForward, R(15.5));
}

TEST(PeriodBalance, OwnOperationsAndTaxSubstitutionTakeTheirFigures) {
    TTotaisOperacoesProprias own;
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

    TTotaisSubstTributaria st;
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
