// The rows the program relies on are shipped in the database.

#include "tests/support/database/TempDatabase.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// Every rule-message code the program quotes.
const std::vector<int> kMessageCodes = {
    12,  38,  47,  52,  56,  200, 201, 202, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214, 223,
    224, 228, 229, 230, 231, 234, 237, 238, 239, 240, 241, 242, 243, 244, 245, 246, 247, 248, 249, 250, 251,
    252, 253, 254, 255, 256, 257, 261, 262, 263, 264, 265, 266, 269, 270, 271, 272, 273, 274, 275, 276, 278,
    279, 280, 281, 282, 283, 284, 285, 286, 287, 288, 289, 290, 291, 292, 293, 294, 296, 297, 298, 300, 302,
    303, 304, 305, 306, 307, 308, 309, 310, 311, 312, 314, 315, 316, 317, 318, 321, 322};

TEST(SeedRowsTest, ParametersHoldVersionMaximumAndCounters) {
    TempDatabase db{false};
    const auto rows = db.Rows("SELECT ID_PARAMETRO, TX_PARAM1, CAST(VL_PARAM1 AS VARCHAR(30)) "
                              "FROM PARAMETROS_DEF ORDER BY 1");
    ASSERT_EQ(rows.size(), 17u);
    for (int id = 1; id <= 17; ++id)
        EXPECT_EQ(rows[id - 1][0].toInt(), id);
    EXPECT_EQ(rows[0][1].toString(), "0.3.3.4");
    EXPECT_EQ(rows[1][2].toString(), "9999999999.0000");
    for (int id = 3; id <= 17; ++id)
        EXPECT_EQ(rows[id - 1][2].toString(), "0.0000") << "counter " << id;
}

TEST(SeedRowsTest, TwentySevenStatesWithDistinctAbbreviations) {
    TempDatabase db{false};
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM UFS"), 27);
    EXPECT_EQ(db.Count("SELECT COUNT(DISTINCT SG_UF) FROM UFS WHERE CHAR_LENGTH(TRIM(SG_UF)) = 2"), 27);
    EXPECT_EQ(db.Value("SELECT NO_UF FROM UFS WHERE SG_UF = 'SP'").toString(), "São Paulo");
}

TEST(SeedRowsTest, EveryQuotedMessageCodeHasTextAndKind) {
    TempDatabase db{false};
    std::map<int, std::pair<QString, QString>> messages;
    for (const QVariantList& row : db.Rows("SELECT CO_ERRO, TX_MENSAGEM, TP_ERRO FROM TIPO_ERRO_DECLARACAO"))
        messages[row[0].toInt()] = {row[1].toString(), row[2].toString()};
    for (int code : kMessageCodes) {
        auto it = messages.find(code);
        ASSERT_NE(it, messages.end()) << "message " << code << " is missing";
        EXPECT_FALSE(it->second.first.trimmed().isEmpty()) << "message " << code;
        EXPECT_TRUE(it->second.second == "E" || it->second.second == "A") << "message " << code;
    }
    EXPECT_EQ(messages[321].second, "E");
    EXPECT_EQ(messages[322].second, "E");
    EXPECT_EQ(messages[318].second, "A");
    EXPECT_EQ(messages[316].first, "Descrição da ocorrência não preenchida.");
}

TEST(SeedRowsTest, ComplementTypesCoverEveryLetter) {
    TempDatabase db{false};
    QString letters;
    for (const QVariantList& row : db.Rows("SELECT RV_LOW_VALUE FROM CG_REF_CODES "
                                           "WHERE RV_DOMAIN = 'D TP COMPLEMENTO' ORDER BY 1"))
        letters += row.front().toString();
    EXPECT_EQ(letters, "ABCDILOPQRTVWXY");
    EXPECT_EQ(db.Value("SELECT RV_MEANING FROM CG_REF_CODES WHERE RV_DOMAIN = 'D TP COMPLEMENTO' "
                       "AND RV_LOW_VALUE = 'V'")
                  .toString(),
              "Base de Cálculo");
    EXPECT_EQ(db.Value("SELECT RV_FORMAT FROM CG_REF_CODES WHERE RV_DOMAIN = 'D TP COMPLEMENTO' "
                       "AND RV_MEANING = 'Nº do Processo'")
                  .toString(),
              "Formato: E99-999999/9999");
}

