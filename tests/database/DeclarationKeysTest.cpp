// Keys and cascades of the declaration tables: a rectifying copy keeps the
// row keys of the rows it copies, and deleting a declaration takes its rows.

#include "tests/support/database/TempDatabase.h"

#include "platform/base/Exceptions.h"

#include <gtest/gtest.h>

namespace {

const QStringList kDetailTables = {
    "ENTRADA_DECLARADA",         "SAIDA_DECLARADA",          "ENTRADA_IE_DECLARADA",
    "SAIDA_IE_DECLARADA",        "OUTRO_CREDITO_DECLARADO",  "OUTRO_DEBITO_DECLARADO",
    "ESTORNO_CREDITO_DECLARADO", "ESTORNO_DEBITO_DECLARADO", "DEDUCAO_DECLARADA",
    "PRAZO_ESPECIAL_DECLARADO",  "OUTRO_ICMS_DEVIDO",        "SALDO_CREDOR_COMPENSADO",
    "SALDO_CREDOR_TRANSFERIDO",  "SALDO_CREDOR_RECEBIDO",    "SALDO_CREDOR_COMP_PROPRIO",
    "SAIDA_ALC_DECLARADA"};

void InsertDeclaration(TempDatabase& db, int key) {
    db.Execute(
        QString("INSERT INTO DECLARACAO_ECONOMICO_FISCAL (SQ_DECLARACAO, NU_INSCRICAO, AN_REFERENCIA, "
                "ME_REFERENCIA, IN_RETIFICADORA, IN_PERIODICIDADE, IN_BAIXA_CONTRIBUINTE, "
                "IN_OPER_PROP_SEM_MOV, IN_SUBST_TRIBUT_SEM_MOV, IN_OUTROS_ICMS_SEM_MOV, "
                "IN_ALC_ZFM_SEM_MOV) VALUES (%1, 77000011, 2010, 5, 'N', 'M', 'N', 'N', 'N', 'N', 'N')")
            .arg(key));
}

// One row in every detail table of the declaration, with the same row keys
// whatever the declaration.
void InsertDetailRows(TempDatabase& db, int key) {
    const QString k = QString::number(key);
    db.Execute("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL) VALUES (" + k +
               ", 1102, 1.5)");
    db.Execute("INSERT INTO SAIDA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO) VALUES (" + k + ", 5102)");
    db.Execute("INSERT INTO ENTRADA_IE_DECLARADA (SQ_DECLARACAO, CO_UF) VALUES (" + k + ", 35)");
    db.Execute("INSERT INTO SAIDA_IE_DECLARADA (SQ_DECLARACAO, CO_UF) VALUES (" + k + ", 35)");
    for (const char* table : {"OUTRO_CREDITO_DECLARADO", "OUTRO_DEBITO_DECLARADO",
                              "ESTORNO_CREDITO_DECLARADO", "ESTORNO_DEBITO_DECLARADO"})
        db.Execute(QString("INSERT INTO %1 (SQ_%1, SQ_DECLARACAO, SQ_OCORRENCIA_DEF) VALUES (7, %2, 121)")
                       .arg(table, k));
    db.Execute(
        "INSERT INTO DEDUCAO_DECLARADA (SQ_DEDUCAO_DECLARADA, SQ_DECLARACAO, SQ_OCORRENCIA_DEF) VALUES (7, " +
        k + ", 141)");
    db.Execute("INSERT INTO PRAZO_ESPECIAL_DECLARADO (SQ_PRAZO_ESPECIAL_DECLARADO, SQ_DECLARACAO, "
               "SQ_OCORRENCIA_DEF) VALUES (7, " +
               k + ", 151)");
    db.Execute(
        "INSERT INTO OUTRO_ICMS_DEVIDO (SQ_OUTRO_ICMS_DEVIDO, SQ_DECLARACAO, SQ_OCORRENCIA_DEF) VALUES (7, " +
        k + ", 206)");
    for (const char* table : {"SALDO_CREDOR_COMPENSADO", "SALDO_CREDOR_TRANSFERIDO", "SALDO_CREDOR_RECEBIDO",
                              "SALDO_CREDOR_COMP_PROPRIO"})
        db.Execute(QString("INSERT INTO %1 (SQ_%1, SQ_DECLARACAO, SQ_OCORRENCIA_DEF) VALUES (7, %2, 301)")
                       .arg(table, k));
    db.Execute("INSERT INTO SAIDA_ALC_DECLARADA (SQ_DECLARACAO, CO_LOCALIDADE, NU_SERIE_NOTA_FISCAL, "
               "NU_SUBSERIE_NOTA_FISCAL, NU_NOTA_FISCAL) VALUES (" +
               k + ", 7153, ' ', ' ', 123456)");
}

int DetailRowsOf(TempDatabase& db, int key) {
    int total = 0;
    for (const QString& table : kDetailTables)
        total += db.Count(QString("SELECT COUNT(*) FROM %1 WHERE SQ_DECLARACAO = %2").arg(table).arg(key));
    return total;
}

class DeclarationKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.Execute("INSERT INTO CONTRIBUINTE (NU_INSCRICAO, NU_CGC_CPF, NO_RAZAO) VALUES (77000011, 1, 'A')");
        InsertDeclaration(db, 1);
        InsertDeclaration(db, 2);
    }
    TempDatabase db{false};
};

