#include "tests/platform/report/ReportTestSupport.h"

#include "platform/base/SysUtils.h"
#include "platform/db/TField.h"
#include "platform/db/TNumericField.h"
#include "platform/report/TPageText.h"
#include "platform/report/TReportDBText.h"
#include "platform/report/TReportLabel.h"
#include "platform/report/TReportSysData.h"

#include <QApplication>
#include <QDir>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// Fonts and painting need a GUI application; one for the whole test run.
class ApplicationEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "test_platform_report";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

private:
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] const auto* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment);

} // namespace

namespace ReportTest {

TClientDataSet* MakeSales(TComponent* owner, const QString& name, const std::vector<SaleRow>& rows) {
    auto* data = new TClientDataSet(owner);
    data->SetName(name);
    data->FieldDefs().Add(QStringLiteral("REGIAO"), ftString, 20);
    data->FieldDefs().Add(QStringLiteral("PRODUTO"), ftString, 40);
    data->FieldDefs().Add(QStringLiteral("VALOR"), ftCurrency);
    data->CreateDataSet();
    dynamic_cast<TNumericField*>(data->FieldByName(QStringLiteral("VALOR")))
        ->SetDisplayFormat(QStringLiteral("#,##0.00"));
    for (const SaleRow& row : rows) {
        data->Append();
        data->FieldByName(QStringLiteral("REGIAO"))->SetAsString(row.regiao);
        data->FieldByName(QStringLiteral("PRODUTO"))->SetAsString(row.produto);
        data->FieldByName(QStringLiteral("VALOR"))->SetAsCurrency(StrToCurr(QString::fromLatin1(row.valor)));
        data->Post();
    }
    data->First();
    return data;
}

TClientDataSet* MakeNumberedSales(TComponent* owner, const QString& name, int count) {
    std::vector<SaleRow> rows;
    std::vector<QByteArray> values;
    values.reserve(count);
    for (int i = 1; i <= count; ++i)
        values.push_back(QByteArray::number(i) + ",50");
    for (int i = 1; i <= count; ++i)
        rows.push_back({QStringLiteral("R%1").arg((i - 1) / 10), QStringLiteral("Produto %1").arg(i),
                        values[i - 1].constData()});
    return MakeSales(owner, name, rows);
}

TReportLabel* AddLabel(TReportBand* band, const QString& name, const QString& caption, double left,
                       double top) {
    auto* label = new TReportLabel(band->Owner());
    label->SetName(name);
    label->SetParent(band);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

TReportBand* AddBand(TBandReport* report, const QString& name, TBandType type, double height) {
    auto* band = new TReportBand(report->Owner(), type);
    band->SetName(name);
    band->SetParent(report);
    band->SetHeight(height);
    return band;
}

TBandReport* MakeListing(TComponent* owner, const QString& name, const QString& title, TDataSet* dataSet) {
    auto* report = new TBandReport(owner);
    report->SetName(name);
    report->SetReportTitle(title);
    report->SetDataSet(dataSet);

    TReportBand* header = AddBand(report, name + QStringLiteral("CabPag"), TBandType::rbPageHeader, 40);
    header->Frame().DrawBottom = true;
    AddLabel(header, name + QStringLiteral("Titulo"), title, 0, 4);
    auto* page = new TReportSysData(owner);
    page->SetName(name + QStringLiteral("Pagina"));
    page->SetParent(header);
    page->SetData(TSysDataType::sdPageOfPages);
    page->SetText(QStringLiteral("Página: "));
    page->SetLeft(560);
    page->SetTop(4);

    TReportBand* footer = AddBand(report, name + QStringLiteral("Rodape"), TBandType::rbPageFooter, 24);
    footer->Frame().DrawTop = true;
    AddLabel(footer, name + QStringLiteral("lblRodape"), QStringLiteral("Rodapé ") + title, 0, 4);

    if (dataSet) {
        TReportBand* detail = AddBand(report, name + QStringLiteral("Detalhe"), TBandType::rbDetail, 20);
        auto* produto = new TReportDBText(owner);
        produto->SetName(name + QStringLiteral("Produto"));
        produto->SetParent(detail);
        produto->SetDataSet(dataSet);
        produto->SetDataField(QStringLiteral("PRODUTO"));
        produto->SetLeft(20);
        produto->SetTop(2);
        auto* valor = new TReportDBText(owner);
        valor->SetName(name + QStringLiteral("Valor"));
        valor->SetParent(detail);
        valor->SetDataSet(dataSet);
        valor->SetDataField(QStringLiteral("VALOR"));
        valor->SetAutoSize(false);
        valor->SetAlignment(taRightJustify);
        valor->SetBounds(400, 2, 120, 17);
    }
    return report;
}

QStringList TextPages(const TReportPrinter& printer) {
    return TPageText::FromPages(printer.Pages()).split(QLatin1Char('\f'));
}

QStringList PdfTextPages(const QString& pdfFile) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfFile, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast(); // pdftotext ends every page with a form feed
    return pages;
}

QString ScreenshotDir() {
    const QString dir = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
    QDir().mkpath(dir);
    return dir;
}

} // namespace ReportTest
