#include "declarations/validation/DeclarationValidator.h"

#include "platform/base/Exceptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBDatabase.h"
#include "tests/support/data/DataModules.h"
#include "tests/support/database/DeclarationFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using O = DeclarationFixture::Occurrences;
constexpr int Proprio = DeclarationFixture::DefaultInscricao;

Currency R(double value) {
    return Currency::fromDouble(value);
}

struct Finding {
    int code;
    QString detail;
};

} // namespace

class DeclarationValidatorTest : public DataModules {
protected:
    DeclarationValidatorTest() {
        fixture = std::make_unique<DeclarationFixture>(*geral->ibDBDef);
        fixture->Taxpayer();
    }
    ~DeclarationValidatorTest() override { fixture.reset(); }

    // A declaration of the month without movement on any page, which passes every rule.
    DeclarationFixture::Declaration Limpa(int sq, int ano = 2011, int mes = 1) {
        DeclarationFixture::Declaration d;
        d.sq = sq;
        d.ano = ano;
        d.mes = mes;
        d.semMovOperProp = d.semMovSubstTribut = d.semMovOutrosICMS = d.semMovAlcZfm = QStringLiteral("S");
        return d;
    }

    std::vector<Finding> Valida(int sq) {
        std::vector<Finding> findings;
        TClientDataSet* lista = def->cdsSelDeclaracao;
        lista->Close();
        lista->Open();
        EXPECT_TRUE(lista->Locate(QStringLiteral("SQ_DECLARACAO"), sq));
        validador = std::make_unique<DeclarationValidator>(DeclarationHeader::Of(*lista),
                                                           [&](int code, const QString& detail) {
                                                               findings.push_back({code, detail});
                                                           });
        validador->Validacao();
        return findings;
    }

    std::vector<int> Codigos(int sq) {
        std::vector<int> codes;
        for (const Finding& f : Valida(sq))
            codes.push_back(f.code);
        return codes;
    }

    QString Detalhe(int sq, int code) {
        for (const Finding& f : Valida(sq))
            if (f.code == code)
                return f.detail;
        ADD_FAILURE() << "no finding " << code;
        return {};
    }

    std::unique_ptr<DeclarationFixture> fixture;
    std::unique_ptr<DeclarationValidator> validador;
};

using Codes = std::vector<int>;

TEST_F(DeclarationValidatorTest, ADeclarationWithoutMovementPassesEveryRule) {
    fixture->AddDeclaration(Limpa(1));
    EXPECT_EQ(Codigos(1), Codes{});
    EXPECT_FALSE(validador->VlSaldoPeriodoPassado.has_value());
    EXPECT_FALSE(validador->VlSaldoPeriodoPassadoST.has_value());
}

TEST_F(DeclarationValidatorTest, TheLegalRepresentativeIsRequiredButAnEmptyNameIsNoNull) {
    DeclarationFixture::Declaration d = Limpa(1);
    d.representante.clear();
    fixture->AddDeclaration(d);
    const std::vector<Finding> findings = Valida(1);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].code, 200);
    EXPECT_EQ(findings[0].detail, QStringLiteral("O Nome do Representante Legal não informado."));

    fixture->Execute(QStringLiteral("UPDATE DECLARACAO_ECONOMICO_FISCAL SET NO_REPRESENTANTE_LEGAL = '' "
                                    "WHERE SQ_DECLARACAO = 1"));
    EXPECT_EQ(Codigos(1), Codes{});
}

