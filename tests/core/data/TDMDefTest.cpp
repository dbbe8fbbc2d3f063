#include "tests/support/data/DataModules.h"

#include "core/util/CheckDigits.h"
#include "platform/db/TClientDataSet.h"

namespace {

Currency M(const char* texto) {
    return Currency::parse(QString::fromLatin1(texto)).value();
}

class Contribuintes : public DataModules {
protected:
    Contribuintes() {
        CriaContribuinte();
        cds = def->cdsContribuintes;
        cds->Open();
    }
    TField* F(const char* nome) { return cds->FieldByName(QString::fromLatin1(nome)); }
    void Preenche(int inscricao, const QString& cnpj) {
        F("NU_INSCRICAO")->SetAsInteger(inscricao);
        F("NU_CGC_CPF")->SetText(cnpj);
        F("NO_RAZAO")->SetText(QStringLiteral("Outra Empresa"));
    }
    TClientDataSet* cds = nullptr;
};

TEST_F(Contribuintes, NovoRegistroEhCNPJ) {
    cds->Append();
    EXPECT_EQ(F("IN_CGC_CPF")->AsString(), QStringLiteral("1"));
    cds->Cancel();
}

TEST_F(Contribuintes, InscricaoRepetidaSoEhRecusadaNaInclusao) {
    cds->Append();
    Preenche(12345674, QStringLiteral("11222333000181"));
    EXPECT_EQ(ErroComAbort([&] { cds->Post(); }),
              QStringLiteral("Já existe um contribuinte com esse número de inscrição!"));
    EXPECT_EQ(cds->State(), dsInsert);
    cds->Cancel();
    ASSERT_TRUE(cds->Locate(QStringLiteral("NU_INSCRICAO"), 12345674));
    cds->Edit();
    F("NO_RAZAO")->SetText(QStringLiteral("Nova Razão"));
    cds->Post();
    EXPECT_EQ(cds->ApplyUpdates(0), 0);
}

TEST_F(Contribuintes, InscricaoECNPJComDigitoErradoSaoRecusados) {
    cds->Append();
    EXPECT_EQ(ErroComAbort([&] { F("NU_INSCRICAO")->SetAsInteger(12345675); }), Mensagem(12));
    EXPECT_EQ(ErroComAbort([&] { F("NU_CGC_CPF")->SetText(QStringLiteral("11222333000180")); }),
              Mensagem(231));
    cds->Cancel();
}

TEST_F(Contribuintes, RaizDoCNPJGuardaOsZerosDaEsquerda) {
    const QString base = QStringLiteral("012223330001");
    QString cnpj = base + QString::number(CalculaDVCNPJ(base));
    cnpj += QString::number(CalculaDVCNPJ(cnpj));
    ASSERT_TRUE(ValidaCNPJ(cnpj));
    int inscricao = 0;
    for (int digito = 0; digito <= 9; ++digito)
        if (ValidaInscricao(QStringLiteral("2000000%1").arg(digito)))
            inscricao = 20000000 + digito;
    ASSERT_NE(inscricao, 0);
    cds->Append();
    Preenche(inscricao, cnpj);
    cds->Post();
    EXPECT_EQ(F("NU_RAIZ_CNPJ")->AsInteger(), 1222333);
    cds->Edit();
    F("IN_CGC_CPF")->SetText(QStringLiteral("2"));
    cds->Post();
    EXPECT_FALSE(F("NU_RAIZ_CNPJ")->IsNull());
    EXPECT_EQ(F("NU_RAIZ_CNPJ")->AsInteger(), 0);
    EXPECT_EQ(cds->ApplyUpdates(0), 0);
}

TEST_F(Contribuintes, DDDETelefone) {
    cds->Edit();
    for (const char* ddd : {"0", "00", "1"})
        EXPECT_EQ(ErroComAbort([&] { F("NU_DDD")->SetText(QString::fromLatin1(ddd)); }),
                  QStringLiteral("DDD inválido!"));
    EXPECT_EQ(ErroComAbort([&] { F("NU_DDD_FAX")->SetText(QStringLiteral("0")); }),
              QStringLiteral("DDD do fax inválido!"));
    EXPECT_EQ(ErroComAbort([&] { F("NU_TEL")->SetText(QStringLiteral("00000000")); }),
              QStringLiteral("Telefone inválido!"));
    EXPECT_EQ(ErroComAbort([&] { F("NU_FAX")->SetText(QStringLiteral("0")); }),
              QStringLiteral("Fax inválido!"));
    F("NU_DDD")->SetText(QStringLiteral("021"));
    EXPECT_EQ(F("NU_DDD")->AsString(), QStringLiteral("021"));
    F("NU_DDD")->SetText(QStringLiteral("21"));
    F("NU_DDD")->SetText(QStringLiteral("  "));
    EXPECT_TRUE(F("NU_DDD")->IsNull());
    cds->Cancel();
}

class Declaracao : public DataModules {
protected:
    Declaracao() {
        CriaContribuinte();
        BuildDeclaration(1);
        PosicionaDeclaracao(1);
    }
    TField* D(const char* nome) { return def->cdsDeclaracao->FieldByName(QString::fromLatin1(nome)); }
};

TEST_F(Declaracao, ValoresDigitadosSaoCortadosELimitados) {
    aux->AbreTabelaDeclaracao(def->cdsEntradas);
    def->cdsEntradas->Append();
    TField* contabil = def->cdsEntradas->FieldByName(QStringLiteral("VL_CONTABIL"));
    contabil->SetText(QStringLiteral("10,999"));
    EXPECT_EQ(contabil->AsCurrency(), M("10.99"));
    EXPECT_TRUE(
        ErroComAbort([&] { contabil->SetText(QStringLiteral("-1")); }).contains(QStringLiteral("negativo")));
    ValorMaximo = M("100");
    EXPECT_TRUE(ErroComAbort([&] {
                    contabil->SetText(QStringLiteral("100,01"));
                }).contains(QStringLiteral("excede o limite parametrizado")));
    contabil->SetText(QStringLiteral("100"));
    EXPECT_EQ(contabil->AsCurrency(), M("100"));
    def->cdsEntradas->Cancel();
}

TEST_F(Declaracao, NovasLinhasRecebemChaveDeclaracaoEZeros) {
    aux->AbreTabelaDeclaracao(def->cdsEntradas);
    def->cdsEntradas->Append();
    EXPECT_EQ(def->cdsEntradas->FieldByName(QStringLiteral("SQ_DECLARACAO"))->AsInteger(), 1);
    EXPECT_FALSE(def->cdsEntradas->FieldByName(QStringLiteral("VL_IMPOSTO_RETIDO_ST"))->IsNull());
    def->cdsEntradas->Cancel();
    aux->AbreTabelaDeclaracao(def->cdsOutCreditos);
    aux->AbreTabelaDeclaracao(def->cdsOutCreditosI);
    def->cdsOutCreditos->Append();
    EXPECT_EQ(def->cdsOutCreditos->FieldByName(QStringLiteral("SQ_OUTRO_CREDITO_DECLARADO"))->AsInteger(), 1);
    EXPECT_EQ(def->cdsOutCreditos->FieldByName(QStringLiteral("VL_OUTRO_CREDITO"))->AsCurrency(), Currency());
    def->cdsOutCreditos->Cancel();
    def->cdsOutCreditosI->Append(); // same counter; the cancelled key stays used
    EXPECT_EQ(def->cdsOutCreditosI->FieldByName(QStringLiteral("SQ_OUTRO_CREDITO_DECLARADO"))->AsInteger(),
              2);
    EXPECT_EQ(def->cdsOutCreditosI->FieldByName(QStringLiteral("SQ_DECLARACAO"))->AsInteger(), 1);
    def->cdsOutCreditosI->Cancel();
    aux->AbreTabelaDeclaracao(def->cdsSCCompProprio);
    def->cdsSCCompProprio->Append();
    EXPECT_EQ(def->cdsSCCompProprio->FieldByName(QStringLiteral("SQ_SALDO_CREDOR_COMP_PROPRIO"))->AsInteger(),
              1);
    def->cdsSCCompProprio->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))
        ->SetAsInteger(Ocorrencia('E', 50, 1));
    EXPECT_EQ(ErroComAbort([&] { def->cdsSCCompProprio->Post(); }), Mensagem(224));
    def->cdsSCCompProprio->FieldByName(QStringLiteral("VL_COMPENSACAO"))->SetText(QStringLiteral("0,01"));
    def->cdsSCCompProprio->Post();
    EXPECT_EQ(def->cdsSCCompProprio->ApplyUpdates(0), 0);
}

