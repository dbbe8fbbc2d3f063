// Band reports prepared on in-memory data sets, checked through the text of
// their pages: pagination, page header and footer, groups and their sums,
// sub-details, conditional bands, empty data, and failures.

#include "tests/platform/report/ReportTestSupport.h"

#include "platform/base/SystemClock.h"
#include "platform/db/TField.h"
#include "platform/report/TReportChildBand.h"
#include "platform/report/TReportDBText.h"
#include "platform/report/TReportExpr.h"
#include "platform/report/TReportGroup.h"
#include "platform/report/TReportLabel.h"
#include "platform/report/TReportRichText.h"
#include "platform/report/TReportShape.h"
#include "platform/report/TReportSubDetail.h"
#include "platform/report/TReportSysData.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace ReportTest;

namespace {

class TBandReportTest : public ::testing::Test {
protected:
    TComponent form;

    // Every product line of the text pages, in reading order.
    static QStringList Products(const QStringList& pages) {
        QStringList products;
        static const QRegularExpression product(QStringLiteral("Produto \\d+"));
        for (const QString& page : pages)
            for (auto it = product.globalMatch(page); it.hasNext();)
                products << it.next().captured();
        return products;
    }

    TReportExpr* AddSum(TReportBand* band, const QString& name, const QString& expression, bool reset) {
        auto* sum = new TReportExpr(&form);
        sum->SetName(name);
        sum->SetParent(band);
        sum->SetExpression(expression);
        sum->SetMask(QStringLiteral("#,##0.00"));
        sum->SetResetAfterPrint(reset);
        sum->SetLeft(400);
        return sum;
    }
};

TEST_F(TBandReportTest, ListingBreaksPagesWithHeaderAndFooterOnEveryPage) {
    TClientDataSet* sales = MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 100);
    TBandReport* report = MakeListing(&form, QStringLiteral("rptLista"), QStringLiteral("Listagem"), sales);
    report->Prepare();

    const int count = report->ReportPrinter().PageCount();
    ASSERT_EQ(count, 3); // 49 detail lines fit between header and footer of an A4 page
    const QStringList pages = TextPages(report->ReportPrinter());
    ASSERT_EQ(pages.size(), count);
    for (int i = 0; i < count; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Listagem")));
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Página: %1 de %2").arg(i + 1).arg(count)));
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Rodapé Listagem")));
        // The header opens the page, the footer closes it.
        EXPECT_TRUE(pages[i].trimmed().startsWith(QStringLiteral("Listagem")));
        EXPECT_TRUE(pages[i].trimmed().endsWith(QStringLiteral("Rodapé Listagem")));
    }
    QStringList expected;
    for (int i = 1; i <= 100; ++i)
        expected << QStringLiteral("Produto %1").arg(i);
    EXPECT_EQ(Products(pages), expected);
    EXPECT_TRUE(pages[0].contains(QRegularExpression(QStringLiteral("Produto 1 +1,50"))));
    EXPECT_TRUE(pages[2].contains(QStringLiteral("100,50")));
}

TEST_F(TBandReportTest, PreparingAgainGivesTheSamePagesAndKeepsTheDataSetPosition) {
    TClientDataSet* sales = MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 60);
    TBandReport* report = MakeListing(&form, QStringLiteral("rptLista"), QStringLiteral("Listagem"), sales);
    sales->SetRecNo(7);
    std::vector<int> available;
    report->ReportPrinter().OnPageAvailable =
        TEvent<TObject*, int>::fromFunction([&](TObject*, int page) { available.push_back(page); });

    report->Prepare();
    const std::vector<TPreparedPage> first = report->ReportPrinter().Pages();
    report->Prepare();

    EXPECT_EQ(report->ReportPrinter().Pages(), first);
    EXPECT_EQ(sales->RecNo(), 7);
    EXPECT_FALSE(sales->ControlsDisabled());
    // Each page as it is finished, then the count once all stand.
    EXPECT_EQ(available, (std::vector<int>{1, 2, 2, 1, 2, 2}));
}