TEST_F(DeclarationValidatorTest, InterstateEntriesAgainstTheOwnOperations) {
    fixture->AddDeclaration(Limpa(1));
    fixture->AddEntry(1, 2102, {R(100), R(80), {}, R(10), R(5), {}, {}});
    EXPECT_EQ(Codigos(1), (Codes{201, 202, 203, 204}));
    EXPECT_EQ(Detalhe(1, 202),
              QStringLiteral("Soma dos Valores Contábeis de Operações Interestaduais= 0,00 e Soma "
                             "dos Valores Contábeis de Operações Próprias = 100,00."));
    EXPECT_EQ(
        Detalhe(1, 204),
        QStringLiteral("Soma dos Valores de Outras de Operações Interestaduais= 0,00 e Soma dos Valores de "
                       "\"Isentas e não Tributadas\" e de \"Outras\" de Operações Próprias = 15,00."));

    fixture->AddInterstateEntry(1, 35, R(100), R(80), R(15), R(60), R(50));
    EXPECT_EQ(Codigos(1), Codes{205});
    EXPECT_EQ(Detalhe(1, 205),
              QStringLiteral(
                  "Soma dos Valores de \"Petróleo e Energia\" e de \"Outros Produtos\" de Operações "
                  "Interestaduais= 110,00 e Soma dos Valores Contábeis de Operações Próprias = 100,00."));
}

TEST_F(DeclarationValidatorTest, InterstateExitsAndTheFreeTradeAreaAgainstTheOwnOperations) {
    fixture->AddDeclaration(Limpa(1));
    fixture->AddExit(1, 6102, {R(1000), R(900), {}, R(50), R(30), {}, {}});
    EXPECT_EQ(Codigos(1), (Codes{206, 207, 208, 209}));

    fixture->AddInterstateExit(1, 33, R(400), R(600), R(400), R(500), R(80), R(1200));
    fixture->AddFreeTradeExit(1, 1, R(1500), R(60));
    EXPECT_EQ(Codigos(1), (Codes{210, 211, 212}));
    EXPECT_EQ(Detalhe(1, 212),
              QStringLiteral("Soma dos Valores de Isentas de Zona Franca de Manaus e ALC = 60,00 e "
                             "Soma dos Valores \"Isentas e Não Tributadas\" de Operações Próprias "
                             "= 50,00."));
}

TEST_F(DeclarationValidatorTest, InterstateRulesStartIn2002) {
    fixture->AddDeclaration(Limpa(1, 2001, 12));
    fixture->AddEntry(1, 2102, {R(100), R(80), {}, R(10), R(5), {}, {}});
    fixture->AddExit(1, 6102, {R(1000), R(900), {}, R(50), R(30), {}, {}});
    EXPECT_EQ(Codigos(1), Codes{});
    fixture->AddDeclaration(Limpa(2, 2002, 1));
    fixture->AddEntry(2, 2102, {R(100), {}, {}, {}, {}, {}, {}});
    EXPECT_EQ(Codigos(2), (Codes{201, 202}));
}

TEST_F(DeclarationValidatorTest, OpeningBalancesAgainstThePreviousMonth) {
    fixture->AddDeclaration(Limpa(1, 2011, 1));
    fixture->AddEntry(1, 1102, {R(500), R(500), R(144), {}, {}, R(100), R(30)});
    fixture->AddExit(1, 5102, {R(500), R(500), R(100), {}, {}, R(50), R(10)});
    DeclarationFixture::Declaration fevereiro = Limpa(2, 2011, 2);
    fevereiro.saldoAnterior = Currency::fromRaw(440099); // 44,0099 is 44,00 cut to cents
    fevereiro.saldoAnteriorST = R(20);
    fixture->AddDeclaration(fevereiro);
    EXPECT_EQ(Codigos(2), Codes{});
    EXPECT_EQ(validador->VlSaldoPeriodoPassado, R(44));
    EXPECT_EQ(validador->VlSaldoPeriodoPassadoST, R(20));

    fixture->Execute(QStringLiteral("UPDATE DECLARACAO_ECONOMICO_FISCAL SET VL_SALDO_ANTERIOR = 45.009, "
                                    "VL_SALDO_ANTERIOR_ST = 0 WHERE SQ_DECLARACAO = 2"));
    const std::vector<Finding> findings = Valida(2);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].code, 213);
    EXPECT_EQ(findings[0].detail,
              QStringLiteral("Valor do Saldo Anterior deste período = 45,01 Valor do Saldo "
                             "Anterior do período passado = 44,00."));
    EXPECT_EQ(findings[1].code, 214);
    EXPECT_EQ(findings[1].detail,
              QStringLiteral("Valor do Saldo Anterior deste período = 0,00 Valor do Saldo "
                             "Anterior do período passado = 20,00."));
}

