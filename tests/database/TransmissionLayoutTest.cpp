// The layout rows of the transmission file fit the record and name real
// columns, so the generation's row queries can run.

#include "tests/support/database/TempDatabase.h"

#include <gtest/gtest.h>

namespace {

constexpr int kRecordFieldsWidth = 841; // 845 characters of record less the 4-digit type

struct LayoutField {
    QString table;
    QString column;
    QString type;
    int width = 0;
    int decimals = 0;
};

std::vector<LayoutField> LayoutOf(TempDatabase& db, int recordType) {
    std::vector<LayoutField> fields;
    for (const QVariantList& row : db.Rows(
             QString("SELECT T.NO_TABELA, C.NO_CAMPO, C.TP_CAMPO, C.NU_TAMANHO_CAMPO, C.NU_CASAS_DECIMAIS "
                     "FROM CAMPOS_DEF C, TABELAS_DEF T WHERE T.SQ_TABELA = C.SQ_TABELA AND "
                     "T.NU_ORDEM = %1 ORDER BY C.NU_ORDEM")
                 .arg(recordType)))
        fields.push_back({row[0].toString().trimmed(), row[1].toString().trimmed(), row[2].toString(),
                          row[3].toInt(), row[4].toInt()});
    return fields;
}

TEST(TransmissionLayoutTest, SeventeenRecordTypesEachWithFieldsWithinTheRecord) {
    TempDatabase db{false};
    const auto types = db.Rows("SELECT NU_ORDEM FROM TABELAS_DEF ORDER BY NU_ORDEM");
    ASSERT_EQ(types.size(), 17u);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(types[i][0].toInt(), 110 + 10 * i);
    EXPECT_EQ(db.Count("SELECT COUNT(DISTINCT NO_TABELA) FROM TABELAS_DEF"), 17);
    for (int type = 110; type <= 270; type += 10) {
        const auto fields = LayoutOf(db, type);
        ASSERT_FALSE(fields.empty()) << "record " << type;
        int width = 0;
        for (const LayoutField& field : fields)
            width += field.width;
        EXPECT_LE(width, kRecordFieldsWidth) << "record " << type;
        EXPECT_EQ(fields.front().column, "SQ_DECLARACAO") << "record " << type;
    }
}

TEST(TransmissionLayoutTest, FieldTypesFollowTheColumnTypes) {
    TempDatabase db{false};
    // Column data types from the catalogue: 12 DATE; scale -4 the money NUMERIC(18,4).
    const auto rows = db.Rows("SELECT T.NO_TABELA, C.NO_CAMPO, C.TP_CAMPO, C.NU_CASAS_DECIMAIS, "
                              "F.RDB$FIELD_TYPE, F.RDB$FIELD_SCALE "
                              "FROM CAMPOS_DEF C JOIN TABELAS_DEF T ON T.SQ_TABELA = C.SQ_TABELA "
                              "LEFT JOIN RDB$RELATION_FIELDS RF ON TRIM(RF.RDB$RELATION_NAME) = T.NO_TABELA "
                              "AND TRIM(RF.RDB$FIELD_NAME) = C.NO_CAMPO "
                              "LEFT JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = RF.RDB$FIELD_SOURCE");
    ASSERT_FALSE(rows.empty());
    for (const QVariantList& row : rows) {
        const std::string name =
            (row[0].toString().trimmed() + "." + row[1].toString().trimmed()).toStdString();
        ASSERT_TRUE(row[4].isValid()) << name << " is not a column of its table";
        const bool money = row[5].toInt() == -4;
        const bool date = row[4].toInt() == 12;
        if (money) {
            EXPECT_EQ(row[2].toString(), "I") << name;
            EXPECT_EQ(row[3].toInt(), 2) << name;
        } else {
            EXPECT_EQ(row[3].toInt(), 0) << name << " would count in the control total";
        }
        if (date) {
            EXPECT_EQ(row[2].toString(), "D") << name;
        }
    }
}

TEST(TransmissionLayoutTest, Field204IsSixDigitsWide) {
    TempDatabase db{false};
    EXPECT_EQ(db.Count("SELECT NU_TAMANHO_CAMPO FROM CAMPOS_DEF WHERE SQ_CAMPO = 204"), 6);
    EXPECT_EQ(db.Value("SELECT TP_CAMPO FROM CAMPOS_DEF WHERE SQ_CAMPO = 204").toString(), "I");
}

TEST(TransmissionLayoutTest, RowQueriesOfEveryRecordTypeRun) {
    TempDatabase db{false};
    db.Execute("INSERT INTO CONTRIBUINTE (NU_INSCRICAO, NU_CGC_CPF, NO_RAZAO) VALUES (77000011, 1, 'A')");
    db.Execute("INSERT INTO DECLARACAO_ECONOMICO_FISCAL (SQ_DECLARACAO, NU_INSCRICAO, AN_REFERENCIA, "
               "ME_REFERENCIA, IN_RETIFICADORA, IN_PERIODICIDADE, IN_BAIXA_CONTRIBUINTE, "
               "IN_OPER_PROP_SEM_MOV, IN_SUBST_TRIBUT_SEM_MOV, IN_OUTROS_ICMS_SEM_MOV, "
               "IN_ALC_ZFM_SEM_MOV, NO_CORREIO_ELETRONICO) VALUES "
               "(5, 77000011, 2010, 5, 'N', 'M', 'N', 'N', 'N', 'N', 'N', 'a@b.br')");
    for (int type = 110; type <= 270; type += 10) {
        const auto fields = LayoutOf(db, type);
        ASSERT_FALSE(fields.empty());
        QStringList columns;
        for (const LayoutField& field : fields)
            columns.append(field.column);
        const auto rows = db.Rows(QString("SELECT %1 FROM %2\nWHERE SQ_DECLARACAO = 5")
                                      .arg(columns.join(" , "), fields.front().table));
        EXPECT_EQ(rows.size(), type == 110 ? 1u : 0u) << "record " << type;
        if (type == 110) {
            EXPECT_TRUE(columns.contains("NO_CORREIO_ELETRONICO"));
        }
    }
}

} // namespace