TEST_F(Declaracao, DetalheAplicadoFicaGravadoNaHora) {
    DeclarationFigures f;
    aux->AbreTabelaDeclaracao(def->cdsEntradas);
    def->cdsEntradas->Append();
    def->cdsEntradas->FieldByName(QStringLiteral("CO_FISCAL_OPERACAO"))->SetAsInteger(1102);
    def->cdsEntradas->FieldByName(QStringLiteral("VL_CONTABIL"))->SetText(QStringLiteral("5"));
    def->cdsEntradas->Post();
    EXPECT_EQ(def->cdsEntradas->ApplyUpdates(0), 0);
    EXPECT_TRUE(DeclaracaoAlterada);
    f.OwnOperations = aux->CalculaOperacoesProprias(DeclarationKey(1));
    EXPECT_EQ(f.OwnOperations.VlEntContabil, M("5"));
    EXPECT_EQ(aux->ContaMovOperProp(DeclarationKey(1)), 1);
}

TEST_F(Declaracao, InterestaduaisExigemAlgumValor) {
    aux->AbreTabelaDeclaracao(def->cdsEntradasInt);
    def->cdsEntradasInt->Append();
    def->cdsEntradasInt->FieldByName(QStringLiteral("CO_UF"))->SetAsInteger(33);
    EXPECT_EQ(ErroComAbort([&] { def->cdsEntradasInt->Post(); }), Mensagem(228));
    def->cdsEntradasInt->FieldByName(QStringLiteral("VL_OUTROS_PRODUTOS"))->SetText(QStringLiteral("0,01"));
    def->cdsEntradasInt->Post();
    aux->AbreTabelaDeclaracao(def->cdsSaidasInt);
    def->cdsSaidasInt->Append();
    EXPECT_EQ(ErroComAbort([&] { def->cdsSaidasInt->Post(); }), Mensagem(228));
    def->cdsSaidasInt->Cancel();
}