TEST_F(DeclarationValidatorTest, AFirstDeclarationHasNoPreviousBalanceWhateverItsOpening) {
    DeclarationFixture::Declaration d = Limpa(1, 2011, 3);
    d.saldoAnterior = R(123.45);
    d.saldoAnteriorST = R(-1); // cannot stand for "no previous declaration" either
    fixture->AddDeclaration(d);
    EXPECT_EQ(Codigos(1), Codes{});
    EXPECT_FALSE(validador->VlSaldoPeriodoPassado.has_value());
}

TEST_F(DeclarationValidatorTest, JanuaryLooksAtDecemberAndTheLastRectificationWins) {
    fixture->AddDeclaration(Limpa(1, 2010, 12));
    fixture->AddEntry(1, 1102, {R(50), R(50), R(44), {}, {}, {}, {}});
    DeclarationFixture::Declaration retificadora = Limpa(3, 2010, 12);
    retificadora.retificadora = QStringLiteral("S");
    retificadora.nuRetificadora = 1;
    retificadora.sqRetifica = 1;
    fixture->AddDeclaration(retificadora);
    fixture->AddEntry(3, 1102, {R(50), R(50), R(50), {}, {}, {}, {}});
    DeclarationFixture::Declaration janeiro = Limpa(2, 2011, 1);
    janeiro.saldoAnterior = R(50);
    fixture->AddDeclaration(janeiro);
    EXPECT_EQ(Codigos(2), Codes{});
    EXPECT_EQ(validador->VlSaldoPeriodoPassado, R(50));

    fixture->Execute(QStringLiteral("UPDATE DECLARACAO_ECONOMICO_FISCAL SET VL_SALDO_ANTERIOR = 44 "
                                    "WHERE SQ_DECLARACAO = 2"));
    EXPECT_EQ(Codigos(2), Codes{213});
}

TEST_F(DeclarationValidatorTest, SpecialTermsWithoutTaxPayableRaiseBoth) {
    fixture->AddDeclaration(Limpa(1));
    fixture->AddEntry(1, 1102, {R(100), R(100), R(100), {}, {}, {}, {}});
    fixture->AddOccurrence(O::PrazoEspecial, 1, 1, fixture->LegalGround('N', 30, 1), R(2));
    EXPECT_EQ(Codigos(1), (Codes{250, 251}));
    EXPECT_EQ(Detalhe(1, 250), QStringLiteral("Valor do Imposto a Recolher = 0,00 Soma dos Valores de Prazos "
                                              "Especiais = 2,00."));
    EXPECT_EQ(validador->VlImpostoRecolher, Currency());

    fixture->AddExit(1, 5102, {R(1000), R(1000), R(200), {}, {}, {}, {}});
    EXPECT_EQ(Codigos(1), Codes{});
    EXPECT_EQ(validador->VlImpostoRecolher, R(100));
}

class ExportCreditBalance : public DeclarationValidatorTest {
protected:
    // Every export rule broken: compensated 150 and 20 transferred to the
    // declarant against 40 of other debits N020014; 30 received against 10
    // of other credits N070032; an energy credit without exports; an export
    // opening balance above the own one; a provision above everything.
    void Declaracao(int sq, int ano, int mes) {
        DeclarationFixture::Declaration d = Limpa(sq, ano, mes);
        d.sceAnterior = R(100);
        d.sceCreditoEnergia = R(5);
        d.sceProvisao = R(1000);
        fixture->AddDeclaration(d);
        fixture->AddCreditBalance(O::SCCompensado, sq, 1, fixture->LegalGround('E', 58, 1), R(150), 87654321);
        fixture->AddCreditBalance(O::SCTransferido, sq, 1, fixture->LegalGround('E', 52, 1), R(20), Proprio);
        fixture->AddCreditBalance(O::SCRecebido, sq, 1, fixture->LegalGround('E', 56, 1), R(30), 87654321);
        fixture->AddOccurrence(O::OutroDebito, sq, 1, fixture->LegalGround('N', 2, 14), R(40));
        fixture->AddOccurrence(O::OutroCredito, sq, 1, fixture->LegalGround('N', 7, 32), R(10));
    }
};

