// A composite report chains band reports into one page sequence.

#include "tests/platform/report/ReportTestSupport.h"

#include "platform/report/TCompositeReport.h"

#include <gtest/gtest.h>

using namespace ReportTest;

namespace {

class TCompositeReportTest : public ::testing::Test {
protected:
    TCompositeReportTest() {
        first = MakeListing(&form, QStringLiteral("rptPrimeiro"), QStringLiteral("Primeiro"),
                            MakeNumberedSales(&form, QStringLiteral("cdsUm"), 5));
        second = MakeListing(&form, QStringLiteral("rptSegundo"), QStringLiteral("Segundo"),
                             MakeNumberedSales(&form, QStringLiteral("cdsDois"), 60));
        third = MakeListing(&form, QStringLiteral("rptTerceiro"), QStringLiteral("Terceiro"),
                            MakeNumberedSales(&form, QStringLiteral("cdsTres"), 3));
        composite.SetName(QStringLiteral("qrCompositeReports"));
        composite.OnAddReports = TNotifyEvent::fromFunction([this](TObject* sender) {
            EXPECT_EQ(sender, &composite);
            ++addCalls;
            for (TBandReport* report : chain)
                composite.Add(report);
        });
    }

    TComponent form;
    TCompositeReport composite{&form};
    TBandReport* first;
    TBandReport* second;
    TBandReport* third;
    std::vector<TBandReport*> chain;
    int addCalls = 0;
};

TEST_F(TCompositeReportTest, ChainsThreeReportsWithPageNumbersRunningThrough) {
    chain = {first, second, third};
    composite.Prepare();
    composite.Prepare(); // the list is rebuilt, not appended to

    EXPECT_EQ(addCalls, 2);
    EXPECT_EQ(composite.Reports().size(), 3u);
    const QStringList pages = TextPages(composite.ReportPrinter());
    ASSERT_EQ(pages.size(), 4);
    const QString titles[] = {QStringLiteral("Primeiro"), QStringLiteral("Segundo"),
                              QStringLiteral("Segundo"), QStringLiteral("Terceiro")};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_TRUE(pages[i].trimmed().startsWith(titles[i]));
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Página: %1 de 4").arg(i + 1)));
        EXPECT_TRUE(pages[i].trimmed().endsWith(QStringLiteral("Rodapé ") + titles[i]));
    }
    EXPECT_TRUE(pages[2].contains(QStringLiteral("Produto 60")));
}

TEST_F(TCompositeReportTest, OptionsApplyToTheFirstAndLastPageOfTheChain) {
    chain = {first, third};
    composite.SetFirstPageHeader(false);
    composite.SetLastPageFooter(false);
    composite.Prepare();

    const QStringList pages = TextPages(composite.ReportPrinter());
    ASSERT_EQ(pages.size(), 2);
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Página:")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Rodapé Primeiro")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Página: 2 de 2")));
    EXPECT_FALSE(pages[1].contains(QStringLiteral("Rodapé Terceiro")));
}

TEST_F(TCompositeReportTest, AReportThatPrintsNothingLeavesNoPage) {
    TBandReport* empty = MakeListing(&form, QStringLiteral("rptVazio"), QStringLiteral("Vazio"),
                                     MakeSales(&form, QStringLiteral("cdsVazio"), {}));
    empty->SetPrintIfEmpty(false);
    chain = {first, empty, third};
    composite.Prepare();

    const QStringList pages = TextPages(composite.ReportPrinter());
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Terceiro")));
}

TEST_F(TCompositeReportTest, AReportFreedAfterBeingAddedLeavesTheList) {
    chain = {first, second};
    composite.Prepare();
    delete second;
    EXPECT_EQ(composite.Reports(), (std::vector<TBandReport*>{first}));
}

} // namespace