TEST(SeedRowsTest, FreeTradeMunicipalitiesKeepTheirPeriods) {
    TempDatabase db{false};
    const auto boaVista = db.Rows("SELECT CAST(DT_INICIO AS VARCHAR(10)), DT_FIM FROM MUNICIPIO_ALC "
                                  "WHERE CO_LOCALIDADE = 7375");
    ASSERT_EQ(boaVista.size(), 1u);
    EXPECT_EQ(boaVista[0][0].toString(), "2008-09-30");
    EXPECT_FALSE(boaVista[0][1].isValid());
    EXPECT_EQ(
        db.Value("SELECT MAX(CAST(DT_FIM AS VARCHAR(10))) FROM MUNICIPIO_ALC WHERE CO_LOCALIDADE = 7383")
            .toString(),
        "2008-08-29");
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM MUNICIPIO M WHERE NOT EXISTS "
                       "(SELECT 1 FROM MUNICIPIO_ALC A WHERE A.CO_LOCALIDADE = M.CO_LOCALIDADE)"),
              0);
    // The lookup of the free-trade-area page for 09/2008 offers Boa Vista and not Pacaraima.
    const QString valid = "SELECT COUNT(*) FROM MUNICIPIO_ALC WHERE CO_LOCALIDADE = %1 AND "
                          "CAST(SUBSTRING(CAST(DT_INICIO AS VARCHAR(10)) FROM 1 FOR 4) || "
                          "SUBSTRING(CAST(DT_INICIO AS VARCHAR(10)) FROM 6 FOR 2) AS INTEGER) <= 200809 AND "
                          "(DT_FIM IS NULL OR CAST(SUBSTRING(CAST(DT_FIM AS VARCHAR(10)) FROM 1 FOR 4) || "
                          "SUBSTRING(CAST(DT_FIM AS VARCHAR(10)) FROM 6 FOR 2) AS INTEGER) >= 200809)";
    EXPECT_EQ(db.Count(valid.arg(7375)), 1);
    EXPECT_EQ(db.Count(valid.arg(7383)), 0);
}

TEST(SeedRowsTest, CfopCodesNamedByTheProgramExist) {
    TempDatabase db{false};
    for (int code : {586,  587,  686,  687,  5501, 5502, 6501, 6502, 5667, 6667, 7667, 6360, 1934, 2934, 5934,
                     6934, 5923, 6923, 1128, 2128, 3128, 1126, 2126, 3126, 1102, 2102, 2949, 3102, 5102})
        EXPECT_EQ(db.Count(QString("SELECT COUNT(*) FROM CFOP C JOIN CFOP_HIST H ON "
                                   "H.CO_FISCAL_OPERACAO = C.CO_FISCAL_OPERACAO "
                                   "WHERE C.CO_FISCAL_OPERACAO = %1 AND C.ST_CFOP = 'A'")
                               .arg(code)),
                  code == 5923 || code == 6923 || code == 1126 || code == 2126 || code == 3126 ? 2 : 1)
            << "CFOP " << code;
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM CFOP WHERE TP_NATUREZA_CFOP <> "
                       "CASE WHEN MOD(CO_FISCAL_OPERACAO, 1000) = CO_FISCAL_OPERACAO "
                       "THEN IIF(CO_FISCAL_OPERACAO < 500, 'E', 'S') "
                       "ELSE IIF(CO_FISCAL_OPERACAO < 5000, 'E', 'S') END"),
              0);
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM CFOP C WHERE NOT EXISTS "
                       "(SELECT 1 FROM CFOP_HIST H WHERE H.CO_FISCAL_OPERACAO = C.CO_FISCAL_OPERACAO)"),
              0);
    EXPECT_EQ(
        db.Count("SELECT COUNT(*) FROM CFOP WHERE CO_FISCAL_OPERACAO < 1000 AND DT_FIM <> '2002-12-31'"), 0);
}