TEST_F(TBandReportTest, GroupFootersSumTheirOwnGroupAndTheSummaryEverything) {
    TClientDataSet* sales = MakeSales(&form, QStringLiteral("cdsVendas"),
                                      {{"Norte", "Produto 1", "1000,25"},
                                       {"Norte", "Produto 2", "234,25"},
                                       {"Sul", "Produto 3", "10,00"},
                                       {"Sul", "Produto 4", "0,01"},
                                       {"Sul", "Produto 5", "5,99"},
                                       {"Norte", "Produto 6", "1,00"}});
    TBandReport* report = MakeListing(&form, QStringLiteral("rptGrupos"), QStringLiteral("Grupos"), sales);

    auto* group = new TReportGroup(&form);
    group->SetName(QStringLiteral("qrbGrupo"));
    group->SetParent(report);
    group->SetExpression(QStringLiteral("cdsVendas.REGIAO"));
    auto* regiao = new TReportDBText(&form);
    regiao->SetParent(group);
    regiao->SetDataSet(sales);
    regiao->SetDataField(QStringLiteral("REGIAO"));
    TReportBand* groupFooter =
        AddBand(report, QStringLiteral("qrbRodapeGrupo"), TBandType::rbGroupFooter, 20);
    group->SetFooterBand(groupFooter);
    AddLabel(groupFooter, QStringLiteral("qrlTotalGrupo"), QStringLiteral("Total da região"), 20, 2);
    AddSum(groupFooter, QStringLiteral("qreTotalGrupo"), QStringLiteral("SUM(cdsVendas.VALOR)"), true);
    TReportBand* summary = AddBand(report, QStringLiteral("qrbResumo"), TBandType::rbSummary, 20);
    AddLabel(summary, QStringLiteral("qrlTotalGeral"), QStringLiteral("Total geral"), 20, 2);
    AddSum(summary, QStringLiteral("qreTotalGeral"), QStringLiteral("SUM(VALOR)"), false);

    report->Prepare();
    report->Prepare(); // totals start again with each preparation

    ASSERT_EQ(report->ReportPrinter().PageCount(), 1);
    QStringList lines;
    for (const QString& line : TextPages(report->ReportPrinter()).first().split(QLatin1Char('\n')))
        lines << line.simplified();
    const QStringList expected = {
        QStringLiteral("Grupos Página: 1 de 1"),
        QStringLiteral("Norte"),
        QStringLiteral("Produto 1 1.000,25"),
        QStringLiteral("Produto 2 234,25"),
        QStringLiteral("Total da região 1.234,50"),
        QStringLiteral("Sul"),
        QStringLiteral("Produto 3 10,00"),
        QStringLiteral("Produto 4 0,01"),
        QStringLiteral("Produto 5 5,99"),
        QStringLiteral("Total da região 16,00"),
        QStringLiteral("Norte"), // a new run of the same value is a new group
        QStringLiteral("Produto 6 1,00"),
        QStringLiteral("Total da região 1,00"),
        QStringLiteral("Total geral 1.251,50"),
        QStringLiteral("Rodapé Grupos"),
        QString(),
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(TBandReportTest, AGroupHeaderMovesToTheNextPageWithItsFirstRow) {
    // Groups of every size from 1 to 12 rows put a header at every place of a page's foot.
    for (int size = 1; size <= 12; ++size) {
        SCOPED_TRACE(size);
        TComponent owner;
        std::vector<SaleRow> rows;
        for (int i = 0; i < 150; ++i)
            rows.push_back(
                {QStringLiteral("R%1").arg(i / size), QStringLiteral("Produto %1").arg(i), "1,00"});
        TClientDataSet* sales = MakeSales(&owner, QStringLiteral("cdsVendas"), rows);
        TBandReport* report =
            MakeListing(&owner, QStringLiteral("rptGrupos"), QStringLiteral("Grupos"), sales);
        auto* group = new TReportGroup(&owner);
        group->SetParent(report);
        group->SetExpression(QStringLiteral("REGIAO"));
        group->SetHeight(20);
        AddLabel(group, QStringLiteral("qrlRegiao"), QStringLiteral("Região"), 0, 2);
        report->Prepare();

        const QStringList pages = TextPages(report->ReportPrinter());
        ASSERT_GT(pages.size(), 2);
        EXPECT_EQ(Products(pages).size(), 150);
        for (const QString& page : pages) {
            QStringList lines = page.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            while (!lines.isEmpty() && !lines.last().contains(QStringLiteral("Produto")) &&
                   !lines.last().contains(QStringLiteral("Região")))
                lines.removeLast(); // the page footer
            ASSERT_FALSE(lines.isEmpty());
            EXPECT_FALSE(lines.last().contains(QStringLiteral("Região"))) << lines.last().toStdString();
        }
    }
}

TEST_F(TBandReportTest, SubDetailsPrintHeaderAndFooterWhenEmptyOnlyWithPrintIfEmpty) {
    TClientDataSet* declaracao =
        MakeSales(&form, QStringLiteral("ibqDeclaracao"), {{"X", "Declaração", "1,00"}});
    TBandReport* report =
        MakeListing(&form, QStringLiteral("rptEspelho"), QStringLiteral("Espelho"), nullptr);
    report->SetDataSet(declaracao);
    TReportBand* detail = AddBand(report, QStringLiteral("qrbDeclaracao"), TBandType::rbDetail, 20);
    AddLabel(detail, QStringLiteral("qrlDeclaracao"), QStringLiteral("Saldo Credor Anterior"), 0, 2);

    auto addSection = [&](const QString& name, TClientDataSet* data, bool printIfEmpty) {
        auto* sub = new TReportSubDetail(&form);
        sub->SetName(QStringLiteral("qrsd") + name);
        sub->SetParent(report);
        sub->SetDataSet(data);
        sub->SetPrintIfEmpty(printIfEmpty);
        sub->SetHeight(20);
        auto* produto = new TReportDBText(&form);
        produto->SetParent(sub);
        produto->SetDataSet(data);
        produto->SetDataField(QStringLiteral("PRODUTO"));
        TReportBand* header = AddBand(report, QStringLiteral("qrbCab") + name, TBandType::rbGroupHeader, 20);
        AddLabel(header, QStringLiteral("qrlCab") + name, name, 0, 2);
        TReportBand* footer = AddBand(report, QStringLiteral("qrbRod") + name, TBandType::rbGroupFooter, 20);
        AddLabel(footer, QStringLiteral("qrlRod") + name, QStringLiteral("Soma ") + name, 0, 2);
        AddSum(footer, QStringLiteral("qreSoma") + name, QStringLiteral("SUM(%1.VALOR)").arg(data->Name()),
               true);
        sub->SetHeaderBand(header);
        sub->SetFooterBand(footer);
    };
    addSection(QStringLiteral("Entradas"), MakeSales(&form, QStringLiteral("ibqEntradas"), {}), true);
    addSection(
        QStringLiteral("Saidas"),
        MakeSales(&form, QStringLiteral("ibqSaidas"), {{"", "Produto 7", "2,50"}, {"", "Produto 8", "3,00"}}),
        true);
    addSection(QStringLiteral("Vazia"), MakeSales(&form, QStringLiteral("ibqVazia"), {}), false);

    report->Prepare();

    const QString page = TextPages(report->ReportPrinter()).first();
    QStringList lines;
    for (const QString& line : page.split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            lines << line.simplified();
    const QStringList expected = {
        QStringLiteral("Espelho Página: 1 de 1"),
        QStringLiteral("Saldo Credor Anterior"),
        QStringLiteral("Entradas"),
        QStringLiteral("Soma Entradas 0,00"),
        QStringLiteral("Saidas"),
        QStringLiteral("Produto 7"),
        QStringLiteral("Produto 8"),
        QStringLiteral("Soma Saidas 5,50"),
        QStringLiteral("Rodapé Espelho"),
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(TBandReportTest, BeforePrintSkipsBandsAndTheirChildBands) {
    TClientDataSet* sales = MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 12);
    TBandReport* report = MakeListing(&form, QStringLiteral("rptFiltro"), QStringLiteral("Filtro"), sales);
    TReportBand* detail = report->BandOfType(TBandType::rbDetail);
    auto* child = new TReportChildBand(&form);
    child->SetParentBand(detail);
    child->SetHeight(18);
    AddLabel(child, QStringLiteral("qrlObs"), QStringLiteral("observação"), 40, 0);
    detail->BeforePrint = TBandBeforePrintEvent::fromFunction([&](TObject* sender, bool& print) {
        EXPECT_EQ(sender, detail);
        print = sales->FieldByName(QStringLiteral("VALOR"))->AsCurrency() > Currency::fromUnits(9);
    });

    report->Prepare();

    const QStringList pages = TextPages(report->ReportPrinter());
    EXPECT_EQ(Products(pages), (QStringList{QStringLiteral("Produto 9"), QStringLiteral("Produto 10"),
                                            QStringLiteral("Produto 11"), QStringLiteral("Produto 12")}));
    EXPECT_EQ(pages.first().count(QStringLiteral("observação")), 4);
}

TEST_F(TBandReportTest, EmptyDataSetPrintsPerPrintIfEmpty) {
    TClientDataSet* sales = MakeSales(&form, QStringLiteral("cdsVendas"), {});
    TBandReport* report = MakeListing(&form, QStringLiteral("rptVazio"), QStringLiteral("Vazio"), sales);
    TReportBand* summary = AddBand(report, QStringLiteral("qrbResumo"), TBandType::rbSummary, 20);
    AddLabel(summary, QStringLiteral("qrlFim"), QStringLiteral("Fim da listagem"), 0, 0);

    report->SetPrintIfEmpty(true);
    report->Prepare();
    ASSERT_EQ(report->ReportPrinter().PageCount(), 1);
    const QString page = TextPages(report->ReportPrinter()).first();
    EXPECT_TRUE(page.contains(QStringLiteral("Página: 1 de 1")));
    EXPECT_TRUE(page.contains(QStringLiteral("Fim da listagem")));
    EXPECT_TRUE(page.contains(QStringLiteral("Rodapé Vazio")));

    report->SetPrintIfEmpty(false);
    report->Prepare();
    EXPECT_EQ(report->ReportPrinter().PageCount(), 0);
}

TEST_F(TBandReportTest, FirstPageHeaderAndLastPageFooterOptions) {
    TClientDataSet* sales = MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 80);
    TBandReport* report = MakeListing(&form, QStringLiteral("rptOpcoes"), QStringLiteral("Opções"), sales);
    report->SetFirstPageHeader(false);
    report->SetLastPageFooter(false);
    report->Prepare();

    const QStringList pages = TextPages(report->ReportPrinter());
    ASSERT_EQ(pages.size(), 2);
    EXPECT_FALSE(pages[0].contains(QStringLiteral("Página:")));
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Rodapé Opções")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Página: 2 de 2")));
    EXPECT_FALSE(pages[1].contains(QStringLiteral("Rodapé Opções")));
}

