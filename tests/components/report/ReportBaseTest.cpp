// The report base's page header and footer, the template of the section
// reports, and the internal name that follows the component's name.

#include "components/report/TNUBRep.h"
#include "components/report/TrptModBase.h"
#include "core/util/SystemIdentity.h"
#include "platform/report/ReportUnits.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportImage.h"
#include "platform/report/TReportLabel.h"
#include "platform/report/TReportSysData.h"
#include "tests/components/report/PreviewDriver.h"
#include "tests/support/QStringPrinter.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The right edge of a printed text item with exactly this text.
double RightEdgeOf(const TPreparedPage& page, const QString& text) {
    for (const TDrawItem& item : page.Items)
        if (item.Kind == TDrawKind::dkText && item.Text == text)
            return item.Rect.right();
    return -1;
}

TEST(ReportBaseTest, EveryPageCarriesTheHeaderAndTheFooterWithTheInternalName) {
    TComponent owner;
    auto* report = new TNUBRep(&owner);
    report->SetName(QStringLiteral("rptTeste"));
    report->SetReportTitle(QStringLiteral("Relatório de Teste"));
    EXPECT_EQ(report->InternalName(), QStringLiteral("rptTeste"));
    EXPECT_EQ(report->Page().PaperSize(), TPaperSize::psA4);
    EXPECT_EQ(report->Page().Orientation(), TPrinterOrientation::poPortrait);
    EXPECT_DOUBLE_EQ(report->Page().LeftMargin, 10);
    EXPECT_FALSE(report->img->Picture().isNull());
    report->Prepare();
    ASSERT_EQ(report->ReportPrinter().PageCount(), 1);
    const QString page = PageTexts(report->ReportPrinter()).at(0);
    for (const QString& expected :
         {AuthorityFullName, SystemCode, SystemTitle, QStringLiteral("Relatório de Teste"), DepartmentName,
          QStringLiteral("Emissão: "), QStringLiteral("Página: 1"), QStringLiteral("rptTeste")})
        EXPECT_TRUE(page.contains(expected)) << expected.toStdString();
    // The design-time texts are replaced, the disabled placeholder never prints.
    EXPECT_FALSE(page.contains(QStringLiteral("Gerencia do Sistema")));
    EXPECT_FALSE(page.contains(QStringLiteral("99/99/9999")));
    EXPECT_FALSE(page.contains(QStringLiteral("Usuario")));
}

TEST(ReportBaseTest, TheRightColumnEndsEightUnitsFromTheEdgeInBothOrientations) {
    for (const auto orientation : {TPrinterOrientation::poPortrait, TPrinterOrientation::poLandscape}) {
        TComponent owner;
        auto* report = new TNUBRep(&owner);
        report->SetName(QStringLiteral("rptBorda"));
        report->Page().SetOrientation(orientation);
        report->Prepare();
        const TPreparedPage& page = report->ReportPrinter().Page(1);
        const double edge = page.Width - report->Page().RightMargin - DesignToMm(8);
        EXPECT_NEAR(RightEdgeOf(page, DepartmentName), edge, 0.01);
        EXPECT_NEAR(RightEdgeOf(page, QStringLiteral("Página: 1")), edge, 0.01);
        EXPECT_NEAR(RightEdgeOf(page, QStringLiteral("rptBorda")), edge, 0.01);
    }
}

TEST(ReportBaseTest, TheInternalNameFollowsTheNameOnlyWhileItWasTheName) {
    TComponent owner;
    auto* report = new TNUBRep(&owner);
    report->SetName(QStringLiteral("rptA"));
    report->SetName(QStringLiteral("rptB"));
    EXPECT_EQ(report->InternalName(), QStringLiteral("rptB"));
    report->SetInternalName(QStringLiteral("Listagem"));
    report->SetName(QStringLiteral("rptC"));
    EXPECT_EQ(report->InternalName(), QStringLiteral("Listagem"));
}

TEST(ReportBaseTest, SectionReportTemplateLaysTheHeaderOutInTwelveTenAndEightPoints) {
    TComponent owner;
    auto* report = new TrptModBase(&owner);
    EXPECT_DOUBLE_EQ(report->sys_titulo->Font().Size, 12);
    for (const TPrintable* line : std::initializer_list<const TPrintable*>{
             report->qlb_Localidade, report->qlb_gerencia, report->qlb_Sistema})
        EXPECT_DOUBLE_EQ(line->Font().Size, 10);
    for (const TPrintable* small : std::initializer_list<const TPrintable*>{
             report->sys_Pagina, report->sys_DataHora, report->qrlAssessoria, report->qrlusuario})
        EXPECT_DOUBLE_EQ(small->Font().Size, 8);
    // The base's footer stays.
    EXPECT_EQ(report->BandOfType(TBandType::rbPageFooter), report->Rodape);
    report->SetName(QStringLiteral("rptSecao"));
    report->Prepare();
    EXPECT_TRUE(PageTexts(report->ReportPrinter()).at(0).contains(QStringLiteral("rptSecao")));
}

} // namespace
