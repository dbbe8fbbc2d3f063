#include "tests/support/data/DataModules.h"

namespace {

Currency M(const char* texto) {
    return Currency::parse(QString::fromLatin1(texto)).value();
}

class DeclarationTotalsTest : public DataModules {
protected:
    DeclarationTotalsTest() {
        CriaContribuinte();
        BuildDeclaration(1);
    }

    void Entrada(int cfop, const char* contabil, const char* imposto = "0", const char* baseST = "0",
                 const char* retidoST = "0") {
        Executa(QStringLiteral(
                    "INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL, "
                    "VL_IMPOSTO, VL_BASE_CALCULO_ST, VL_IMPOSTO_RETIDO_ST) VALUES (1, %1, %2, %3, %4, %5)")
                    .arg(cfop)
                    .arg(QString::fromLatin1(contabil), QString::fromLatin1(imposto),
                         QString::fromLatin1(baseST), QString::fromLatin1(retidoST)));
    }
    void Saida(int cfop, const char* contabil, const char* imposto = "0") {
        Executa(QStringLiteral("INSERT INTO SAIDA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL, "
                               "VL_IMPOSTO) VALUES (1, %1, %2, %3)")
                    .arg(cfop)
                    .arg(QString::fromLatin1(contabil), QString::fromLatin1(imposto)));
    }
    void Lancamento(const char* tabela, const char* chave, const char* coluna, int sq, int ocorrencia,
                    const char* valor) {
        Executa(
            QStringLiteral("INSERT INTO %1 (%2, SQ_DECLARACAO, SQ_OCORRENCIA_DEF, %3) VALUES (%4, 1, %5, %6)")
                .arg(QString::fromLatin1(tabela), QString::fromLatin1(chave), QString::fromLatin1(coluna))
                .arg(sq)
                .arg(ocorrencia)
                .arg(QString::fromLatin1(valor)));
    }
    void OutroDebito(int sq, int ocorrencia, const char* valor) {
        Lancamento("OUTRO_DEBITO_DECLARADO", "SQ_OUTRO_DEBITO_DECLARADO", "VL_OUTRO_DEBITO", sq, ocorrencia,
                   valor);
    }
};

TEST_F(DeclarationTotalsTest, DeclaracaoSemLinhasDaZeroEmTudo) {
    DeclarationFigures f;
    f.OwnOperations = aux->CalculaOperacoesProprias(DeclarationKey(1));
    f.TaxSubstitution = aux->CalculaSubstTributaria(DeclarationKey(1));
    ComputeOtherICMS(DeclarationKey(1), f.OtherICMS);
    ComputeMovement(DeclarationKey(1), M("100"), Currency(), Currency(), f.Movement, f.ExportCredit);
    EXPECT_EQ(f.OwnOperations.VlEntContabil, Currency());
    EXPECT_EQ(f.OwnOperations.VlSaiImposto, Currency());
    EXPECT_EQ(f.OwnOperations.VlN140010, Currency());
    EXPECT_EQ(f.TaxSubstitution.VlSTDeducao, Currency());
    EXPECT_EQ(f.OtherICMS.VlO350011, Currency());
    EXPECT_EQ(f.ExportCredit.VlSaldoPeriodo, Currency());
    EXPECT_EQ(f.ExportCredit.VlSaldoProximoPeriodo, M("100"));
    EXPECT_EQ(f.ExportCredit.QtdSaldoCredor, 0);
    EXPECT_FALSE(f.Movement.ComOpInter);
    EXPECT_FALSE(f.Movement.ComSaldoRecebido);
    EXPECT_TRUE(f.Movement.ComSaldoAcumulado); // the previous balance alone
    EXPECT_TRUE(f.Movement.ComMovOperProp);    // flag "N": the block has movement
    for (auto conta :
         {&TDMDefAux::ContaMovOperProp, &TDMDefAux::ContaMovSubstTribut, &TDMDefAux::ContaMovOutrosICMS,
          &TDMDefAux::ContaMovALCZFM, &TDMDefAux::ContaMovSaldoCredor})
        EXPECT_EQ((aux.get()->*conta)(DeclarationKey(1)), 0);
}

TEST_F(DeclarationTotalsTest, FaixasDeCFOPDasEntradasESaidasInterestaduais) {
    DeclarationFigures f;
    Entrada(199, "1");
    Entrada(200, "2");
    Entrada(299, "4");
    Entrada(300, "8");
    Entrada(2102, "16");
    Entrada(3102, "32");
    Entrada(2999, "64");
    Saida(599, "1");
    Saida(600, "2");
    Saida(6999, "4");
    Saida(7000, "8");
    f.OwnOperations = aux->CalculaOperacoesProprias(DeclarationKey(1));
    EXPECT_EQ(f.OwnOperations.VlEntInterContabil, M("86"));
    EXPECT_EQ(f.OwnOperations.VlEntContabil, M("127"));
    EXPECT_EQ(f.OwnOperations.VlSaiInterContabil, M("6"));
    EXPECT_EQ(f.OwnOperations.VlSaiContabil, M("15"));
}

TEST_F(DeclarationTotalsTest, ColunasDasOperacoesInterestaduais) {
    DeclarationFigures f;
    Executa(QStringLiteral(
        "INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL, VL_BASE_CALCULO, "
        "VL_IMPOSTO, VL_OPERACOES_ISENTAS, VL_OUTRAS_OPERACOES, VL_BASE_CALCULO_ST, VL_IMPOSTO_RETIDO_ST) "
        "VALUES (1, 2102, 1.019, 2.029, 3.039, 4.049, 5.059, 6.069, 7.079)"));
    Executa(QStringLiteral(
        "INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL, VL_BASE_CALCULO, "
        "VL_IMPOSTO, VL_OPERACOES_ISENTAS, VL_OUTRAS_OPERACOES, VL_BASE_CALCULO_ST, VL_IMPOSTO_RETIDO_ST) "
        "VALUES (1, 1102, 100, 100, 100, 100, 100, 100, 100)"));
    Executa(QStringLiteral(
        "INSERT INTO SAIDA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL, VL_BASE_CALCULO, "
        "VL_IMPOSTO, VL_OPERACOES_ISENTAS, VL_OUTRAS_OPERACOES, VL_BASE_CALCULO_ST, VL_IMPOSTO_RETIDO_ST) "
        "VALUES (1, 6102, 10, 20, 30, 40, 50, 60, 70)"));
    Executa(QStringLiteral(
        "INSERT INTO SAIDA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL, VL_BASE_CALCULO, "
        "VL_IMPOSTO, VL_OPERACOES_ISENTAS, VL_OUTRAS_OPERACOES, VL_BASE_CALCULO_ST, VL_IMPOSTO_RETIDO_ST) "
        "VALUES (1, 5102, 1000, 1000, 1000, 1000, 1000, 1000, 1000)"));
    f.OwnOperations = aux->CalculaOperacoesProprias(DeclarationKey(1));
    // Each column of the interstate entries (2102 only), cut to cents.
    EXPECT_EQ(f.OwnOperations.VlEntInterContabil, M("1.01"));
    EXPECT_EQ(f.OwnOperations.VlEntInterBaseCalculo, M("2.02"));
    EXPECT_EQ(f.OwnOperations.VlEntInterImposto, M("3.03"));
    EXPECT_EQ(f.OwnOperations.VlEntInterIsentas, M("4.04"));
    EXPECT_EQ(f.OwnOperations.VlEntInterOutras, M("5.05"));
    EXPECT_EQ(f.OwnOperations.VlEntInterIsentasOutras,
              M("9.09")); // each cut before they are added
    EXPECT_EQ(f.OwnOperations.VlEntInterBaseCalculoST, M("6.06"));
    EXPECT_EQ(f.OwnOperations.VlEntInterImpostoRetidoST, M("7.07"));
    EXPECT_EQ(f.OwnOperations.VlEntIsentas, M("104.04"));
    EXPECT_EQ(f.OwnOperations.VlEntImpostoRetidoST, M("107.07"));
    // And of the interstate exits (6102 only).
    EXPECT_EQ(f.OwnOperations.VlSaiInterContabil, M("10"));
    EXPECT_EQ(f.OwnOperations.VlSaiInterBaseCalculo, M("20"));
    EXPECT_EQ(f.OwnOperations.VlSaiInterImposto, M("30"));
    EXPECT_EQ(f.OwnOperations.VlSaiInterIsentas, M("40"));
    EXPECT_EQ(f.OwnOperations.VlSaiInterOutras, M("50"));
    EXPECT_EQ(f.OwnOperations.VlSaiInterIsentasOutras, M("90"));
    EXPECT_EQ(f.OwnOperations.VlSaiInterBaseCalculoST, M("60"));
    EXPECT_EQ(f.OwnOperations.VlSaiInterImpostoRetidoST, M("70"));
    EXPECT_EQ(f.OwnOperations.VlSaiBaseCalculoST, M("1060"));
}

TEST_F(DeclarationTotalsTest, EntradasESaidasPorEstadoEAreaDeLivreComercio) {
    DeclarationFigures f;
    BuildDeclaration(2, 2011, 2);
    const std::vector<QVariantList> ufs =
        banco.Rows(QStringLiteral("SELECT FIRST 2 CO_UF FROM UFS ORDER BY CO_UF"));
    ASSERT_EQ(ufs.size(), 2u);
    for (const QVariantList& uf : ufs) {
        Executa(
            QStringLiteral("INSERT INTO ENTRADA_IE_DECLARADA (SQ_DECLARACAO, CO_UF, VL_CONTABIL, "
                           "VL_BASE_CALCULO, VL_OUTRAS_OPERACOES, VL_PETROLEO_ENERGIA, VL_OUTROS_PRODUTOS) "
                           "VALUES (1, %1, 1.005, 2, 3, 4, 5)")
                .arg(uf[0].toInt()));
        Executa(QStringLiteral(
                    "INSERT INTO SAIDA_IE_DECLARADA (SQ_DECLARACAO, CO_UF, VL_CONTABIL_NAO_CNTB, "
                    "VL_CONTABIL_CNTB, VL_BASE_CALCULO_NAO_CNTB, VL_BASE_CALCULO_CNTB, "
                    "VL_OUTRAS_OPERACOES, VL_IMPOSTO_COBRADO_ST) VALUES (1, %1, 10, 20, 30, 40, 50, 60)")
                    .arg(uf[0].toInt()));
    }
    // Another declaration's rows count for it only.
    Executa(QStringLiteral(
                "INSERT INTO ENTRADA_IE_DECLARADA (SQ_DECLARACAO, CO_UF, VL_CONTABIL) VALUES (2, %1, 7)")
                .arg(ufs[0][0].toInt()));
    Executa(
        QStringLiteral("INSERT INTO SAIDA_ALC_DECLARADA (SQ_DECLARACAO, CO_LOCALIDADE, NU_SERIE_NOTA_FISCAL, "
                       "NU_SUBSERIE_NOTA_FISCAL, NU_NOTA_FISCAL, VL_NOTA_FISCAL, VL_ISENTAS) SELECT FIRST 1 "
                       "1, CO_LOCALIDADE, "
                       "'A', ' ', 1, 1000.009, 170.5 FROM MUNICIPIO"));
    Executa(
        QStringLiteral("INSERT INTO SAIDA_ALC_DECLARADA (SQ_DECLARACAO, CO_LOCALIDADE, NU_SERIE_NOTA_FISCAL, "
                       "NU_SUBSERIE_NOTA_FISCAL, NU_NOTA_FISCAL, VL_NOTA_FISCAL, VL_ISENTAS) SELECT FIRST 1 "
                       "1, CO_LOCALIDADE, "
                       "'A', ' ', 2, 500, 85.25 FROM MUNICIPIO"));
    f.OwnOperations = aux->CalculaOperacoesProprias(DeclarationKey(1));
    EXPECT_EQ(f.OwnOperations.VlEntIEContabil, M("2.01"));
    EXPECT_EQ(f.OwnOperations.VlEntIEBaseCalculo, M("4"));
    EXPECT_EQ(f.OwnOperations.VlEntIEOutras, M("6"));
    EXPECT_EQ(f.OwnOperations.VlEntIEPetroleoEnergia, M("8"));
    EXPECT_EQ(f.OwnOperations.VlEntIEOutrosProdutos, M("10"));
    EXPECT_EQ(f.OwnOperations.VlSaiIEContabilNaoCntb, M("20"));
    EXPECT_EQ(f.OwnOperations.VlSaiIEContabilCntb, M("40"));
    EXPECT_EQ(f.OwnOperations.VlSaiIEBaseCalculoNaoCntb, M("60"));
    EXPECT_EQ(f.OwnOperations.VlSaiIEBaseCalculoCntb, M("80"));
    EXPECT_EQ(f.OwnOperations.VlSaiIEOutras, M("100"));
    EXPECT_EQ(f.OwnOperations.VlSaiIEImpostoCobradoST, M("120"));
    EXPECT_EQ(f.OwnOperations.VlALCNotaFiscal, M("1500"));
    EXPECT_EQ(f.OwnOperations.VlALCIsentas, M("255.75"));
    f.OwnOperations = aux->CalculaOperacoesProprias(DeclarationKey(2));
    EXPECT_EQ(f.OwnOperations.VlEntIEContabil, M("7"));
    EXPECT_EQ(f.OwnOperations.VlSaiIEOutras, Currency());
    EXPECT_EQ(f.OwnOperations.VlALCNotaFiscal, Currency());
}

TEST_F(DeclarationTotalsTest, FaixasDasSaidasParaOExteriorEDaProporcao) {
    DeclarationFigures f;
    Saida(5501, "1");
    Saida(5102, "2");
    Saida(8000, "4");
    Saida(700, "8");
    Saida(499, "16");
    Saida(6502, "32");
    Entrada(499, "0", "1");
    Entrada(500, "0", "2");
    Entrada(1001, "0", "4");
    Entrada(1000, "0", "8");
    Entrada(5000, "0", "16");
    f.ExportCredit = aux->CalculaSaldoCredorExportacao(DeclarationKey(1), Currency(), Currency(), Currency());
    EXPECT_EQ(f.ExportCredit.VlSaldoPExterior, M("41"));
    EXPECT_EQ(f.ExportCredit.VlTotalSaidas, M("43"));
    EXPECT_EQ(f.ExportCredit.VlSCEImpostoEnt, M("5")); // 499 and 1001 only
}

TEST_F(DeclarationTotalsTest, SomasSaoCortadasNosCentavos) {
    DeclarationFigures f;
    Entrada(1102, "10.005", "0.29");
    Entrada(1101, "0.0099", "0.0099");
    f.OwnOperations = aux->CalculaOperacoesProprias(DeclarationKey(1));
    EXPECT_EQ(f.OwnOperations.VlEntContabil, M("10.01")); // 10,0149 cut, not rounded to 10,02
    EXPECT_EQ(f.OwnOperations.VlEntImposto, M("0.29"));
    Executa(QStringLiteral("DELETE FROM ENTRADA_DECLARADA"));
    Entrada(1102, "10.005");
    f.OwnOperations = aux->CalculaOperacoesProprias(DeclarationKey(1));
    EXPECT_EQ(f.OwnOperations.VlEntContabil, M("10.00"));
}

TEST_F(DeclarationTotalsTest, SomasDeOcorrenciasPorApuracaoTipoENumero) {
    DeclarationFigures f;
    OutroDebito(1, Ocorrencia('N', 2, 1), "200");
    OutroDebito(2, Ocorrencia('N', 2, 14), "30");
    OutroDebito(3, Ocorrencia('S', 2, 1), "7");
    Lancamento("DEDUCAO_DECLARADA", "SQ_DEDUCAO_DECLARADA", "VL_DEDUCAO", 1, Ocorrencia('N', 14, 10), "5");
    Lancamento("DEDUCAO_DECLARADA", "SQ_DEDUCAO_DECLARADA", "VL_DEDUCAO", 2, Ocorrencia('S', 14, 1), "3");
    Lancamento("OUTRO_ICMS_DEVIDO", "SQ_OUTRO_ICMS_DEVIDO", "VL_LANCAMENTO", 1, Ocorrencia('O', 35, 8), "11");
    Lancamento("OUTRO_ICMS_DEVIDO", "SQ_OUTRO_ICMS_DEVIDO", "VL_LANCAMENTO", 2, Ocorrencia('O', 35, 11),
               "13");
    f.OwnOperations = aux->CalculaOperacoesProprias(DeclarationKey(1));
    f.TaxSubstitution = aux->CalculaSubstTributaria(DeclarationKey(1));
    ComputeOtherICMS(DeclarationKey(1), f.OtherICMS);
    f.ExportCredit = aux->CalculaSaldoCredorExportacao(DeclarationKey(1), Currency(), Currency(), Currency());
    EXPECT_EQ(f.OwnOperations.VlOutroDebito, M("230"));
    EXPECT_EQ(f.ExportCredit.VlN020014, M("30"));
    EXPECT_EQ(f.TaxSubstitution.VlSTOutroDebito, M("7"));
    EXPECT_EQ(f.OwnOperations.VlDeducao, M("5"));
    EXPECT_EQ(f.OwnOperations.VlN140010, M("5"));
    EXPECT_EQ(f.ExportCredit.VlDeducoesN14, M("5"));
    EXPECT_EQ(f.TaxSubstitution.VlS140001, M("3"));
    EXPECT_EQ(f.TaxSubstitution.VlSTDeducao, M("3"));
    EXPECT_EQ(f.OtherICMS.VlO350008, M("11"));
    EXPECT_EQ(f.OtherICMS.VlO350011, M("13"));
    EXPECT_EQ(aux->ContaMovSubstTribut(DeclarationKey(1)), 1);
    EXPECT_EQ(aux->ContaMovOutrosICMS(DeclarationKey(1)), 1);
}

TEST_F(DeclarationTotalsTest, ExemploDoSaldoCredorDeExportacao) {
    DeclarationFigures f;
    Saida(5102, "6000", "1800");
    Saida(5501, "3000");
    OutroDebito(1, Ocorrencia('N', 2, 1), "200");
    Entrada(1102, "10000", "2500");
    Executa(QStringLiteral("INSERT INTO SALDO_CREDOR_COMPENSADO (SQ_SALDO_CREDOR_COMPENSADO, SQ_DECLARACAO, "
                           "SQ_OCORRENCIA_DEF, VL_COMPENSADO) VALUES (1, 1, %1, 50)")
                .arg(Ocorrencia('E', 58, 1)));
    Executa(
        QStringLiteral("INSERT INTO SALDO_CREDOR_TRANSFERIDO (SQ_SALDO_CREDOR_TRANSFERIDO, SQ_DECLARACAO, "
                       "SQ_OCORRENCIA_DEF, VL_SALDO_TRANSFERIDO) VALUES (1, 1, %1, 20)")
            .arg(Ocorrencia('E', 52, 1)));
    f.ExportCredit = aux->CalculaSaldoCredorExportacao(DeclarationKey(1), M("100"), M("10"), Currency());
    EXPECT_EQ(f.ExportCredit.VlDebAjustado, M("2000"));
    EXPECT_EQ(f.ExportCredit.VlCredAjustado, M("2490"));
    EXPECT_EQ(f.ExportCredit.VlSaldoAjustPeriodo, M("490"));
    EXPECT_EQ(f.ExportCredit.VlProporcao, M("0.3333"));
    EXPECT_EQ(f.ExportCredit.VlSaldoPeriodo, M("173.317"));
    EXPECT_EQ(f.ExportCredit.VlSaldoProximoPeriodo, M("203.317"));
    EXPECT_EQ(f.ExportCredit.VlSCEDeclarado, M("110"));
    EXPECT_EQ(f.ExportCredit.QtdSaldoCredor, 1);
    f.ExportCredit = aux->CalculaSaldoCredorExportacao(DeclarationKey(1), M("100.0099"), M("10"), Currency());
    EXPECT_EQ(f.ExportCredit.VlSaldoProximoPeriodo, M("203.3269")); // the previous balance uncut
}

TEST_F(DeclarationTotalsTest, ProporcaoArredondadaACincoCasasPerdeAQuinta) {
    DeclarationFigures f;
    auto proporcao = [&](const char* exterior, const char* interno) {
        Executa(QStringLiteral("DELETE FROM SAIDA_DECLARADA"));
        Saida(5501, exterior);
        Saida(5102, interno);
        f.ExportCredit =
            aux->CalculaSaldoCredorExportacao(DeclarationKey(1), Currency(), Currency(), Currency());
        return f.ExportCredit.VlProporcao;
    };
    EXPECT_EQ(proporcao("1", "7"), M("0.125"));            // 0,12500
    EXPECT_EQ(proporcao("123456", "876544"), M("0.1234")); // 0,123456 -> 0,12346 -> 0,1234
    EXPECT_EQ(proporcao("999996", "4"), M("1"));           // 0,999996 -> 1,00000 -> 1
    EXPECT_EQ(proporcao("12345", "87655"), M("0.1234"));   // 0,12345 exactly: the fifth goes
    EXPECT_EQ(proporcao("123455", "876545"), M("0.1234")); // 0,123455 -> 0,12346 (half up) -> 0,1234
    EXPECT_EQ(proporcao("12349", "87651"), M("0.1234"));   // 0,12349: not rounded to 0,1235
    EXPECT_EQ(proporcao("1", "1"), M("0.5"));
    EXPECT_EQ(proporcao("0", "1"), Currency());
    Entrada(1102, "0", "0.05");
    proporcao("1", "7");
    EXPECT_EQ(f.ExportCredit.VlSaldoPeriodo, M("0.0063")); // 0,05 x 0,125 = 0,00625, half up
}

TEST_F(DeclarationTotalsTest, DebitosAjustadosDescontamOCodigo020014) {
    DeclarationFigures f;
    Saida(5102, "100", "10");
    OutroDebito(1, Ocorrencia('N', 2, 14), "50");
    f.ExportCredit = aux->CalculaSaldoCredorExportacao(DeclarationKey(1), Currency(), Currency(), Currency());
    // Debits: tax 10 + other debits 50 (the 2/14 row among them), less 50.
    EXPECT_EQ(f.ExportCredit.VlDebAjustado, M("10"));
    Executa(QStringLiteral("DELETE FROM OUTRO_DEBITO_DECLARADO"));
    f.ExportCredit = aux->CalculaSaldoCredorExportacao(DeclarationKey(1), Currency(), M("5"), Currency());
    EXPECT_EQ(f.ExportCredit.VlDebAjustado, M("10"));
    // Adjusted balance -15 against an energy credit of 5: nothing is left.
    EXPECT_EQ(f.ExportCredit.VlSaldoAjustPeriodo, M("-15"));
    EXPECT_EQ(f.ExportCredit.VlSaldoPeriodo, Currency());
}

TEST_F(DeclarationTotalsTest, ChaveQueNaoEInteiroEhConsultaQueFalha) {
    DeclarationFigures f;
    Lancamento("OUTRO_ICMS_DEVIDO", "SQ_OUTRO_ICMS_DEVIDO", "VL_LANCAMENTO", 1, Ocorrencia('O', 35, 8), "11");
    ComputeOtherICMS(DeclarationKey(1), f.OtherICMS);
    const QString texto = ErroComAbort(
        [&] { aux->CalculaOperacoesProprias(DeclarationKey::FromText(QStringLiteral("1 OR 1=1"))); });
    EXPECT_EQ(texto, Mensagem(300));
    EXPECT_EQ(f.OtherICMS.VlO350008, M("11")); // the other blocks keep their figures
}

TEST_F(DeclarationTotalsTest, ConsultaQueFalhaMostra300EMantemOQueJaFoiSomado) {
    DeclarationFigures f;
    Entrada(1102, "5");
    Executa(QStringLiteral("DROP TABLE SAIDA_ALC_DECLARADA"));
    const QString texto = ErroComAbort([&] { ComputeOwnOperations(DeclarationKey(1), f.OwnOperations); });
    EXPECT_EQ(texto, Mensagem(300));
    EXPECT_EQ(f.OwnOperations.VlEntContabil, M("5"));
}

TEST_F(DeclarationTotalsTest, ContagensDeMovimento) {
    DeclarationFigures f;
    Entrada(1102, "1");
    EXPECT_EQ(aux->ContaMovOperProp(DeclarationKey(1)), 1);
    EXPECT_EQ(aux->ContaMovSubstTribut(DeclarationKey(1)), 0);
    Executa(QStringLiteral("UPDATE ENTRADA_DECLARADA SET VL_IMPOSTO_RETIDO_ST = 1"));
    EXPECT_EQ(aux->ContaMovSubstTribut(DeclarationKey(1)), 1);
    Executa(QStringLiteral(
        "INSERT INTO SAIDA_ALC_DECLARADA (SQ_DECLARACAO, CO_LOCALIDADE, NU_SERIE_NOTA_FISCAL, "
        "NU_SUBSERIE_NOTA_FISCAL, NU_NOTA_FISCAL) SELECT FIRST 1 1, CO_LOCALIDADE, ' ', ' ', 1 "
        "FROM MUNICIPIO"));
    EXPECT_EQ(aux->ContaMovALCZFM(DeclarationKey(1)), 1);
    Executa(QStringLiteral("INSERT INTO ENTRADA_IE_DECLARADA (SQ_DECLARACAO, CO_UF, VL_CONTABIL) "
                           "SELECT FIRST 1 1, CO_UF, 1 FROM UFS"));
    Executa(QStringLiteral("INSERT INTO SALDO_CREDOR_RECEBIDO (SQ_SALDO_CREDOR_RECEBIDO, SQ_DECLARACAO, "
                           "SQ_OCORRENCIA_DEF, VL_SALDO_RECEBIDO) VALUES (1, 1, %1, 1)")
                .arg(Ocorrencia('E', 56, 1)));
    ComputeMovement(DeclarationKey(1), Currency(), Currency(), Currency(), f.Movement, f.ExportCredit);
    EXPECT_TRUE(f.Movement.ComOpInter);
    EXPECT_TRUE(f.Movement.ComSaldoRecebido);
    EXPECT_FALSE(f.Movement.ComSaldoAcumulado);
}

} // namespace