TEST_F(TBandReportTest, TitleColumnHeaderAndForcedNewPage) {
    TClientDataSet* sales = MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 3);
    TBandReport* report = MakeListing(&form, QStringLiteral("rptTitulo"), QStringLiteral("Título"), sales);
    AddLabel(AddBand(report, QStringLiteral("qrbTitulo"), TBandType::rbTitle, 20),
             QStringLiteral("qrlTitulo"), QStringLiteral("Só na primeira"), 0, 0);
    AddLabel(AddBand(report, QStringLiteral("qrbColunas"), TBandType::rbColumnHeader, 20),
             QStringLiteral("qrlColunas"), QStringLiteral("Produto Valor"), 20, 0);
    report->BandOfType(TBandType::rbDetail)->SetForceNewPage(true);

    report->Prepare();

    const QStringList pages = TextPages(report->ReportPrinter());
    ASSERT_EQ(pages.size(), 3); // the first detail needs no new page
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pages[i].contains(QStringLiteral("Só na primeira")), i == 0);
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Produto Valor")));
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Produto %1 ").arg(i + 1)));
    }
}

TEST_F(TBandReportTest, AFailureWhilePreparingLeavesNoPagesAndRestoresTheDataSet) {
    TClientDataSet* sales = MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 100);
    TBandReport* report = MakeListing(&form, QStringLiteral("rptFalha"), QStringLiteral("Falha"), sales);
    report->Prepare();
    ASSERT_EQ(report->ReportPrinter().PageCount(), 3);
    sales->SetRecNo(3);
    report->BandOfType(TBandType::rbDetail)->BeforePrint =
        TBandBeforePrintEvent::fromFunction([&](TObject*, bool&) {
            if (sales->RecNo() == 70)
                throw EDatabaseError(QStringLiteral("registro ilegível"));
        });

    EXPECT_THROW(report->Prepare(), EDatabaseError);
    EXPECT_EQ(report->ReportPrinter().PageCount(), 0);
    EXPECT_EQ(sales->RecNo(), 3);
    EXPECT_FALSE(sales->ControlsDisabled());
}