TEST_F(Declaracao, ImpostoRetidoNaoPassaDaBaseNasEntradasDoGrupo1) {
    DeclarationFigures f;
    ASSERT_TRUE(geral->AbreConsulta(
        QStringLiteral("SELECT FIRST 1 CO_FISCAL_OPERACAO FROM GRUPAMENTO_CFOP WHERE CO_GRUPO_CFOP = 1")));
    ASSERT_FALSE(geral->cdsAuxiliar->IsEmpty());
    const int cfop = geral->cdsAuxiliar->Fields()[0]->AsInteger();
    Executa(QStringLiteral("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO) VALUES (1, %1)")
                .arg(cfop));
    aux->AbreTabelaDeclaracao(def->cdsEntradasI);
    ASSERT_EQ(def->cdsEntradasI->RecordCount(), 1);
    def->cdsEntradasI->Edit();
    def->cdsEntradasI->FieldByName(QStringLiteral("VL_BASE_CALCULO_ST"))->SetText(QStringLiteral("5"));
    def->cdsEntradasI->FieldByName(QStringLiteral("VL_IMPOSTO_RETIDO_ST"))->SetText(QStringLiteral("5,01"));
    EXPECT_EQ(ErroComAbort([&] { def->cdsEntradasI->Post(); }), Mensagem(293));
    def->cdsEntradasI->FieldByName(QStringLiteral("VL_IMPOSTO_RETIDO_ST"))->SetText(QStringLiteral("5"));
    def->cdsEntradasI->Post();
    EXPECT_EQ(def->cdsEntradasI->ApplyUpdates(0), 0); // the join writes ENTRADA_DECLARADA
    f.TaxSubstitution = aux->CalculaSubstTributaria(DeclarationKey(1));
    EXPECT_EQ(f.TaxSubstitution.VlSTEntImpostoRetido, M("5"));
}

