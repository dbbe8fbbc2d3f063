// The objects of the schema exist and behave as the program's SQL expects.

#include "tests/support/database/TempDatabase.h"

#include <gtest/gtest.h>

namespace {

const QStringList kTables = {"PARAMETROS_DEF",
                             "TIPO_ERRO_DECLARACAO",
                             "TABELAS_DEF",
                             "CAMPOS_DEF",
                             "TRANSMISSAO_DEF",
                             "DECLARACAO_TRANSMITIDA",
                             "UFS",
                             "MUNICIPIO",
                             "MUNICIPIO_ALC",
                             "CFOP",
                             "CFOP_HIST",
                             "GRUPOS_CFOP",
                             "GRUPAMENTO_CFOP",
                             "FUNDAMENTACAO_LEGAL_DEF",
                             "FUNDAMENTACAO_LEGAL_DEF_HIST",
                             "CG_REF_CODES",
                             "CONTRIBUINTE",
                             "REPRESENTANTE",
                             "CONTABILISTA",
                             "DECLARACAO_ECONOMICO_FISCAL",
                             "ENTRADA_DECLARADA",
                             "SAIDA_DECLARADA",
                             "ENTRADA_IE_DECLARADA",
                             "SAIDA_IE_DECLARADA",
                             "OUTRO_CREDITO_DECLARADO",
                             "OUTRO_DEBITO_DECLARADO",
                             "ESTORNO_CREDITO_DECLARADO",
                             "ESTORNO_DEBITO_DECLARADO",
                             "DEDUCAO_DECLARADA",
                             "PRAZO_ESPECIAL_DECLARADO",
                             "OUTRO_ICMS_DEVIDO",
                             "SALDO_CREDOR_COMPENSADO",
                             "SALDO_CREDOR_TRANSFERIDO",
                             "SALDO_CREDOR_RECEBIDO",
                             "SALDO_CREDOR_COMP_PROPRIO",
                             "SAIDA_ALC_DECLARADA"};

TEST(SchemaTest, EveryTableAndTheViewExist) {
    TempDatabase db{false};
    QStringList relations;
    for (const QVariantList& row : db.Rows("SELECT TRIM(RDB$RELATION_NAME) FROM RDB$RELATIONS "
                                           "WHERE COALESCE(RDB$SYSTEM_FLAG, 0) = 0"))
        relations.append(row.front().toString());
    for (const QString& table : kTables)
        EXPECT_TRUE(relations.contains(table)) << table.toStdString();
    EXPECT_TRUE(relations.contains("VWFUNDAMENTOS"));
    EXPECT_EQ(db.Columns("VWFUNDAMENTOS"),
              QStringList({"SQ_OCORRENCIA_DEF", "FUNDAMENTOS", "TP_APURACAO", "TP_OCORRENCIA",
                           "NU_OCORRENCIA", "DS_OCORRENCIA", "ST_OCORRENCIA_DEF"}));
}

TEST(SchemaTest, RtrimTreatsBlankAndEmptyTextAsNull) {
    TempDatabase db{false};
    const auto row = db.Rows("SELECT RTRIM('   '), RTRIM(''), RTRIM(CAST(NULL AS VARCHAR(5))), "
                             "RTRIM('  ab  ') || '|' FROM RDB$DATABASE")
                         .front();
    EXPECT_FALSE(row[0].isValid());
    EXPECT_FALSE(row[1].isValid());
    EXPECT_FALSE(row[2].isValid());
    EXPECT_EQ(row[3].toString(), "  ab|");
}

TEST(SchemaTest, RtrimFindsOtherIcmsRowsWithoutSecondDatum) {
    TempDatabase db{false};
    db.Execute("INSERT INTO CONTRIBUINTE (NU_INSCRICAO, NU_CGC_CPF, NO_RAZAO) VALUES (77000011, 1, 'A')");
    db.Execute("INSERT INTO DECLARACAO_ECONOMICO_FISCAL (SQ_DECLARACAO, NU_INSCRICAO, AN_REFERENCIA, "
               "ME_REFERENCIA, IN_RETIFICADORA, IN_PERIODICIDADE, IN_BAIXA_CONTRIBUINTE, "
               "IN_OPER_PROP_SEM_MOV, IN_SUBST_TRIBUT_SEM_MOV, IN_OUTROS_ICMS_SEM_MOV, "
               "IN_ALC_ZFM_SEM_MOV) VALUES (1, 77000011, 2010, 5, 'N', 'M', 'N', 'N', 'N', 'N', 'N')");
    const char* insert = "INSERT INTO OUTRO_ICMS_DEVIDO (SQ_OUTRO_ICMS_DEVIDO, SQ_DECLARACAO, "
                         "SQ_OCORRENCIA_DEF, VL_LANCAMENTO, VL_COMPLEMENTO_2) VALUES (%1, 1, %2, 10, %3)";
    db.Execute(QString(insert).arg(1).arg(207).arg("NULL"));
    db.Execute(QString(insert).arg(2).arg(209).arg("'  '"));
    db.Execute(QString(insert).arg(3).arg(207).arg("'D'"));
    db.Execute(QString(insert).arg(4).arg(206).arg("''"));
    EXPECT_EQ(db.Count("SELECT count(*) qtd FROM outro_icms_devido\nWHERE sq_ocorrencia_def in (207,209) "
                       "AND sq_declaracao = 1 AND RTRIM(vl_complemento_2) is null"),
              2);
}

TEST(SchemaTest, DateCastGivesThePeriodKeyText) {
    TempDatabase db{false};
    EXPECT_EQ(db.Value("SELECT CAST(DT_INICIO AS VARCHAR(10)) FROM MUNICIPIO_ALC WHERE CO_LOCALIDADE = 7375")
                  .toString(),
              "2008-09-30");
}

} // namespace