TEST_F(TBandReportTest, ReportBeforePrintCancelsTheReport) {
    TBandReport* report = MakeListing(&form, QStringLiteral("rptNao"), QStringLiteral("Não"), nullptr);
    report->BeforePrint = TReportBeforePrintEvent::fromFunction([](TObject*, bool& print) { print = false; });
    report->Prepare();
    EXPECT_EQ(report->ReportPrinter().PageCount(), 0);
}

TEST_F(TBandReportTest, SystemDataShowsDateTimeAndTitle) {
    TBandReport* report =
        MakeListing(&form, QStringLiteral("rptSys"), QStringLiteral("Relatório Sys"), nullptr);
    TReportBand* detail = AddBand(report, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, 60);
    const std::pair<TSysDataType, double> kinds[] = {
        {TSysDataType::sdDateTime, 0}, {TSysDataType::sdDate, 20}, {TSysDataType::sdTime, 40}};
    for (const auto& [kind, top] : kinds) {
        auto* data = new TReportSysData(&form);
        data->SetParent(detail);
        data->SetData(kind);
        data->SetText(QStringLiteral("Emissão: "));
        data->SetTop(top);
    }
    auto* title = new TReportSysData(&form);
    title->SetParent(report->BandOfType(TBandType::rbPageFooter));
    title->SetData(TSysDataType::sdReportTitle);
    title->SetLeft(400);

    report->Prepare();

    const QString page = TextPages(report->ReportPrinter()).first();
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral(R"(Emissão: \d\d/\d\d/\d{4} \d\d:\d\d\n)"))));
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral(R"(Emissão: \d\d/\d\d/\d{4}\n)"))));
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral(R"(Emissão: \d\d:\d\d\n)"))));
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral(R"(Rodapé Relatório Sys +Relatório Sys)"))));
}

