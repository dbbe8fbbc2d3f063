#include "tests/support/data/DataModules.h"

#include "core/util/CheckDigits.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBDatabase.h"

#include <QDate>

namespace {

class DadosComplementares : public DataModules {
protected:
    DadosComplementares() {
        for (TClientDataSet* set : {&fundamento, &linha})
            set->SetName(set == &fundamento ? QStringLiteral("cdsFund") : QStringLiteral("cdsLinha"));
        fundamento.FieldDefs().Add(QStringLiteral("TP_DADO_COMPLEMENTAR_1"), ftString, 10, false);
        fundamento.CreateDataSet();
        fundamento.Append();
        linha.FieldDefs().Add(QStringLiteral("VL_COMPLEMENTO_1"), ftString, 120, false);
        linha.CreateDataSet();
        linha.Append();
    }

    // Checks value under type; `mensagem` gets the box shown (empty when none).
    bool Valida(const char* tipo, const QString& valor, const QString& numero = QStringLiteral("1")) {
        fundamento.FieldByName(QStringLiteral("TP_DADO_COMPLEMENTAR_1"))
            ->SetAsString(QString::fromLatin1(tipo));
        linha.FieldByName(QStringLiteral("VL_COMPLEMENTO_1"))->SetAsString(valor);
        const int antes = prompter.Count();
        prompter.Answer(mrOk);
        const bool valido =
            aux->ValidaComplementoPorFundamento(&linha, &fundamento, QStringLiteral("TP_DADO_COMPLEMENTAR_1"),
                                                QStringLiteral("VL_COMPLEMENTO_1"), numero);
        caixas = prompter.Count() - antes;
        mensagem = caixas > 0 ? prompter.Last().Text : QString();
        if (caixas == 0)
            prompter.Prompt(TPromptRequest{}); // use up the answer no box needed
        return valido;
    }
    QString Prefixado(int codigo, const QString& numero = QStringLiteral("1")) {
        return QStringLiteral("Dado Complementar ") + numero + QStringLiteral(" - ") + Mensagem(codigo);
    }