// The description of a code valid in a period key, as the period lookups select it.
QString DescriptionInPeriod(TempDatabase& db, int code, int period) {
    const QString key = "CAST(SUBSTRING(CAST(%1 AS VARCHAR(10)) FROM 1 FOR 4) || "
                        "SUBSTRING(CAST(%1 AS VARCHAR(10)) FROM 6 FOR 2) AS INTEGER)";
    const QString valid = QString("%1 <= %3 AND (%2 >= %3 OR H.DT_FIM IS NULL)")
                              .arg(key.arg("H.DT_INICIO"), key.arg("H.DT_FIM"))
                              .arg(period);
    const auto rows =
        db.Rows(QString("SELECT H.DS_CFOP FROM CFOP_HIST H WHERE H.CO_FISCAL_OPERACAO = %1 AND %2 "
                        "ORDER BY H.DT_INICIO DESC")
                    .arg(code)
                    .arg(valid));
    return rows.empty() ? QString() : rows.front().front().toString();
}

TEST(SeedRowsTest, CfopHistorySplitsAtTheDatesOfTheChanges) {
    TempDatabase db{false};
    for (int code : {1126, 2126, 3126}) {
        EXPECT_EQ(DescriptionInPeriod(db, code, 201012), "Compra para utilização na prestação de serviço");
        EXPECT_EQ(DescriptionInPeriod(db, code, 201101),
                  "Compra para utilização na prestação de serviço sujeita ao ICMS");
    }
    for (int code : {5923, 6923}) {
        const QString before = DescriptionInPeriod(db, code, 201006);
        const QString after = DescriptionInPeriod(db, code, 201007);
        EXPECT_FALSE(before.isEmpty());
        EXPECT_FALSE(after.isEmpty());
        EXPECT_NE(before, after);
    }
    EXPECT_TRUE(DescriptionInPeriod(db, 1128, 201012).isEmpty());
    EXPECT_FALSE(DescriptionInPeriod(db, 1128, 201101).isEmpty());
    EXPECT_FALSE(DescriptionInPeriod(db, 512, 200212).isEmpty());
    EXPECT_TRUE(DescriptionInPeriod(db, 512, 200301).isEmpty());
    EXPECT_TRUE(DescriptionInPeriod(db, 5102, 200212).isEmpty());
}

TEST(SeedRowsTest, CfopGroupsMatchTheirUse) {
    TempDatabase db{false};
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM GRUPOS_CFOP WHERE CO_GRUPO_CFOP IN (1, 2)"), 2);
    // Group 1 is joined without dates: a second row for a code would list its entry twice.
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM (SELECT CO_FISCAL_OPERACAO FROM GRUPAMENTO_CFOP "
                       "WHERE CO_GRUPO_CFOP = 1 GROUP BY 1 HAVING COUNT(*) > 1)"),
              0);
    EXPECT_GT(db.Count("SELECT COUNT(*) FROM GRUPAMENTO_CFOP WHERE CO_GRUPO_CFOP = 1"), 0);
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM GRUPAMENTO_CFOP WHERE CO_GRUPO_CFOP = 1 AND "
                       "MOD(CO_FISCAL_OPERACAO, 1000) NOT BETWEEN 400 AND 449"),
              0);
    const QString group2 = "SELECT 1\nFROM GRUPOS_CFOP GC, GRUPAMENTO_CFOP GT\n"
                           "WHERE GC.CO_GRUPO_CFOP = GT.CO_GRUPO_CFOP\nAND GT.DT_FIM IS NULL\n"
                           "AND GC.CO_GRUPO_CFOP = 2\nAND GT.CO_FISCAL_OPERACAO = %1";
    EXPECT_EQ(db.Rows(group2.arg(5949)).size(), 1u);
    EXPECT_EQ(db.Rows(group2.arg(1604)).size(), 1u);
    EXPECT_EQ(db.Rows(group2.arg(5102)).size(), 0u);
    EXPECT_EQ(db.Rows(group2.arg(1102)).size(), 0u);
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM (SELECT CO_FISCAL_OPERACAO FROM GRUPAMENTO_CFOP "
                       "WHERE CO_GRUPO_CFOP = 2 AND DT_FIM IS NULL GROUP BY 1 HAVING COUNT(*) > 1)"),
              0);
}