TEST_F(TBandReportTest, SystemDataShowsTheProgramsClock) {
    SystemClock::Fix([] { return QDateTime(QDate(2011, 2, 3), QTime(4, 5)); });
    TBandReport* report = MakeListing(&form, QStringLiteral("rptHora"), QStringLiteral("Hora"), nullptr);
    auto* data = new TReportSysData(&form);
    data->SetParent(AddBand(report, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, 20));
    data->SetData(TSysDataType::sdDateTime);
    report->Prepare();
    SystemClock::Fix(nullptr);
    EXPECT_TRUE(TextPages(report->ReportPrinter()).first().contains(QStringLiteral("03/02/2011 04:05")));
}

TEST_F(TBandReportTest, StretchingTextPushesTheFollowingBandsDown) {
    TBandReport* report = MakeListing(&form, QStringLiteral("rptMemo"), QStringLiteral("Memo"), nullptr);
    TReportBand* detail = AddBand(report, QStringLiteral("qrbDetalhe"), TBandType::rbDetail, 20);
    auto* memo = new TReportRichText(&form);
    memo->SetParent(detail);
    memo->SetBounds(0, 0, 150, 17);
    memo->Lines() << QStringLiteral("primeira linha")
                  << QStringLiteral("um texto longo que não cabe numa linha só");
    TReportBand* summary = AddBand(report, QStringLiteral("qrbResumo"), TBandType::rbSummary, 20);
    AddLabel(summary, QStringLiteral("qrlDepois"), QStringLiteral("depois"), 0, 0);

    report->Prepare();

    const TPreparedPage& page = report->ReportPrinter().Page(1);
    double memoTop = -1;
    double after = -1;
    for (const TDrawItem& item : page.Items) {
        if (item.Text.startsWith(QStringLiteral("primeira")))
            memoTop = item.Rect.top();
        if (item.Text == QStringLiteral("depois"))
            after = item.Rect.top();
    }
    ASSERT_GE(memoTop, 0);
    // Three lines or more of about 4 mm where the band was drawn 5,3 mm high.
    EXPECT_GT(after - memoTop, 10.0);
    const QString text = TextPages(report->ReportPrinter()).first();
    EXPECT_LT(text.indexOf(QStringLiteral("primeira linha")), text.indexOf(QStringLiteral("depois")));
}

