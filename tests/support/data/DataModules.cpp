#include "tests/support/data/DataModules.h"

#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBDatabase.h"

DataModules::DataModules() {
    geral = std::make_unique<TDMDefGeral>();
    geral->ibDBDef->SetDatabaseName(banco.Path());
    geral->ibDBDef->Open();
    ValorMaximo = geral->LeValorMaximo();
    basica = std::make_unique<TDMDefBasica>();
    def = std::make_unique<TDMDef>();
    aux = std::make_unique<TDMDefAux>();
    DeclaracaoAlterada = false;
}

DataModules::~DataModules() {
    aux.reset();
    def.reset();
    basica.reset();
    if (geral->ibDBDef->Connected())
        geral->ibDBDef->Close();
    geral.reset();
}

void DataModules::Executa(const QString& sql) {
    ASSERT_TRUE(geral->ExecutaSQL(sql)) << sql.toStdString();
}

int DataModules::Ocorrencia(char apuracao, int tipo, int numero) {
    const QString codigo = QStringLiteral("TP_APURACAO = '%1' AND TP_OCORRENCIA = %2 AND NU_OCORRENCIA = %3")
                               .arg(QChar::fromLatin1(apuracao))
                               .arg(tipo)
                               .arg(numero);
    EXPECT_TRUE(geral->AbreConsulta(
        QStringLiteral("SELECT SQ_OCORRENCIA_DEF FROM FUNDAMENTACAO_LEGAL_DEF WHERE ") + codigo));
    if (!geral->cdsAuxiliar->IsEmpty())
        return geral->cdsAuxiliar->Fields()[0]->AsInteger();
    EXPECT_TRUE(
        geral->AbreConsulta(QStringLiteral("SELECT MAX(SQ_OCORRENCIA_DEF) FROM FUNDAMENTACAO_LEGAL_DEF")));
    const int sq = geral->cdsAuxiliar->Fields()[0]->AsInteger() + 1;
    Executa(
        QStringLiteral("INSERT INTO FUNDAMENTACAO_LEGAL_DEF (SQ_OCORRENCIA_DEF, TP_APURACAO, TP_OCORRENCIA, "
                       "NU_OCORRENCIA, DS_OCORRENCIA) VALUES (%1, '%2', %3, %4, 'Teste')")
            .arg(sq)
            .arg(QChar::fromLatin1(apuracao))
            .arg(tipo)
            .arg(numero));
    return sq;
}

void DataModules::CriaContribuinte(int inscricao) {
    Executa(QStringLiteral("INSERT INTO CONTRIBUINTE (NU_INSCRICAO, NU_CGC_CPF, NO_RAZAO, IN_CGC_CPF) "
                           "VALUES (%1, 11222333000181, 'Empresa Teste', '1')")
                .arg(inscricao));
}

void DataModules::BuildDeclaration(int sq, int ano, int mes, int inscricao) {
    Executa(
        QStringLiteral("INSERT INTO DECLARACAO_ECONOMICO_FISCAL (SQ_DECLARACAO, NU_INSCRICAO, AN_REFERENCIA, "
                       "ME_REFERENCIA, IN_RETIFICADORA, IN_PERIODICIDADE, IN_BAIXA_CONTRIBUINTE, "
                       "IN_OPER_PROP_SEM_MOV, IN_SUBST_TRIBUT_SEM_MOV, IN_OUTROS_ICMS_SEM_MOV, "
                       "IN_ALC_ZFM_SEM_MOV) VALUES (%1, %2, %3, %4, 'N', 'M', 'N', 'N', 'N', 'N', 'N')")
            .arg(sq)
            .arg(inscricao)
            .arg(ano)
            .arg(mes));
}

void DataModules::PosicionaDeclaracao(int sq) {
    def->cdsDeclaracao->Close();
    def->cdsDeclaracao->Open();
    ASSERT_TRUE(def->cdsDeclaracao->Locate(QStringLiteral("SQ_DECLARACAO"), sq));
}

QString DataModules::Mensagem(int codigo) {
    const QString texto = TDMDefAux::BuscaMensagemErro(codigo);
    EXPECT_FALSE(texto.isEmpty()) << codigo;
    return texto;
}

QString DataModules::ErroComAbort(const std::function<void()>& action) {
    const int antes = prompter.Count();
    prompter.Answer(mrOk);
    EXPECT_THROW(action(), EAbort);
    EXPECT_EQ(prompter.Count(), antes + 1);
    return prompter.Count() > antes ? prompter.Last().Text : QString();
}

QString DataModules::ErroSemAbort(const std::function<void()>& action) {
    const int antes = prompter.Count();
    prompter.Answer(mrOk);
    action();
    EXPECT_EQ(prompter.Count(), antes + 1);
    return prompter.Count() > antes ? prompter.Last().Text : QString();
}