TEST_F(Declaracao, SemMovimentoRecusadoQuandoHaLancamentos) {
    def->cdsDeclaracao->Edit();
    D("IN_OPER_PROP_SEM_MOV")->SetAsString(QStringLiteral("S")); // nothing yet: accepted
    EXPECT_EQ(D("IN_OPER_PROP_SEM_MOV")->AsString(), QStringLiteral("S"));
    Executa(QStringLiteral(
        "INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_IMPOSTO_RETIDO_ST) "
        "VALUES (1, 1102, 1)"));
    Executa(QStringLiteral(
                "INSERT INTO OUTRO_ICMS_DEVIDO (SQ_OUTRO_ICMS_DEVIDO, SQ_DECLARACAO, SQ_OCORRENCIA_DEF) "
                "VALUES (1, 1, %1)")
                .arg(Ocorrencia('O', 35, 8)));
    Executa(QStringLiteral(
        "INSERT INTO SAIDA_ALC_DECLARADA (SQ_DECLARACAO, CO_LOCALIDADE, NU_SERIE_NOTA_FISCAL, "
        "NU_SUBSERIE_NOTA_FISCAL, NU_NOTA_FISCAL) SELECT FIRST 1 1, CO_LOCALIDADE, ' ', ' ', 1 "
        "FROM MUNICIPIO"));
    const std::pair<const char*, int> flags[] = {{"IN_OPER_PROP_SEM_MOV", 243},
                                                 {"IN_SUBST_TRIBUT_SEM_MOV", 245},
                                                 {"IN_OUTROS_ICMS_SEM_MOV", 247},
                                                 {"IN_ALC_ZFM_SEM_MOV", 249}};
    for (const auto& [flag, codigo] : flags) {
        EXPECT_EQ(ErroComAbort([&] { D(flag)->SetAsString(QStringLiteral("S")); }), Mensagem(codigo)) << flag;
        EXPECT_EQ(D(flag)->AsString(), QStringLiteral("N")) << flag;
    }
    def->cdsDeclaracao->Cancel();
}

TEST_F(Declaracao, BaseDeCalculoDeOutrosICMS) {
    const int ocorrencia = Ocorrencia('O', 35, 98);
    Executa(
        QStringLiteral("INSERT INTO FUNDAMENTACAO_LEGAL_DEF_HIST (SQ_OCORRENCIA_DEF, DT_INICIO, "
                       "TP_DADO_COMPLEMENTAR_1, TP_DADO_COMPLEMENTAR_2) VALUES (%1, '2000-01-01', 'V', 'L')")
            .arg(ocorrencia));
    basica->AbrePorPeriodo(basica->cdsConFundamento);
    aux->AbreTabelaDeclaracao(def->cdsOutICMS);
    def->cdsOutICMS->Append();
    def->cdsOutICMS->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->SetAsInteger(ocorrencia);
    TField* dado1 = def->cdsOutICMS->FieldByName(QStringLiteral("VL_COMPLEMENTO_1"));
    TField* dado2 = def->cdsOutICMS->FieldByName(QStringLiteral("VL_COMPLEMENTO_2"));
    EXPECT_EQ(ErroComAbort([&] { dado1->SetText(QStringLiteral("abc")); }), Mensagem(312));
    dado1->SetText(QStringLiteral("1234,5"));
    EXPECT_EQ(dado1->AsString(), QStringLiteral("1.234,50"));
    dado2->SetText(QStringLiteral("abc"));
    EXPECT_EQ(dado2->AsString(), QStringLiteral("abc"));
    def->cdsOutICMS->Cancel();
}