TEST_F(DeclarationKeysTest, SameRowKeysUnderTwoDeclarations) {
    InsertDetailRows(db, 1);
    ASSERT_NO_THROW(InsertDetailRows(db, 2));
    EXPECT_EQ(DetailRowsOf(db, 1), 16);
    EXPECT_EQ(DetailRowsOf(db, 2), 16);
}

TEST_F(DeclarationKeysTest, RowKeyRepeatedWithinOneDeclarationIsRefused) {
    InsertDetailRows(db, 1);
    EXPECT_THROW(db.Execute("INSERT INTO OUTRO_CREDITO_DECLARADO (SQ_OUTRO_CREDITO_DECLARADO, SQ_DECLARACAO, "
                            "SQ_OCORRENCIA_DEF) VALUES (7, 1, 122)"),
                 Exception);
    EXPECT_THROW(
        db.Execute("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO) VALUES (1, 1102)"),
        Exception);
    // A blank series is the same key as an empty one.
    EXPECT_THROW(
        db.Execute("INSERT INTO SAIDA_ALC_DECLARADA (SQ_DECLARACAO, CO_LOCALIDADE, NU_SERIE_NOTA_FISCAL, "
                   "NU_SUBSERIE_NOTA_FISCAL, NU_NOTA_FISCAL) VALUES (1, 7153, '', '', 123456)"),
        Exception);
}

TEST_F(DeclarationKeysTest, DeletingADeclarationDeletesItsRowsOnly) {
    InsertDetailRows(db, 1);
    InsertDetailRows(db, 2);
    db.Execute("DELETE FROM DECLARACAO_ECONOMICO_FISCAL WHERE SQ_DECLARACAO = 1");
    EXPECT_EQ(DetailRowsOf(db, 1), 0);
    EXPECT_EQ(DetailRowsOf(db, 2), 16);
}

TEST_F(DeclarationKeysTest, MoneyKeepsFourDecimalsAndDefaultsToZero) {
    db.Execute("INSERT INTO ENTRADA_DECLARADA (SQ_DECLARACAO, CO_FISCAL_OPERACAO, VL_CONTABIL) "
               "VALUES (1, 2102, 9999999999999.9999)");
    EXPECT_EQ(
        db.Value("SELECT CAST(VL_CONTABIL AS VARCHAR(30)) FROM ENTRADA_DECLARADA WHERE SQ_DECLARACAO = 1")
            .toString(),
        "9999999999999.9999");
    EXPECT_EQ(
        db.Value("SELECT CAST(VL_IMPOSTO AS VARCHAR(30)) FROM ENTRADA_DECLARADA WHERE SQ_DECLARACAO = 1")
            .toString(),
        "0.0000");
    EXPECT_THROW(db.Execute("UPDATE ENTRADA_DECLARADA SET VL_IMPOSTO = NULL WHERE SQ_DECLARACAO = 1"),
                 Exception);
}

TEST_F(DeclarationKeysTest, NoMovementFlagsAcceptOnlySOrN) {
    EXPECT_THROW(db.Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET IN_OPER_PROP_SEM_MOV = 'X' "
                            "WHERE SQ_DECLARACAO = 1"),
                 Exception);
    EXPECT_NO_THROW(db.Execute("UPDATE DECLARACAO_ECONOMICO_FISCAL SET IN_OPER_PROP_SEM_MOV = 'S' "
                               "WHERE SQ_DECLARACAO = 1"));
}

} // namespace
