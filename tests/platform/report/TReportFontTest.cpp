// The faces of a report's layout mapped to installed faces, and their measures.

#include "platform/report/TReportFont.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(TReportFontTest, MapsLayoutFacesToInstalledFacesAndFallsBackSilently) {
    EXPECT_EQ(TReportFont::InstalledFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(TReportFont::InstalledFamily(QStringLiteral("Verdana")), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(TReportFont::InstalledFamily(QStringLiteral("MS Sans Serif")), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(TReportFont::InstalledFamily(QStringLiteral("Fonte Que Não Existe")),
              QStringLiteral("DejaVu Sans"));
    const TReportFont arial(QStringLiteral("Arial"), 10);
    const TReportFont bold(QStringLiteral("Arial"), 10, TFontStyle::fsBold);
    EXPECT_GT(arial.TextWidth(QStringLiteral("Relatório")), 30);
    EXPECT_GT(bold.TextWidth(QStringLiteral("Relatório")), arial.TextWidth(QStringLiteral("Relatório")));
    EXPECT_NEAR(arial.TextHeight(), 10 * 96.0 / 72 * 1.15, 1.5);
}

} // namespace