TEST_F(Declaracao, OcorrenciasTrazemOsNomesQueAsPaginasMostram) {
    struct Caso {
        TClientDataSet* set;
        char apuracao;
        int tipo;
        const char* descricao; // the pair the page shows
        int tiposDescritos;
    };
    const Caso casos[] = {{def->cdsOutCreditos, 'N', 7, "DescOcorrencia", 2},
                          {def->cdsOutCreditosI, 'S', 7, "DescOcorrencia", 2},
                          {def->cdsDeducoes, 'N', 14, "DescFundamento", 2},
                          {def->cdsDeducoesI, 'S', 14, "DescFundamento", 2},
                          {def->cdsEstDebitosI, 'S', 8, "DescFundamento", 2},
                          {def->cdsPrazosEspI, 'S', 30, "DescFundamento", 2},
                          {def->cdsOutICMS, 'O', 35, "DescFundamento", 3}};
    for (const Caso& caso : casos) {
        const int sq = Ocorrencia(caso.apuracao, caso.tipo, 97);
        Executa(QStringLiteral("UPDATE FUNDAMENTACAO_LEGAL_DEF SET DS_OCORRENCIA = 'Ocorrência %1' "
                               "WHERE SQ_OCORRENCIA_DEF = %1")
                    .arg(sq));
        Executa(QStringLiteral("INSERT INTO FUNDAMENTACAO_LEGAL_DEF_HIST (SQ_OCORRENCIA_DEF, DT_INICIO, "
                               "TP_DADO_COMPLEMENTAR_1, TP_DADO_COMPLEMENTAR_2, TP_DADO_COMPLEMENTAR_3, "
                               "DS_LEGISLACAO_OCORRENCIA) VALUES (%1, '2000-01-01', 'V', 'L', 'V', 'Lei %1')")
                    .arg(sq));
    }
    basica->AbrePorPeriodo(basica->cdsConFundamento);
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.set->Name().toStdString());
        const int sq = Ocorrencia(caso.apuracao, caso.tipo, 97);
        aux->AbreTabelaDeclaracao(caso.set);
        caso.set->Append();
        caso.set->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->SetAsInteger(sq);
        const QString descricao = QString::fromLatin1(caso.descricao);
        const QString outra = descricao == QLatin1String("DescOcorrencia") ? QStringLiteral("DescFundamento")
                                                                           : QStringLiteral("DescOcorrencia");
        ASSERT_NE(caso.set->FindField(descricao), nullptr);
        EXPECT_EQ(caso.set->FindField(outra), nullptr);
        EXPECT_EQ(caso.set->FieldByName(descricao)->AsString(), QStringLiteral("Lei %1").arg(sq));
        EXPECT_EQ(caso.set->FieldByName(descricao + QStringLiteral("Comp"))->AsString(),
                  QStringLiteral("Ocorrência %1").arg(sq));
        ASSERT_TRUE(basica->cdsConFundamento->Locate(QStringLiteral("SQ_OCORRENCIA_DEF"), sq));
        EXPECT_FALSE(caso.set->FieldByName(QStringLiteral("Codigo"))->AsString().isEmpty());
        EXPECT_EQ(caso.set->FieldByName(QStringLiteral("Codigo"))->AsString(),
                  basica->cdsConFundamento->FieldByName(QStringLiteral("Codigo"))->AsString());
        for (int n = 1; n <= 3; ++n) {
            const QString tipo = QStringLiteral("DescTpDadoComp%1").arg(n);
            if (n > caso.tiposDescritos) {
                EXPECT_EQ(caso.set->FindField(tipo), nullptr) << n;
                continue;
            }
            ASSERT_NE(caso.set->FindField(tipo), nullptr) << n;
            EXPECT_FALSE(caso.set->FieldByName(tipo)->AsString().isEmpty()) << n;
            EXPECT_EQ(caso.set->FieldByName(tipo)->AsString(),
                      basica->cdsConFundamento->FieldByName(tipo)->AsString())
                << n;
        }
        caso.set->Cancel();
    }
}

TEST_F(Declaracao, MesDaListaEDaDeclaracaoComDoisDigitos) {
    def->cdsSelDeclaracao->Open();
    ASSERT_TRUE(def->cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), 1));
    EXPECT_EQ(def->cdsSelDeclaracao->FieldByName(QStringLiteral("ME_REFERENCIA"))->DisplayText(),
              QStringLiteral("01"));
    EXPECT_EQ(D("ME_REFERENCIA")->DisplayText(), QStringLiteral("01"));
}

TEST_F(Declaracao, TipoDaDeclaracao) {
    Executa(
        QStringLiteral("UPDATE DECLARACAO_ECONOMICO_FISCAL SET IN_RETIFICADORA = 'S', NU_RETIFICADORA = 2"));
    BuildDeclaration(2, 2011, 2);
    def->cdsSelDeclaracao->Open();
    ASSERT_TRUE(def->cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), 1));
    EXPECT_EQ(def->cdsSelDeclaracao->FieldByName(QStringLiteral("DescTipo"))->AsString(),
              QStringLiteral("Retificadora [2]"));
    ASSERT_TRUE(def->cdsSelDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), 2));
    EXPECT_EQ(def->cdsSelDeclaracao->FieldByName(QStringLiteral("DescTipo"))->AsString(),
              QStringLiteral("Normal"));
    EXPECT_EQ(def->cdsSelDeclaracao->FieldByName(QStringLiteral("NU_INSCRICAO1"))->AsInteger(), 12345674);
}

// The observations are as long as the transmission file holds them.
TEST_F(Declaracao, ObservacaoLongaNaoEhCortada) {
    const QString texto(255, QLatin1Char('x'));
    def->cdsDeclaracao->Edit();
    D("TX_OBSERVACAO")->SetAsString(texto);
    def->cdsDeclaracao->Post();
    EXPECT_EQ(def->cdsDeclaracao->ApplyUpdates(0), 0);
    PosicionaDeclaracao(1);
    EXPECT_EQ(D("TX_OBSERVACAO")->AsString(), texto);
}

} // namespace