TEST_F(ExportCreditBalance, EveryRuleInItsOrderFromApril2002) {
    Declaracao(1, 2002, 4);
    EXPECT_EQ(Codigos(1), (Codes{270, 271, 298, 303, 304, 305, 302, 297}));
    EXPECT_EQ(Detalhe(1, 270),
              QStringLiteral("Soma dos valores Compensados e Transferidos = 170,00, Soma dos "
                             "valores lançados em Outros Débitos = 40,00."));
    EXPECT_EQ(Detalhe(1, 303),
              QStringLiteral("O Saldo Credor Anterior (Operações Próprias) = 0,00, Saldo Credor "
                             "Anterior de Exportação = 100,00"));
    EXPECT_EQ(Detalhe(1, 304),
              QStringLiteral("A soma do Saldo Credor Anterior de Exportação + Saldo do período = "
                             "105,00 , Provisão = 1.000,00"));
    EXPECT_EQ(Detalhe(1, 305), QStringLiteral("Provisão = 1.000,00, Saldo p/ próximo período = -65,00"));
    EXPECT_EQ(Detalhe(1, 297), QStringLiteral("Número de Inscrição de ambos = 12345674."));
    EXPECT_EQ(validador->VlCompensacoes, R(170));
}

TEST_F(ExportCreditBalance, NothingBeforeApril2002) {
    Declaracao(1, 2002, 3);
    EXPECT_EQ(Codigos(1), Codes{});
}

TEST_F(ExportCreditBalance, TwoTransfersToTheDeclarantRaise297Once) {
    Declaracao(1, 2011, 1);
    fixture->AddCreditBalance(O::SCTransferido, 1, 2, fixture->LegalGround('E', 52, 1), R(1), Proprio);
    const Codes codes = Codigos(1);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), 297), 1);
}

TEST_F(DeclarationValidatorTest, ExportRulesNeedExportData) {
    fixture->AddDeclaration(Limpa(1, 2011, 1));
    fixture->AddOccurrence(O::OutroCredito, 1, 1, fixture->LegalGround('N', 7, 32), R(10));
    fixture->AddCreditBalance(O::SCRecebido, 1, 1, fixture->LegalGround('E', 56, 1), R(30), 87654321);
    EXPECT_EQ(Codigos(1), Codes{}); // 271 would hold, but there are no compensations nor declared values
    fixture->Execute(QStringLiteral("UPDATE DECLARACAO_ECONOMICO_FISCAL SET VL_SCE_PROVISAO = 0.01"));
    EXPECT_EQ(Codigos(1), (Codes{271, 304, 305})); // a declared value alone opens them
}

TEST_F(DeclarationValidatorTest, ExportRulesHoldAtTheirEdges) {
    DeclarationFixture::Declaration d = Limpa(1);
    d.saldoAnterior = d.sceAnterior = R(60);
    d.sceProvisao = Currency::fromRaw(100099); // cut to 10,00: the balance carried forward
    fixture->AddDeclaration(d);
    fixture->AddCreditBalance(O::SCCompensado, 1, 1, fixture->LegalGround('E', 58, 1), R(50), 87654321);
    fixture->AddOccurrence(O::OutroDebito, 1, 1, fixture->LegalGround('N', 2, 14), R(50));
    EXPECT_EQ(Codigos(1), Codes{}); // compensated as much as the other debits N020014
}

