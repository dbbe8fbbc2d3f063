#include "tests/support/data/DataModules.h"

namespace {

Currency M(const char* texto) {
    return Currency::parse(QString::fromLatin1(texto)).value();
}

class TotaisDeclaracao : public DataModules {
protected:
    TotaisDeclaracao() {
        CriaContribuinte();
        CriaDeclaracao(1);
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

TEST_F(TotaisDeclaracao, DeclaracaoSemLinhasDaZeroEmTudo) {
    aux->CalculaOperacoesProprias(QStringLiteral("1"));
    aux->CalculaSubstTributaria(QStringLiteral("1"));
    aux->CalculaOutrosICMS(QStringLiteral("1"));
    aux->CalculaResumoOperacoes(QStringLiteral("1"), M("100"), Currency(), Currency());
    EXPECT_EQ(aux->VlEntContabil, Currency());
    EXPECT_EQ(aux->VlSaiImposto, Currency());
    EXPECT_EQ(aux->VlN140010, Currency());
    EXPECT_EQ(aux->VlSTDeducao, Currency());
    EXPECT_EQ(aux->VlO350011, Currency());
    EXPECT_EQ(aux->VlSaldoPeriodo, Currency());
    EXPECT_EQ(aux->VlSaldoProximoPeriodo, M("100"));
    EXPECT_EQ(aux->QtdSaldoCredor, 0);
    EXPECT_FALSE(aux->ComOpInter);
    EXPECT_FALSE(aux->ComSaldoRecebido);
    EXPECT_TRUE(aux->ComSaldoAcumulado); // the previous balance alone
    EXPECT_TRUE(aux->ComMovOperProp);    // flag "N": the block has movement
    for (auto conta :
         {&TDMDefAux::ContaMovOperProp, &TDMDefAux::ContaMovSubstTribut, &TDMDefAux::ContaMovOutrosICMS,
          &TDMDefAux::ContaMovALCZFM, &TDMDefAux::ContaMovSaldoCredor})
        EXPECT_EQ((aux.get()->*conta)(QStringLiteral("1")), 0);
}

TEST_F(TotaisDeclaracao, FaixasDeCFOPDasEntradasESaidasInterestaduais) {
    Entrada(199, "1");
    Entrada(200, "2");
    Entrada(299, "4");
    Entrada(300, "8");
    Entrada(2102, "16");
    Entrada(3102, "32");
    Saida(599, "1");
    Saida(600, "2");
    Saida(6999, "4");
    Saida(7000, "8");
    aux->CalculaOperacoesProprias(QStringLiteral("1"));
    EXPECT_EQ(aux->VlEntInterContabil, M("22"));
    EXPECT_EQ(aux->VlEntContabil, M("63"));
    EXPECT_EQ(aux->VlSaiInterContabil, M("6"));
    EXPECT_EQ(aux->VlSaiContabil, M("15"));
}

TEST_F(TotaisDeclaracao, FaixasDasSaidasParaOExteriorEDaProporcao) {
    Saida(5501, "1");
    Saida(5102, "2");
    Saida(8000, "4");
    Saida(700, "8");
    Saida(499, "16");
    Entrada(499, "0", "1");
    Entrada(500, "0", "2");
    Entrada(1001, "0", "4");
    Entrada(1000, "0", "8");
    Entrada(5000, "0", "16");
    aux->CalculaSaldoCredorExportacao(QStringLiteral("1"), Currency(), Currency(), Currency());
    EXPECT_EQ(aux->VlSaldoPExterior, M("9"));
    EXPECT_EQ(aux->VlTotalSaidas, M("11"));
    EXPECT_EQ(aux->VlSCEImpostoEnt, M("5")); // 499 and 1001 only
}

TEST_F(TotaisDeclaracao, SomasSaoCortadasNosCentavos) {
    Entrada(1102, "10.005", "0.29");
    Entrada(1101, "0.0099", "0.0099");
    aux->CalculaOperacoesProprias(QStringLiteral("1"));
    EXPECT_EQ(aux->VlEntContabil, M("10.01")); // 10,0149 cut, not rounded to 10,02
    EXPECT_EQ(aux->VlEntImposto, M("0.29"));
    Executa(QStringLiteral("DELETE FROM ENTRADA_DECLARADA"));
    Entrada(1102, "10.005");
    aux->CalculaOperacoesProprias(QStringLiteral("1"));
    EXPECT_EQ(aux->VlEntContabil, M("10.00"));
}

TEST_F(TotaisDeclaracao, SomasDeOcorrenciasPorApuracaoTipoENumero) {
    OutroDebito(1, Ocorrencia('N', 2, 1), "200");
    OutroDebito(2, Ocorrencia('N', 2, 14), "30");
    OutroDebito(3, Ocorrencia('S', 2, 1), "7");
    Lancamento("DEDUCAO_DECLARADA", "SQ_DEDUCAO_DECLARADA", "VL_DEDUCAO", 1, Ocorrencia('N', 14, 10), "5");
    Lancamento("DEDUCAO_DECLARADA", "SQ_DEDUCAO_DECLARADA", "VL_DEDUCAO", 2, Ocorrencia('S', 14, 1), "3");
    Lancamento("OUTRO_ICMS_DEVIDO", "SQ_OUTRO_ICMS_DEVIDO", "VL_LANCAMENTO", 1, Ocorrencia('O', 35, 8), "11");
    Lancamento("OUTRO_ICMS_DEVIDO", "SQ_OUTRO_ICMS_DEVIDO", "VL_LANCAMENTO", 2, Ocorrencia('O', 35, 11),
               "13");
    aux->CalculaOperacoesProprias(QStringLiteral("1"));
    aux->CalculaSubstTributaria(QStringLiteral("1"));
    aux->CalculaOutrosICMS(QStringLiteral("1"));
    aux->CalculaSaldoCredorExportacao(QStringLiteral("1"), Currency(), Currency(), Currency());
    EXPECT_EQ(aux->VlOutroDebito, M("230"));
    EXPECT_EQ(aux->VlN020014, M("30"));
    EXPECT_EQ(aux->VlSTOutroDebito, M("7"));
    EXPECT_EQ(aux->VlDeducao, M("5"));
    EXPECT_EQ(aux->VlN140010, M("5"));
    EXPECT_EQ(aux->VlDeducoesN14, M("5"));
    EXPECT_EQ(aux->VlS140001, M("3"));
    EXPECT_EQ(aux->VlSTDeducao, M("3"));
    EXPECT_EQ(aux->VlO350008, M("11"));
    EXPECT_EQ(aux->VlO350011, M("13"));
    EXPECT_EQ(aux->ContaMovSubstTribut(QStringLiteral("1")), 1);
    EXPECT_EQ(aux->ContaMovOutrosICMS(QStringLiteral("1")), 1);
}

TEST_F(TotaisDeclaracao, ExemploDoSaldoCredorDeExportacao) {
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
    aux->CalculaSaldoCredorExportacao(QStringLiteral("1"), M("100"), M("10"), Currency());
    EXPECT_EQ(aux->VlDebAjustado, M("2000"));
    EXPECT_EQ(aux->VlCredAjustado, M("2490"));
    EXPECT_EQ(aux->VlSaldoAjustPeriodo, M("490"));
    EXPECT_EQ(aux->VlProporcao, M("0.3333"));
    EXPECT_EQ(aux->VlSaldoPeriodo, M("173.317"));
    EXPECT_EQ(aux->VlSaldoProximoPeriodo, M("203.317"));
    EXPECT_EQ(aux->VlSCEDeclarado, M("110"));
    EXPECT_EQ(aux->QtdSaldoCredor, 1);
}

TEST_F(TotaisDeclaracao, ProporcaoArredondaMeioParaLongeDoZero) {
    Saida(5501, "1");
    Saida(5102, "7");
    aux->CalculaSaldoCredorExportacao(QStringLiteral("1"), Currency(), Currency(), Currency());
    EXPECT_EQ(aux->VlProporcao, M("0.125")); // 0,125 exactly
    Executa(QStringLiteral("DELETE FROM SAIDA_DECLARADA"));
    Saida(5501, "123456");
    Saida(5102, "876544");
    aux->CalculaSaldoCredorExportacao(QStringLiteral("1"), Currency(), Currency(), Currency());
    EXPECT_EQ(aux->VlProporcao, M("0.1235")); // 0,123456
}

TEST_F(TotaisDeclaracao, DebitosAjustadosDescontamOCodigo020014) {
    Saida(5102, "100", "10");
    OutroDebito(1, Ocorrencia('N', 2, 14), "50");
    aux->CalculaSaldoCredorExportacao(QStringLiteral("1"), Currency(), Currency(), Currency());
    // Debits: tax 10 + other debits 50 (the 2/14 row among them), less 50.
    EXPECT_EQ(aux->VlDebAjustado, M("10"));
    Executa(QStringLiteral("DELETE FROM OUTRO_DEBITO_DECLARADO"));
    aux->CalculaSaldoCredorExportacao(QStringLiteral("1"), Currency(), M("5"), Currency());
    EXPECT_EQ(aux->VlDebAjustado, M("10"));
    // Adjusted balance -15 against an energy credit of 5: nothing is left.
    EXPECT_EQ(aux->VlSaldoAjustPeriodo, M("-15"));
    EXPECT_EQ(aux->VlSaldoPeriodo, Currency());
}

TEST_F(TotaisDeclaracao, ChaveQueNaoEInteiroEhConsultaQueFalha) {
    Lancamento("OUTRO_ICMS_DEVIDO", "SQ_OUTRO_ICMS_DEVIDO", "VL_LANCAMENTO", 1, Ocorrencia('O', 35, 8), "11");
    aux->CalculaOutrosICMS(QStringLiteral("1"));
    const QString texto = ErroComAbort([&] { aux->CalculaOperacoesProprias(QStringLiteral("1 OR 1=1")); });
    EXPECT_EQ(texto, Mensagem(300));
    EXPECT_EQ(aux->VlO350008, M("11")); // the other blocks keep their figures
}

TEST_F(TotaisDeclaracao, ConsultaQueFalhaMostra300EMantemOQueJaFoiSomado) {
    Entrada(1102, "5");
    Executa(QStringLiteral("DROP TABLE SAIDA_ALC_DECLARADA"));
    const QString texto = ErroComAbort([&] { aux->CalculaOperacoesProprias(QStringLiteral("1")); });
    EXPECT_EQ(texto, Mensagem(300));
    EXPECT_EQ(aux->VlEntContabil, M("5"));
}

TEST_F(TotaisDeclaracao, ContagensDeMovimento) {
    Entrada(1102, "1");
    EXPECT_EQ(aux->ContaMovOperProp(QStringLiteral("1")), 1);
    EXPECT_EQ(aux->ContaMovSubstTribut(QStringLiteral("1")), 0);
    Executa(QStringLiteral("UPDATE ENTRADA_DECLARADA SET VL_IMPOSTO_RETIDO_ST = 1"));
    EXPECT_EQ(aux->ContaMovSubstTribut(QStringLiteral("1")), 1);
    Executa(QStringLiteral(
        "INSERT INTO SAIDA_ALC_DECLARADA (SQ_DECLARACAO, CO_LOCALIDADE, NU_SERIE_NOTA_FISCAL, "
        "NU_SUBSERIE_NOTA_FISCAL, NU_NOTA_FISCAL) SELECT FIRST 1 1, CO_LOCALIDADE, ' ', ' ', 1 "
        "FROM MUNICIPIO"));
    EXPECT_EQ(aux->ContaMovALCZFM(QStringLiteral("1")), 1);
    Executa(QStringLiteral("INSERT INTO ENTRADA_IE_DECLARADA (SQ_DECLARACAO, CO_UF, VL_CONTABIL) "
                           "SELECT FIRST 1 1, CO_UF, 1 FROM UFS"));
    Executa(QStringLiteral("INSERT INTO SALDO_CREDOR_RECEBIDO (SQ_SALDO_CREDOR_RECEBIDO, SQ_DECLARACAO, "
                           "SQ_OCORRENCIA_DEF, VL_SALDO_RECEBIDO) VALUES (1, 1, %1, 1)")
                .arg(Ocorrencia('E', 56, 1)));
    aux->CalculaResumoOperacoes(QStringLiteral("1"), Currency(), Currency(), Currency());
    EXPECT_TRUE(aux->ComOpInter);
    EXPECT_TRUE(aux->ComSaldoRecebido);
    EXPECT_FALSE(aux->ComSaldoAcumulado);
}

} // namespace
