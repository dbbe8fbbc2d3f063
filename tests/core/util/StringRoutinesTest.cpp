#include "core/util/StringRoutines.h"

#include <gtest/gtest.h>

TEST(StringRoutinesTest, CompletaTextoFillsOnEitherSideAndCutsToTheWidth) {
    EXPECT_EQ(CompletaZeros(LeftSide, QStringLiteral("123"), 6), QStringLiteral("000123"));
    EXPECT_EQ(CompletaTexto(RightSide, QStringLiteral("ab"), 4, QLatin1Char('*')), QStringLiteral("ab**"));
    // A longer text keeps its first characters on either side.
    EXPECT_EQ(CompletaZeros(LeftSide, QStringLiteral("1234567"), 5), QStringLiteral("12345"));
    EXPECT_EQ(CompletaTexto(RightSide, QStringLiteral("1234567"), 5, QLatin1Char(' ')),
              QStringLiteral("12345"));
    EXPECT_EQ(CompletaZeros(LeftSide, QStringLiteral("12"), 0), QString());
    EXPECT_EQ(CompletaZeros(LeftSide, QStringLiteral("12"), -3), QString());
}

TEST(StringRoutinesTest, PreencheTextoPadsOnTheLeftOnlyForE) {
    EXPECT_EQ(PreencheTexto(QStringLiteral("7"), 3, QLatin1Char('E'), QLatin1Char('0')),
              QStringLiteral("007"));
    EXPECT_EQ(PreencheTexto(QStringLiteral("7"), 3, QLatin1Char('D'), QLatin1Char(' ')),
              QStringLiteral("7  "));
    EXPECT_EQ(PreencheTexto(QStringLiteral("7"), 3, QLatin1Char('e'), QLatin1Char('0')),
              QStringLiteral("700"));
}

TEST(StringRoutinesTest, SomenteNumerosKeepsTheDigitsInOrder) {
    EXPECT_EQ(SomenteNumeros(QStringLiteral("01.234.567/0001-89")), QStringLiteral("01234567000189"));
    EXPECT_EQ(SomenteNumeros(QStringLiteral("abc")), QString());
    // Digits of other scripts are not decimal digits of a number here.
    EXPECT_EQ(SomenteNumeros(QStringLiteral("1\u0661\u00B22")), QStringLiteral("12"));
}

TEST(StringRoutinesTest, FormataInscricaoPadsAndDotsTheRegistration) {
    EXPECT_EQ(FormataInscricao(QStringLiteral("1234567")), QStringLiteral("01.234.567"));
    EXPECT_EQ(FormataInscricao(QStringLiteral("12345674")), QStringLiteral("12.345.674"));
    EXPECT_EQ(FormataInscricao(QStringLiteral("1234567890")), QStringLiteral("12.345.678"));
    EXPECT_EQ(FormataInscricao(QString()), QStringLiteral("00.000.000"));
}

TEST(StringRoutinesTest, SubstituiTextoReplacesLineBreaksByBlanks) {
    EXPECT_EQ(SubstituiTexto(QStringLiteral("\r\n"), QStringLiteral(" "), QStringLiteral("a\r\nb\r\n\r\nc")),
              QStringLiteral("a b  c"));
    EXPECT_EQ(SubstituiTexto(QStringLiteral("x"), QStringLiteral("y"), QString()), QString());
}

TEST(StringRoutinesTest, SubstituiTextoShrinkingReplacementsRunAgainFromTheStart) {
    // "aaaa" -> "aaa" -> "aa" -> "a": each pass starts over.
    EXPECT_EQ(SubstituiTexto(QStringLiteral("aa"), QStringLiteral("a"), QStringLiteral("aaaa")),
              QStringLiteral("a"));
}

TEST(StringRoutinesTest, SubstituiTextoEndsWhenTheReplacementHoldsTheSearchedText) {
    EXPECT_EQ(SubstituiTexto(QStringLiteral("a"), QStringLiteral("aa"), QStringLiteral("bab")),
              QStringLiteral("baab"));
    EXPECT_EQ(SubstituiTexto(QStringLiteral("ab"), QStringLiteral("ab"), QStringLiteral("abab")),
              QStringLiteral("abab"));
    EXPECT_EQ(SubstituiTexto(QString(), QStringLiteral("x"), QStringLiteral("abc")), QStringLiteral("abc"));
}

TEST(StringRoutinesTest, ExtraiNomeArquivoSplitsAtTheLastSeparator) {
    EXPECT_EQ(ExtraiNomeArquivo(QStringLiteral(" C:\\ZEB\\ZEB2024.zeb ")), QStringLiteral("ZEB2024.zeb"));
    EXPECT_EQ(ExtraiNomeArquivo(QStringLiteral("/home/u/ZEB2024.zeb")), QStringLiteral("ZEB2024.zeb"));
    EXPECT_EQ(ExtraiNomeArquivo(QStringLiteral("C:\\ZEB\\")), QString());
    // No separator: the whole (trimmed) text is the name.
    EXPECT_EQ(ExtraiNomeArquivo(QStringLiteral(" ZEB2024.zeb")), QStringLiteral("ZEB2024.zeb"));
}

TEST(StringRoutinesTest, ExtraiCaminhoKeepsTheFolderWithItsSeparator) {
    EXPECT_EQ(ExtraiCaminho(QStringLiteral("C:\\ZEB\\ZEB2024.zeb")), QStringLiteral("C:\\ZEB\\"));
    EXPECT_EQ(ExtraiCaminho(QStringLiteral("/home/u/x.zeb ")), QStringLiteral("/home/u/"));
    // No separator: no folder.
    EXPECT_EQ(ExtraiCaminho(QStringLiteral("ZEB2024.zeb")), QString());
}