TEST_F(DeclarationValidatorTest, NoMovementFlagsAgainstThePages) {
    DeclarationFixture::Declaration d = Limpa(1);
    d.semMovOperProp = d.semMovSubstTribut = d.semMovOutrosICMS = d.semMovAlcZfm = QStringLiteral("N");
    fixture->AddDeclaration(d);
    EXPECT_EQ(Codigos(1), (Codes{272, 273, 274, 275}));
    fixture->AddOccurrence(O::OutroDebito, 1, 1, fixture->LegalGround('S', 2, 1), R(5));
    EXPECT_EQ(Codigos(1), (Codes{272, 273, 275}));
    fixture->AddOccurrence(O::OutroDebito, 1, 2, fixture->LegalGround('N', 2, 1), R(5));
    EXPECT_EQ(Codigos(1), (Codes{272, 275}));
    fixture->AddFreeTradeExit(1, 1, R(10), {});
    fixture->AddExit(1, 5102, {R(10), {}, {}, {}, {}, R(5), {}});
    EXPECT_EQ(Codigos(1), (Codes{211, 275}));
}

class PairedOccurrences : public DeclarationValidatorTest {
protected:
    // O350008 with N140010 (rules 308 and 309) in the month.
    Codes Par(int sq, int ano, int mes, double o350008, double n140010) {
        fixture->AddDeclaration(Limpa(sq, ano, mes));
        if (o350008 != 0)
            fixture->AddOccurrence(O::OutroICMS, sq, 1, fixture->LegalGround('O', 35, 8), R(o350008));
        if (n140010 != 0)
            fixture->AddOccurrence(O::Deducao, sq, 1, fixture->LegalGround('N', 14, 10), R(n140010));
        return Codigos(sq);
    }
    // S140001 with O350011 (rules 310 and 311).
    Codes ParST(int sq, double s140001, double o350011) {
        fixture->AddDeclaration(Limpa(sq));
        if (s140001 != 0)
            fixture->AddOccurrence(O::Deducao, sq, 1, fixture->LegalGround('S', 14, 1), R(s140001));
        if (o350011 != 0)
            fixture->AddOccurrence(O::OutroICMS, sq, 1, fixture->LegalGround('O', 35, 11), R(o350011));
        return Codigos(sq);
    }
    // N070069 with N030018 (rules 321 and 322), in any period.
    Codes ParN(int sq, double n070069, double n030018) {
        fixture->AddDeclaration(Limpa(sq, 2001, 1));
        if (n070069 != 0)
            fixture->AddOccurrence(O::OutroCredito, sq, 1, fixture->LegalGround('N', 7, 69), R(n070069));
        if (n030018 != 0)
            fixture->AddOccurrence(O::EstornoCredito, sq, 1, fixture->LegalGround('N', 3, 18), R(n030018));
        return Codigos(sq);
    }
};

TEST_F(PairedOccurrences, O350008AndN140010TruthTable) {
    // Months apart, so that no declaration is the previous month of another.
    EXPECT_EQ(Par(1, 2011, 1, 0, 0), Codes{});
    EXPECT_EQ(Par(2, 2011, 3, 5, 5), Codes{});
    EXPECT_EQ(Par(3, 2011, 5, 5, 0), Codes{308});
    EXPECT_EQ(Par(4, 2011, 7, 0, 5), Codes{308});
    EXPECT_EQ(Par(5, 2011, 9, 5, 6), Codes{309});
    EXPECT_EQ(Detalhe(5, 309), QStringLiteral("O350008 = 5,00, N140010 = 6,00"));
}

TEST_F(PairedOccurrences, PairsStartInAugust2004) {
    EXPECT_EQ(Par(1, 2004, 7, 5, 0), Codes{});
    EXPECT_EQ(Par(2, 2004, 8, 5, 0), Codes{308});
    EXPECT_EQ(ParST(3, 5, 0), Codes{310});
}

TEST_F(PairedOccurrences, S140001AndO350011) {
    EXPECT_EQ(ParST(1, 0, 0), Codes{});
    EXPECT_EQ(ParST(2, 0, 5), Codes{});
    EXPECT_EQ(ParST(3, 5, 0), Codes{310});
    EXPECT_EQ(ParST(4, 5, 5), Codes{});
    EXPECT_EQ(ParST(5, 5, 6), Codes{311});
    EXPECT_EQ(Detalhe(5, 311), QStringLiteral("S140001 = 5,00, O350011 = 6,00"));
}