TEST(SeedRowsTest, BoundLegalGroundsHaveTheirCodes) {
    TempDatabase db{false};
    const std::map<int, QString> bound = {{206, "O350006"}, {207, "O350007"}, {209, "O350009"},
                                          {211, "O350011"}, {255, "O350012"}, {256, "O350013"},
                                          {276, "O350015"}};
    for (const auto& [key, code] : bound)
        EXPECT_EQ(
            db.Value(QString("SELECT FUNDAMENTOS FROM VWFUNDAMENTOS WHERE SQ_OCORRENCIA_DEF = %1").arg(key))
                .toString()
                .left(7),
            code);
    for (int key : {251, 252, 253, 254})
        EXPECT_EQ(
            db.Count(QString("SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF F JOIN "
                             "FUNDAMENTACAO_LEGAL_DEF_HIST H ON H.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF "
                             "WHERE F.SQ_OCORRENCIA_DEF = %1")
                         .arg(key)),
            1);
    for (const char* code :
         {"N070069", "N030018", "N140010", "S140001", "O350008", "O350011", "O350014", "N020014", "N070032"})
        EXPECT_EQ(db.Count(QString("SELECT COUNT(*) FROM VWFUNDAMENTOS WHERE ST_OCORRENCIA_DEF = 'A' AND "
                                   "FUNDAMENTOS STARTING WITH '%1 - '")
                               .arg(code)),
                  1)
            << code;
    const auto occ276 =
        db.Rows("SELECT CAST(H.DT_INICIO AS VARCHAR(10)), CAST(H.DT_FIM AS VARCHAR(10)), "
                "F.ST_OCORRENCIA_DEF, CAST(F.DT_ST_OCORRENCIA_DEF AS VARCHAR(10)) "
                "FROM FUNDAMENTACAO_LEGAL_DEF F JOIN FUNDAMENTACAO_LEGAL_DEF_HIST H "
                "ON H.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF WHERE F.SQ_OCORRENCIA_DEF = 276");
    ASSERT_EQ(occ276.size(), 1u);
    EXPECT_EQ(occ276[0], QVariantList({"2016-12-01", "2018-07-31", "A", "2016-12-01"}));
}