    TClientDataSet fundamento;
    TClientDataSet linha;
    QString mensagem;
    int caixas = 0;
};

TEST_F(DadosComplementares, SemTipoSoAceitaValorVazio) {
    EXPECT_TRUE(Valida("", QString()));
    EXPECT_FALSE(Valida("", QStringLiteral("x")));
    EXPECT_EQ(mensagem, Prefixado(253));
}

TEST_F(DadosComplementares, BancoDe1a999) {
    EXPECT_FALSE(Valida("B", QStringLiteral("0"), QStringLiteral("2")));
    EXPECT_EQ(mensagem, Prefixado(255, QStringLiteral("2")));
    EXPECT_TRUE(Valida("B", QStringLiteral("999")));
    EXPECT_FALSE(Valida("B", QStringLiteral("1000")));
}

TEST_F(DadosComplementares, LegislacaoEDescricaoNaoPodemFicarVazias) {
    EXPECT_FALSE(Valida("L", QString(), QStringLiteral("5")));
    EXPECT_EQ(mensagem, QStringLiteral("Dado Complementar  inválido!"));
    EXPECT_FALSE(Valida("O", QStringLiteral("  "), QStringLiteral("2")));
    EXPECT_EQ(mensagem, QStringLiteral("Dado Complementar 2 inválido!"));
    EXPECT_TRUE(Valida("O", QStringLiteral("texto")));
}

TEST_F(DadosComplementares, DatasDe1950AteHoje) {
    EXPECT_FALSE(Valida("D", QStringLiteral("31/12/1949")));
    EXPECT_EQ(mensagem, Prefixado(252));
    const QDate hoje = QDate::currentDate();
    EXPECT_FALSE(Valida("W", hoje.addDays(1).toString(QStringLiteral("dd/MM/yyyy"))));
    EXPECT_EQ(mensagem, Mensagem(261));
    EXPECT_TRUE(Valida("Y", hoje.toString(QStringLiteral("dd/MM/yyyy"))));
    EXPECT_FALSE(Valida("D", QStringLiteral("1/1/2005")));
    EXPECT_FALSE(Valida("D", QStringLiteral("31/02/2005"), QStringLiteral("7")));
    EXPECT_EQ(mensagem, QStringLiteral("Dado Complementar  - ") + Mensagem(252));
}

TEST_F(DadosComplementares, PeriodoMesAnoMostraUmaCaixaSo) {
    EXPECT_FALSE(Valida("R", QStringLiteral("13/2005")));
    EXPECT_EQ(mensagem, Prefixado(254));
    EXPECT_FALSE(Valida("R", QStringLiteral("1 /2005")));
    EXPECT_EQ(caixas, 1);
    EXPECT_FALSE(Valida("R", QStringLiteral("12/1999")));
    EXPECT_EQ(mensagem, Prefixado(263));
    EXPECT_TRUE(Valida("R", QStringLiteral("01/2000")));
    EXPECT_FALSE(Valida("R", QStringLiteral("01-2000")));
}

TEST_F(DadosComplementares, NumeroDeProcesso) {
    EXPECT_FALSE(Valida("P", QStringLiteral("E04-123456/1987")));
    EXPECT_EQ(mensagem, Mensagem(264));
    EXPECT_TRUE(Valida("P", QStringLiteral("e04-123456/2001")));
    EXPECT_FALSE(Valida("P", QStringLiteral("E04-000000/2001")));
    EXPECT_EQ(mensagem, QStringLiteral("Dado Complementar 1 - ") + Mensagem(256));
    EXPECT_FALSE(Valida("P", QStringLiteral("F04-123456/2001")));
    prompter.Answer(mrOk);
    EXPECT_THROW(aux->ValidaProcessoComplemento(QStringLiteral("1"), QStringLiteral("E0A-123456/2001")),
                 EAbort);
}

TEST_F(DadosComplementares, DeclaracaoDeImportacaoAceitaNumerosDe64Bits) {
    const QString base = QStringLiteral("300000000");
    const QString valida = base + QString::number(CalculaDVSufixo2(base));
    ASSERT_GT(valida.toLongLong(), 2147483647LL);
    EXPECT_TRUE(Valida("I", valida));
    QString errada;
    for (int digito = 0; digito <= 9 && errada.isEmpty(); ++digito) {
        const QString candidata = base + QString::number(digito);
        if (!ValidaDVSufixo2(candidata) && !ValidaDVSufixo4(candidata))
            errada = candidata;
    }
    EXPECT_FALSE(Valida("I", errada));
    EXPECT_EQ(mensagem, Prefixado(294));
    EXPECT_FALSE(Valida("I", QStringLiteral("0")));
}

TEST_F(DadosComplementares, DigitosDeAutoECertidao) {
    EXPECT_TRUE(Valida("A", QStringLiteral("123456782")));
    EXPECT_FALSE(Valida("A", QStringLiteral("123456781")));
    EXPECT_EQ(mensagem, Prefixado(257));
    EXPECT_TRUE(Valida("C", QStringLiteral("123456789015")));
    EXPECT_FALSE(Valida("C", QString()));
    EXPECT_EQ(mensagem, Prefixado(265));
}

TEST_F(DadosComplementares, TipoDePeriodoBaseDeCalculoETipoDeImportacao) {
    EXPECT_TRUE(Valida("T", QStringLiteral("4")));
    EXPECT_FALSE(Valida("T", QStringLiteral("5")));
    EXPECT_EQ(mensagem, Prefixado(306));
    EXPECT_TRUE(Valida("V", QStringLiteral("1.234,56")));
    EXPECT_FALSE(Valida("V", QStringLiteral("0")));
    EXPECT_EQ(mensagem, Prefixado(312));
    EXPECT_TRUE(Valida("X", QStringLiteral("D")));
    EXPECT_TRUE(Valida("X", QStringLiteral("O")));
    EXPECT_FALSE(Valida("X", QStringLiteral("d")));
    EXPECT_EQ(mensagem, Prefixado(315));
    EXPECT_TRUE(Valida("Q", QStringLiteral("qualquer")));
    EXPECT_FALSE(Valida("T", QStringLiteral("9"), QStringLiteral("4")));
    EXPECT_EQ(mensagem, QStringLiteral("Dado Complementar  - ") + Mensagem(306)); // no label past 3
}

TEST_F(DataModules, MensagensPorCodigo) {
    EXPECT_EQ(TDMDefAux::BuscaMensagemErro(12), QStringLiteral("Número de Inscrição Estadual inválido."));
    EXPECT_EQ(TDMDefAux::BuscaMensagemErro(9999), QString());
    geral->ibDBDef->Close();
    const QString texto = ErroSemAbort([] { EXPECT_EQ(TDMDefAux::BuscaMensagemErro(12), QString()); });
    EXPECT_TRUE(texto.startsWith(QStringLiteral("Não há conexão com o banco de dados.\r\r")));
    EXPECT_TRUE(texto.endsWith(banco.Path()));
}

TEST_F(DataModules, FormataMesComDoisDigitos) {
    EXPECT_EQ(TDMDefAux::FormataMes(QStringLiteral("9")), QStringLiteral("09"));
    EXPECT_EQ(TDMDefAux::FormataMes(QStringLiteral("12")), QStringLiteral("12"));
}

TEST_F(DataModules, DescricaoDaOcorrencia) {
    TClientDataSet set;
    set.SetName(QStringLiteral("cdsOcorrencia"));
    set.FieldDefs().Add(QStringLiteral("DS_OCORRENCIA"), ftString, 200, false);
    set.FieldDefs().Add(QStringLiteral("TP_DADO_COMPLEMENTAR_1"), ftString, 10, false);
    set.FieldDefs().Add(QStringLiteral("VL_COMPLEMENTO_1"), ftString, 120, false);
    set.CreateDataSet();
    set.Append();
    set.FieldByName(QStringLiteral("DS_OCORRENCIA"))->SetAsString(QStringLiteral("Outros créditos"));
    set.FieldByName(QStringLiteral("TP_DADO_COMPLEMENTAR_1"))->SetAsString(QStringLiteral("D"));
    set.FieldByName(QStringLiteral("VL_COMPLEMENTO_1"))->SetAsString(QStringLiteral("10/01/2005"));
    EXPECT_EQ(aux->DescricaoOcorrencia(&set, {}),
              QStringLiteral("Outros créditos, Data de Pagamento 10/01/2005."));
    EXPECT_EQ(aux->DescricaoOcorrencia(&set, QStringLiteral("extra")),
              QStringLiteral("Outros créditos, Data de Pagamento 10/01/2005, extra."));
    set.FieldByName(QStringLiteral("DS_OCORRENCIA"))->Clear();
    EXPECT_EQ(aux->DescricaoOcorrencia(&set, QStringLiteral("extra")), QString());
}

TEST_F(DataModules, DataNoPeriodoDeReferencia) {
    CriaContribuinte();
    BuildDeclaration(7, 2011, 1);
    EXPECT_TRUE(aux->DataNoPeriodoReferencia(DeclarationKey(7), QStringLiteral("15/01/2011")));
    EXPECT_FALSE(aux->DataNoPeriodoReferencia(DeclarationKey(7), QStringLiteral("15/02/2011")));
    EXPECT_FALSE(aux->DataNoPeriodoReferencia(DeclarationKey(7), QStringLiteral("15/xx/2011")));
    EXPECT_EQ(ErroComAbort([&] {
                  aux->DataNoPeriodoReferencia(DeclarationKey::FromText(QStringLiteral("7;")),
                                               QStringLiteral("15/01/2011"));
              }),
              Mensagem(300));
}

TEST_F(DataModules, TabelaDaDeclaracaoAbertaParaADeclaracaoCorrenteEEdicaoPendente) {
    CriaContribuinte();
    BuildDeclaration(1);
    BuildDeclaration(2, 2011, 2);
    Executa(
        QStringLiteral("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO) VALUES (1, 1102)"));
    Executa(
        QStringLiteral("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO) VALUES (2, 1102)"));
    Executa(
        QStringLiteral("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO) VALUES (2, 2102)"));
    PosicionaDeclaracao(2);
    aux->AbreTabelaDeclaracao(def->cdsEntradas);
    EXPECT_EQ(def->cdsEntradas->RecordCount(), 2);
    EXPECT_TRUE(aux->SemEdicaoPendente());
    def->cdsEntradas->Edit();
    EXPECT_FALSE(aux->SemEdicaoPendente());
    def->cdsEntradas->Cancel();
    def->cdsDeclaracao->Edit();
    EXPECT_TRUE(aux->SemEdicaoPendente()); // the declaration itself does not count
    def->cdsDeclaracao->Cancel();
}

} // namespace