TEST_F(PairedOccurrences, N070069AndN030018InEveryPeriod) {
    EXPECT_EQ(ParN(1, 0, 0), Codes{});
    EXPECT_EQ(ParN(2, 5, 5), Codes{});
    EXPECT_EQ(ParN(3, 5, 0), Codes{321});
    EXPECT_EQ(ParN(4, 0, 5), Codes{321});
    EXPECT_EQ(ParN(5, 5, 6), Codes{322});
    EXPECT_EQ(Detalhe(5, 322), QStringLiteral("N070069 = 5,00, N030018 = 6,00"));
}

TEST_F(DeclarationValidatorTest, ImportsWithoutTheKindOfDeclarationOneFindingEach) {
    fixture->AddDeclaration(Limpa(1));
    fixture->AddOccurrence(O::OutroICMS, 1, 1, 207, R(1),
                           {QStringLiteral("01/01/2011"), {}, QStringLiteral("A1")});
    fixture->AddOccurrence(O::OutroICMS, 1, 2, 209, R(1),
                           {QStringLiteral("01/01/2011"), QStringLiteral("   "), QStringLiteral("B2")});
    fixture->AddOccurrence(O::OutroICMS, 1, 3, 207, R(1),
                           {QStringLiteral("01/01/2011"), QStringLiteral("D"), QStringLiteral("C3")});
    fixture->AddOccurrence(O::OutroICMS, 1, 4, 206, R(1), {QStringLiteral("01/01/2011")});
    const std::vector<Finding> findings = Valida(1);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].code, 317);
    EXPECT_EQ(findings[0].detail, QStringLiteral("Para o valor A1"));
    EXPECT_EQ(findings[1].detail, QStringLiteral("Para o valor B2"));
}

TEST_F(DeclarationValidatorTest, ZeroValuedCodesOfGroupTwoEntriesBeforeExits) {
    fixture->AddDeclaration(Limpa(1));
    fixture->AddExit(1, 5949, {});
    fixture->AddEntry(1, 1949, {});
    fixture->AddEntry(1, 1601, {});
    fixture->AddEntry(1, 1102, {});
    fixture->AddExit(1, 5102, {R(1), {}, {}, {}, {}, {}, {}});
    const std::vector<Finding> findings = Valida(1);
    ASSERT_EQ(findings.size(), 3u);
    EXPECT_EQ(findings[0].detail, QStringLiteral("Operações Próprias - Entradas (Código: 1601)"));
    EXPECT_EQ(findings[1].detail, QStringLiteral("Operações Próprias - Entradas (Código: 1949)"));
    EXPECT_EQ(findings[2].detail, QStringLiteral("Operações Próprias - Saídas (Código: 5949)"));
    for (const Finding& f : findings)
        EXPECT_EQ(f.code, 318);
}

TEST_F(DeclarationValidatorTest, AFailingQueryShowsMessage300AndEndsTheRunUnfinished) {
    DeclarationFixture::Declaration d = Limpa(1);
    d.representante.clear();
    fixture->AddDeclaration(d);
    fixture->Execute(QStringLiteral("DROP TABLE OUTRO_ICMS_DEVIDO"));
    prompter.Answer(mrOk);
    std::vector<int> codes;
    TClientDataSet* lista = def->cdsSelDeclaracao;
    lista->Open();
    ASSERT_TRUE(lista->Locate(QStringLiteral("SQ_DECLARACAO"), 1));
    DeclarationValidator run(DeclarationHeader::Of(*lista),
                             [&](int code, const QString&) { codes.push_back(code); });
    EXPECT_THROW(run.Validacao(), EAbort);
    EXPECT_EQ(codes, Codes{200}); // what came before the failure
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
    EXPECT_EQ(prompter.Last().Text, TDMDefAux::BuscaMensagemErro(300));
}