TEST(SeedRowsTest, LegalGroundsCarryTheComplementTypesTheirPagesCheck) {
    TempDatabase db{false};
    const QString types =
        "SELECT H.TP_DADO_COMPLEMENTAR_1, H.TP_DADO_COMPLEMENTAR_2, H.TP_DADO_COMPLEMENTAR_3 "
        "FROM FUNDAMENTACAO_LEGAL_DEF_HIST H WHERE H.SQ_OCORRENCIA_DEF = %1 AND H.DT_FIM IS NULL";
    for (int key : {207, 209}) {
        const auto row = db.Rows(types.arg(key)).front();
        EXPECT_TRUE(QString("DWY").contains(row[0].toString().left(1))) << key;
        EXPECT_EQ(row[1].toString(), "X") << key;
        // Datum 3 takes an import declaration or any other document: no check-digit type.
        EXPECT_NE(row[2].toString(), "I") << key;
    }
    const auto o350014 = db.Rows("SELECT H.TP_DADO_COMPLEMENTAR_1, H.TP_DADO_COMPLEMENTAR_2 "
                                 "FROM FUNDAMENTACAO_LEGAL_DEF_HIST H JOIN VWFUNDAMENTOS V "
                                 "ON V.SQ_OCORRENCIA_DEF = H.SQ_OCORRENCIA_DEF "
                                 "WHERE V.FUNDAMENTOS STARTING WITH 'O350014'");
    ASSERT_FALSE(o350014.empty());
    EXPECT_EQ(o350014.front()[1].toString(), "T");
    // Every type names a letter of the reference codes.
    for (int n = 1; n <= 5; ++n)
        EXPECT_EQ(db.Count(QString("SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF_HIST H "
                                   "WHERE H.TP_DADO_COMPLEMENTAR_%1 IS NOT NULL AND NOT EXISTS "
                                   "(SELECT 1 FROM CG_REF_CODES R WHERE R.RV_DOMAIN = 'D TP COMPLEMENTO' "
                                   "AND R.RV_LOW_VALUE = SUBSTRING(H.TP_DADO_COMPLEMENTAR_%1 FROM 1 FOR 1))")
                               .arg(n)),
                  0);
    // An active ground without any type, for the "not to be filled" hint.
    EXPECT_GT(db.Count("SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF F JOIN FUNDAMENTACAO_LEGAL_DEF_HIST H "
                       "ON H.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF WHERE F.ST_OCORRENCIA_DEF = 'A' "
                       "AND F.TP_OCORRENCIA < 50 AND H.TP_DADO_COMPLEMENTAR_1 IS NULL AND "
                       "H.TP_DADO_COMPLEMENTAR_2 IS NULL AND H.TP_DADO_COMPLEMENTAR_3 IS NULL"),
              0);
    EXPECT_GT(db.Count("SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF WHERE ST_OCORRENCIA_DEF = 'D'"), 0);
}

TEST(SeedRowsTest, EveryOccurrenceKindOfThePagesHasActiveGrounds) {
    TempDatabase db{false};
    const std::vector<std::pair<QString, int>> kinds = {
        {"N", 2}, {"N", 3},  {"N", 7},  {"N", 8},  {"N", 14}, {"N", 30}, {"S", 2},  {"S", 3},  {"S", 7},
        {"S", 8}, {"S", 14}, {"S", 30}, {"O", 35}, {"E", 50}, {"E", 52}, {"E", 54}, {"E", 56}, {"E", 58}};
    for (const auto& [computation, kind] : kinds)
        EXPECT_GT(
            db.Count(QString("SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF F WHERE F.TP_APURACAO = '%1' "
                             "AND F.TP_OCORRENCIA = %2 AND F.ST_OCORRENCIA_DEF = 'A' AND EXISTS "
                             "(SELECT 1 FROM FUNDAMENTACAO_LEGAL_DEF_HIST H "
                             "WHERE H.SQ_OCORRENCIA_DEF = F.SQ_OCORRENCIA_DEF)")
                         .arg(computation)
                         .arg(kind)),
            0)
            << computation.toStdString() << kind;
}

TEST(SeedRowsTest, GroundViewShowsCodesAsTheUsersSeeThem) {
    TempDatabase db{false};
    EXPECT_EQ(db.Value("SELECT FUNDAMENTOS FROM VWFUNDAMENTOS WHERE SQ_OCORRENCIA_DEF = 211").toString(),
              "O350011 - FECP - Diferencial de alíquota");
    const auto purposes =
        db.Rows("SELECT FUNDAMENTOS, NU_OCORRENCIA FROM VWFUNDAMENTOS WHERE TP_APURACAO = 'E'");
    ASSERT_FALSE(purposes.empty());
    for (const QVariantList& row : purposes)
        EXPECT_TRUE(row[0].toString().startsWith(QString("%1 - ").arg(row[1].toInt(), 4, 10, QChar('0'))))
            << row[0].toString().toStdString();
    // The search upper-cases the text, accented letters included.
    EXPECT_EQ(db.Count("SELECT COUNT(*) FROM VWFUNDAMENTOS WHERE UPPER(FUNDAMENTOS) LIKE 'O350011 - FECP - "
                       "DIFERENCIAL DE ALÍQ%'"),
              1);
}

} // namespace