TEST_F(TBandReportTest, DetailBandsFlowIntoColumns) {
    TClientDataSet* sales = MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 80);
    TBandReport* report = MakeListing(&form, QStringLiteral("rptColunas"), QStringLiteral("Colunas"), sales);
    report->Page().Columns = 2;
    report->Page().ColumnSpace = 10;
    TReportBand* detail = report->BandOfType(TBandType::rbDetail);
    for (TPrintable* control : std::vector<TPrintable*>(detail->Controls()))
        if (control->Name().endsWith(QStringLiteral("Valor")))
            control->SetParent(nullptr);

    report->Prepare();

    ASSERT_EQ(report->ReportPrinter().PageCount(), 1);
    double secondColumnLeft = 0;
    for (const TDrawItem& item : report->ReportPrinter().Page(1).Items)
        if (item.Text == QStringLiteral("Produto 50"))
            secondColumnLeft = item.Rect.left();
    // Left margin 10 + column width 90 + space 10 + the control's offset.
    EXPECT_NEAR(secondColumnLeft, 110 + 20 * 25.4 / 96, 0.01);
}

TEST_F(TBandReportTest, DataTextsUseOnGetTextAndExpressionsCountAndFormat) {
    TClientDataSet* sales = MakeSales(&form, QStringLiteral("cdsVendas"),
                                      {{"N", "Produto 1", "1234,5"}, {"S", "Produto 2", "2"}});
    sales->FieldByName(QStringLiteral("REGIAO"))->OnGetText =
        TFieldGetTextEvent::fromFunction([](TField* field, QString& text, bool) {
            text = field->AsString() == QStringLiteral("N") ? QStringLiteral("Norte") : QStringLiteral("Sul");
        });
    TBandReport* report = MakeListing(&form, QStringLiteral("rptTextos"), QStringLiteral("Textos"), sales);
    TReportBand* detail = report->BandOfType(TBandType::rbDetail);
    auto* regiao = new TReportDBText(&form);
    regiao->SetParent(detail);
    regiao->SetDataSet(sales);
    regiao->SetDataField(QStringLiteral("REGIAO"));
    regiao->SetLeft(250);
    auto* masked = new TReportExpr(&form);
    masked->SetParent(detail);
    masked->SetExpression(QStringLiteral("cdsVendas.VALOR"));
    masked->SetMask(QStringLiteral("#,##0.0000"));
    masked->SetLeft(550);
    TReportBand* summary = AddBand(report, QStringLiteral("qrbResumo"), TBandType::rbSummary, 20);
    auto* count = new TReportExpr(&form);
    count->SetParent(summary);
    count->SetExpression(QStringLiteral("COUNT"));
    auto* shape = new TReportShape(&form);
    shape->SetParent(summary);
    shape->SetShape(TShapeType::stHorLine);
    shape->SetBounds(0, 18, 200, 2);

    report->Prepare();

    const QString page = TextPages(report->ReportPrinter()).first();
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Produto 1 +Norte +1.234,50 +1.234,5000"))));
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("Produto 2 +Sul +2,00 +2,0000"))));
    EXPECT_TRUE(page.contains(QRegularExpression(QStringLiteral("\\n +2\\n"))));
    int lines = 0;
    for (const TDrawItem& item : report->ReportPrinter().Page(1).Items)
        if (item.Kind == TDrawKind::dkLine && item.Rect.height() == 0 &&
            qAbs(item.Rect.width() - 200 * 25.4 / 96) < 1e-9)
            ++lines;
    EXPECT_EQ(lines, 1); // the shape; the frames span the whole band
}

} // namespace
