// The text export's reading order of a page's texts.

#include "tests/platform/report/ReportTestSupport.h"

#include "platform/report/TPageText.h"

#include <gtest/gtest.h>

namespace {

TDrawItem Text(const QString& text, double left, double top, double width, int flags = Qt::AlignLeft) {
    TDrawItem item;
    item.Kind = TDrawKind::dkText;
    item.Rect = QRectF(left, top, width, 4.5);
    item.Text = text;
    item.Font = TReportFont(QStringLiteral("Arial"), 10);
    item.Flags = flags;
    return item;
}

TEST(TPageTextTest, TextsFollowReadingOrderWhateverTheDrawingOrder) {
    TPreparedPage page{210, 297, {}};
    page.Items.push_back(Text(QStringLiteral("abaixo"), 10, 50, 30));
    page.Items.push_back(Text(QStringLiteral("direita"), 100, 20.8, 30)); // a little lower, same line
    page.Items.push_back(Text(QStringLiteral("esquerda"), 10, 20, 30));
    TDrawItem line;
    line.Kind = TDrawKind::dkLine;
    line.Rect = QRectF(10, 30, 190, 0);
    page.Items.push_back(line);

    EXPECT_EQ(TPageText::FromPage(page), QStringLiteral("     esquerda") +
                                             QString(50 - 13, QLatin1Char(' ')) +
                                             QStringLiteral("direita\n     abaixo\n"));
}

TEST(TPageTextTest, AlignedTextsKeepTheirEdgeAndNeverOverlap) {
    TPreparedPage page{210, 297, {}};
    page.Items.push_back(Text(QStringLiteral("1.234,50"), 60, 10, 40, Qt::AlignRight));
    // 40 characters from column 5 run past where the amount would start.
    page.Items.push_back(Text(QStringLiteral("um nome de cliente muito longo demais xx"), 10, 10, 80));
    page.Items.push_back(Text(QStringLiteral("99,00"), 60, 16, 40, Qt::AlignRight));

    const QStringList lines = TPageText::FromPage(page).split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("     um nome de cliente muito longo demais xx 1.234,50"));
    EXPECT_EQ(lines[1], QString(45, QLatin1Char(' ')) + QStringLiteral("99,00"));
}

TEST(TPageTextTest, WrappedAndMultiLineTextsGiveOneLinePerLine) {
    TPreparedPage page{210, 297, {}};
    page.Items.push_back(Text(QStringLiteral("linha um\nlinha dois"), 0, 0, 100));
    page.Items.push_back(Text(QStringLiteral("palavras que não cabem numa linha"), 0, 20, 25,
                              Qt::AlignLeft | Qt::TextWordWrap));
    const QStringList lines = TPageText::FromPage(page).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("linha um"));
    EXPECT_EQ(lines[1], QStringLiteral("linha dois"));
    EXPECT_EQ(lines.mid(2).join(QLatin1Char(' ')), QStringLiteral("palavras que não cabem numa linha"));
}

TEST(TPageTextTest, PagesAreSeparatedByFormFeeds) {
    std::vector<TPreparedPage> pages(3, TPreparedPage{210, 297, {}});
    pages[0].Items.push_back(Text(QStringLiteral("um"), 0, 0, 20));
    pages[2].Items.push_back(Text(QStringLiteral("três"), 0, 0, 20));
    EXPECT_EQ(TPageText::FromPages(pages), QStringLiteral("um\n\f\n\ftrês\n"));
}

} // namespace
