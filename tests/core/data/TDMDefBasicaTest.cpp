#include "tests/support/data/DataModules.h"

#include "platform/db/TClientDataSet.h"

namespace {

class TDMDefBasicaTest : public DataModules {
protected:
    TDMDefBasicaTest() { CriaContribuinte(); }
    void Periodo(int sq, int ano, int mes) {
        BuildDeclaration(sq, ano, mes);
        PosicionaDeclaracao(sq);
    }
    QString DescricaoCFOP(TClientDataSet* set, int cfop) {
        basica->AbrePorPeriodo(set);
        if (!set->Locate(QStringLiteral("CO_FISCAL_OPERACAO"), cfop))
            return QStringLiteral("<ausente>");
        return set->FieldByName(QStringLiteral("DS_CFOP"))->AsString();
    }
};

TEST_F(TDMDefBasicaTest, CFOPPorPeriodoComMesFinalIncluido) {
    Executa(QStringLiteral("DELETE FROM CFOP_HIST WHERE CO_FISCAL_OPERACAO IN (1998, 1997)"));
    Executa(QStringLiteral("DELETE FROM CFOP WHERE CO_FISCAL_OPERACAO IN (1998, 1997)"));
    Executa(QStringLiteral("INSERT INTO CFOP (CO_FISCAL_OPERACAO, TP_NATUREZA_CFOP) VALUES (1998, 'E')"));
    Executa(QStringLiteral("INSERT INTO CFOP_HIST (CO_FISCAL_OPERACAO, DT_INICIO, DT_FIM, DS_CFOP) "
                           "VALUES (1998, '2003-01-01', '2010-12-31', 'Antiga')"));
    Executa(QStringLiteral("INSERT INTO CFOP_HIST (CO_FISCAL_OPERACAO, DT_INICIO, DT_FIM, DS_CFOP) "
                           "VALUES (1998, '2011-01-01', NULL, 'Nova')"));
    Executa(QStringLiteral("INSERT INTO CFOP (CO_FISCAL_OPERACAO, TP_NATUREZA_CFOP) VALUES (1997, 'E')"));
    Executa(QStringLiteral("INSERT INTO CFOP_HIST (CO_FISCAL_OPERACAO, DT_INICIO, DT_FIM, DS_CFOP) "
                           "VALUES (1997, '2003-01-01', '2010-12-15', 'Termina em dezembro')"));
    Periodo(1, 2010, 12);
    EXPECT_EQ(DescricaoCFOP(basica->cdsCFOPsEntradas, 1998), QStringLiteral("Antiga"));
    EXPECT_EQ(DescricaoCFOP(basica->cdsCFOPsEntradas, 1997), QStringLiteral("Termina em dezembro"));
    Periodo(2, 2011, 1);
    EXPECT_EQ(DescricaoCFOP(basica->cdsCFOPsEntradas, 1998), QStringLiteral("Nova"));
    EXPECT_EQ(DescricaoCFOP(basica->cdsCFOPsEntradas, 1997), QStringLiteral("<ausente>"));
    EXPECT_EQ(DescricaoCFOP(basica->cdsCFOPsSaidas, 1998), QStringLiteral("<ausente>"));
}

TEST_F(TDMDefBasicaTest, CodigosEDescricoesDosFundamentos) {
    const int n070069 = Ocorrencia('N', 7, 69);
    const int e0003 = Ocorrencia('E', 59, 3);
    basica->cdsFundamentos->Open();
    ASSERT_TRUE(basica->cdsFundamentos->Locate(QStringLiteral("SQ_OCORRENCIA_DEF"), n070069));
    EXPECT_EQ(basica->cdsFundamentos->FieldByName(QStringLiteral("Codigo"))->AsString(),
              QStringLiteral("N070069"));
    EXPECT_EQ(basica->cdsFundamentos->FieldByName(QStringLiteral("DescTpOcorrencia"))->AsString(),
              QStringLiteral("Outros Créditos"));
    EXPECT_EQ(basica->cdsFundamentos->FieldByName(QStringLiteral("DescTpApuracao"))->AsString(),
              QStringLiteral("Operações Próprias"));
    EXPECT_EQ(basica->cdsFundamentos->FieldByName(QStringLiteral("DescSituacao"))->AsString(),
              QStringLiteral("Ativo"));
    EXPECT_FALSE(basica->cdsFundamentos->Locate(QStringLiteral("SQ_OCORRENCIA_DEF"), e0003));
    basica->cdsFinalidades->Open();
    ASSERT_TRUE(basica->cdsFinalidades->Locate(QStringLiteral("SQ_OCORRENCIA_DEF"), e0003));
    EXPECT_EQ(basica->cdsFinalidades->FieldByName(QStringLiteral("Codigo"))->AsString(),
              QStringLiteral("0003"));
    EXPECT_EQ(basica->cdsFinalidades->FieldByName(QStringLiteral("DescTpOcorrencia"))->AsString(),
              QStringLiteral("Desconhecido"));
}

TEST_F(TDMDefBasicaTest, TiposDeDadoDoFundamentoVigente) {
    const int ocorrencia = Ocorrencia('N', 7, 97);
    Executa(QStringLiteral("INSERT INTO FUNDAMENTACAO_LEGAL_DEF_HIST (SQ_OCORRENCIA_DEF, DT_INICIO, DT_FIM, "
                           "TP_DADO_COMPLEMENTAR_1) VALUES (%1, '2000-01-01', '2010-12-31', 'A')")
                .arg(ocorrencia));
    Executa(
        QStringLiteral("INSERT INTO FUNDAMENTACAO_LEGAL_DEF_HIST (SQ_OCORRENCIA_DEF, DT_INICIO, "
                       "TP_DADO_COMPLEMENTAR_1, TP_DADO_COMPLEMENTAR_3) VALUES (%1, '2011-01-01', 'D', 'B')")
            .arg(ocorrencia));
    Periodo(1, 2011, 1);
    basica->AbrePorPeriodo(basica->cdsConFundamento);
    TClientDataSet* set = basica->cdsConFundamento;
    ASSERT_TRUE(set->Locate(QStringLiteral("SQ_OCORRENCIA_DEF"), ocorrencia));
    EXPECT_EQ(set->FieldByName(QStringLiteral("Codigo"))->AsString(), QStringLiteral("N070097"));
    EXPECT_EQ(set->FieldByName(QStringLiteral("DescTpDadoComp1"))->AsString(),
              QStringLiteral("Data de Pagamento"));
    EXPECT_EQ(set->FieldByName(QStringLiteral("DescTpDadoComp2"))->AsString(),
              QStringLiteral("Não preencher"));
    EXPECT_EQ(set->FieldByName(QStringLiteral("DescTpDadoComp3"))->AsString(), QStringLiteral("Nº do Banco"));
    basica->cdsFundamentos->Open();
    ASSERT_TRUE(basica->cdsFundamentos->Locate(QStringLiteral("SQ_OCORRENCIA_DEF"), ocorrencia));
    EXPECT_EQ(basica->cdsFundHist->RecordCount(), 2); // the history follows its ground
    basica->cdsFundHist->Last();
    EXPECT_EQ(basica->cdsFundHist->FieldByName(QStringLiteral("DescTpDadoComp2"))->AsString(), QString());
}

TEST_F(TDMDefBasicaTest, FiltroDosCFOPsUsadosDesligaSemLinhas) {
    BuildDeclaration(1);
    BuildDeclaration(2, 2011, 2);
    Executa(
        QStringLiteral("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO) VALUES (1, 1102)"));
    Executa(
        QStringLiteral("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO) VALUES (1, 2102)"));
    PosicionaDeclaracao(1);
    basica->AbrePorPeriodo(basica->cdsCFOPsEntradas);
    const int todos = basica->cdsCFOPsEntradas->RecordCount();
    aux->AbreTabelaDeclaracao(def->cdsEntradas);
    basica->FiltraCFOPsUsados(def->cdsEntradas, basica->cdsCFOPsEntradas);
    EXPECT_EQ(basica->cdsCFOPsEntradas->Filter(),
              QStringLiteral("CO_FISCAL_OPERACAO <> 1102 AND CO_FISCAL_OPERACAO <> 2102"));
    EXPECT_EQ(basica->cdsCFOPsEntradas->RecordCount(), todos - 2);
    PosicionaDeclaracao(2);
    aux->AbreTabelaDeclaracao(def->cdsEntradas);
    basica->FiltraCFOPsUsados(def->cdsEntradas, basica->cdsCFOPsEntradas);
    EXPECT_FALSE(basica->cdsCFOPsEntradas->Filtered());
    EXPECT_EQ(basica->cdsCFOPsEntradas->RecordCount(), todos);
}

TEST_F(TDMDefBasicaTest, FiltroDasUFsUsadas) {
    BuildDeclaration(1);
    Executa(QStringLiteral("INSERT INTO ENTRADA_IE_DECLARADA (SQ_DECLARACAO, CO_UF, VL_CONTABIL) "
                           "SELECT FIRST 1 1, CO_UF, 1 FROM UFS ORDER BY CO_UF"));
    PosicionaDeclaracao(1);
    aux->AbreTabelaDeclaracao(def->cdsEntradasInt);
    basica->cdsUFs->Open();
    const int todas = basica->cdsUFs->RecordCount();
    basica->FiltraUFsUsadas(def->cdsEntradasInt, basica->cdsUFs);
    EXPECT_EQ(basica->cdsUFs->RecordCount(), todas - 1);
    EXPECT_TRUE(basica->cdsUFs->Filter().startsWith(QStringLiteral(" CO_UF <> ")));
}

TEST_F(TDMDefBasicaTest, AsUFsVemNaOrdemAlfabeticaPortuguesa) {
    basica->cdsUFs->Open();
    QStringList nomes;
    for (basica->cdsUFs->First(); !basica->cdsUFs->Eof(); basica->cdsUFs->Next())
        nomes << basica->cdsUFs->FieldByName(QStringLiteral("NO_UF"))->AsString();
    const auto antes = [&nomes](const char* a, const char* b) {
        return nomes.indexOf(QString::fromUtf8(a)) < nomes.indexOf(QString::fromUtf8(b));
    };
    EXPECT_TRUE(antes("Pará", "Paraíba") && antes("Paraíba", "Paraná")) << nomes.join(", ").toStdString();
    EXPECT_TRUE(antes("Rio de Janeiro", "Rio Grande do Norte") && antes("São Paulo", "Sergipe"))
        << nomes.join(", ").toStdString();
}

} // namespace
