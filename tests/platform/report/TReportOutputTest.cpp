// Prepared pages leaving the program: PDF (read back by pdftotext), printing
// through QPrinter, pictures, text export and the export filter list.

#include "tests/platform/report/ReportTestSupport.h"

#include "platform/report/ReportUnits.h"
#include "platform/report/TPageRenderer.h"
#include "platform/report/TReportDBText.h"
#include "platform/report/TReportImage.h"
#include "platform/report/TTextExportFilter.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include <functional>

#include <gtest/gtest.h>

using namespace ReportTest;

namespace {

class TReportOutputTest : public ::testing::Test {
protected:
    QString Path(const QString& name) const { return dir.filePath(name); }

    // The page size pdfinfo reports for page 1, in points.
    static QString PdfPageSize(const QString& file) {
        QProcess process;
        process.start(QStringLiteral("pdfinfo"), {file});
        process.waitForFinished(60000);
        const QRegularExpressionMatch match =
            QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+ x [\d.]+) pts)"))
                .match(QString::fromUtf8(process.readAllStandardOutput()));
        return match.captured(1);
    }

    QTemporaryDir dir;
    TComponent form;
};

// The darkness of the pixels of `box` (clipped to the image).
double Ink(const QImage& image, const QRect& box) {
    double ink = 0;
    const QRect inside = box.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ink += 255 - qGray(image.pixel(x, y));
    return ink;
}

TEST_F(TReportOutputTest, EveryWordOfAWrappedTextIsDrawnInsideItsBandAtEveryResolution) {
    // Texts of every length around three column widths: one, two and three lines.
    const QString frase = QStringLiteral("Crédito presumido conforme regime especial de tributação");
    std::vector<SaleRow> rows;
    for (int length = 8; length <= 40; ++length)
        rows.push_back({QString(), frase.left(length), "0"});
    TBandReport* report = new TBandReport(&form);
    report->SetName(QStringLiteral("rptTextos"));
    report->SetDataSet(MakeSales(&form, QStringLiteral("cdsTextos"), rows));
    // A small paper, so that a page drawn at the PDF's resolution stays small.
    report->Page().SetPaperSize(TPaperSize::psCustom);
    report->Page().SetPaperWidth(140);
    report->Page().SetPaperLength(120);
    TReportBand* detail = AddBand(report, QStringLiteral("rptTextosDetalhe"), TBandType::rbDetail, 4);
    double left = 0;
    for (const double width : {110.0, 140.0, 170.0}) {
        auto* text = new TReportDBText(&form);
        text->SetParent(detail);
        text->SetDataSet(report->DataSet());
        text->SetDataField(QStringLiteral("PRODUTO"));
        text->SetAutoSize(false);
        text->SetWordWrap(true);
        text->SetAutoStretch(true);
        text->SetBounds(left, 0, width, 4);
        left += width + 8;
    }
    report->Prepare();
    ASSERT_GT(report->ReportPrinter().PageCount(), 1);

    // The preview's resolutions at several zooms, a printer's and the PDF's.
    for (const double dpi : {72.0, 96.0, 120.0, 150.0, 300.0, 600.0}) {
        const double scale = dpi / 25.4;
        int lost = 0;
        for (const TPreparedPage& page : report->ReportPrinter().Pages()) {
            const QImage image = TPageRenderer::ToImage(page, dpi);
            for (const TDrawItem& item : page.Items) {
                // The whole text, drawn alone in a box far taller than it needs.
                TDrawItem alone = item;
                alone.Rect = QRectF(2, 2, item.Rect.width(), item.Rect.height() * 4);
                const QImage whole = TPageRenderer::ToImage(
                    TPreparedPage{item.Rect.width() + 4, alone.Rect.height() + 4, {alone}}, dpi);
                // What shows of it within its band (a pixel of slack round the box).
                const QRect band = QRectF(item.Rect.left() * scale - 2, item.Rect.top() * scale - 1,
                                          item.Rect.width() * scale + 4, item.Rect.height() * scale + 2)
                                       .toAlignedRect();
                if (Ink(image, band) < 0.97 * Ink(whole, whole.rect())) {
                    ++lost;
                    ADD_FAILURE() << dpi << " dpi, width " << MmToDesign(item.Rect.width()) << ": "
                                  << item.Text.toStdString();
                }
            }
        }
        EXPECT_EQ(lost, 0) << dpi << " dpi";
    }
}

TEST_F(TReportOutputTest, PdfHasEveryPageWithItsHeaderAndFooter) {
    TBandReport* report = MakeListing(&form, QStringLiteral("rptPdf"), QStringLiteral("Relação de Vendas"),
                                      MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 100));
    report->Prepare();
    report->ReportPrinter().ExportToPdf(Path(QStringLiteral("vendas.pdf")));

    const QStringList pages = PdfTextPages(Path(QStringLiteral("vendas.pdf")));
    ASSERT_EQ(pages.size(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Relação de Vendas")));
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Página: %1 de 3").arg(i + 1)));
        EXPECT_TRUE(pages[i].contains(QStringLiteral("Rodapé Relação de Vendas")));
    }
    EXPECT_TRUE(pages[0].contains(QRegularExpression(QStringLiteral("Produto 1 +1,50"))));
    EXPECT_TRUE(pages[2].contains(QRegularExpression(QStringLiteral("Produto 100 +100,50"))));
    EXPECT_EQ(PdfPageSize(Path(QStringLiteral("vendas.pdf"))), QStringLiteral("595 x 842"));
}

TEST_F(TReportOutputTest, LandscapeReportsGiveLandscapePages) {
    TBandReport* report =
        MakeListing(&form, QStringLiteral("rptPaisagem"), QStringLiteral("Paisagem"), nullptr);
    report->Page().SetOrientation(TPrinterOrientation::poLandscape);
    report->Prepare();
    EXPECT_DOUBLE_EQ(report->ReportPrinter().Page(1).Width, 297);
    report->ReportPrinter().ExportToPdf(Path(QStringLiteral("paisagem.pdf")));
    EXPECT_EQ(PdfPageSize(Path(QStringLiteral("paisagem.pdf"))), QStringLiteral("842 x 595"));
}

TEST_F(TReportOutputTest, PrintsThroughQPrinterWithAPageRange) {
    TBandReport* report = MakeListing(&form, QStringLiteral("rptImpressao"), QStringLiteral("Impressão"),
                                      MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 100));
    report->Prepare();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path(QStringLiteral("impresso.pdf")));
    report->ReportPrinter().Print(printer, 2, 3);

    const QStringList pages = PdfTextPages(Path(QStringLiteral("impresso.pdf")));
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains(QStringLiteral("Página: 2 de 3")));
    EXPECT_TRUE(pages[1].contains(QStringLiteral("Página: 3 de 3")));
}

TEST_F(TReportOutputTest, AFileInAFolderThatDoesNotExistIsRefusedInPortuguese) {
    TBandReport* report = MakeListing(&form, QStringLiteral("rptErro"), QStringLiteral("Erro"), nullptr);
    report->Prepare();
    const TReportPrinter& printer = report->ReportPrinter();
    const std::pair<const char*, std::function<void(const QString&)>> outputs[] = {
        {"nao/existe.pdf", [&](const QString& file) { printer.ExportToPdf(file); }},
        {"nao/existe.txt", [&](const QString& file) { printer.ExportToText(file); }},
        {"nao/existe.qrp", [&](const QString& file) { printer.SaveToFile(file); }},
    };
    for (const auto& [name, write] : outputs) {
        const QString file = Path(QString::fromLatin1(name));
        try {
            write(file);
            ADD_FAILURE() << name << " was written";
        } catch (const Exception& e) {
            EXPECT_EQ(
                e.Message(),
                QStringLiteral("Não foi possível gravar o arquivo \"%1\": o arquivo ou a pasta não existe.")
                    .arg(file));
        }
    }
}

TEST_F(TReportOutputTest, TextExportKeepsPageBreaksAndIsOfferedByItsFilter) {
    const QString before = TReportExportFilter::DialogFilter();
    EXPECT_EQ(before, QStringLiteral("Relatório (*.qrp)|*.qrp"));
    {
        TTextExportFilter qrTxtx(&form);
        EXPECT_EQ(TReportExportFilter::DialogFilter(),
                  QStringLiteral("Relatório (*.qrp)|*.qrp|Arquivo texto (*.txt)|*.txt"));
        TBandReport* report = MakeListing(&form, QStringLiteral("rptTexto"), QStringLiteral("Texto"),
                                          MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 60));
        report->Prepare();
        const QString file = Path(QStringLiteral("texto.txt"));
        qrTxtx.ExportPages(report->ReportPrinter(), file);

        QFile exported(file);
        ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
        const QStringList pages = QString::fromUtf8(exported.readAll()).split(QLatin1Char('\f'));
        ASSERT_EQ(pages.size(), 2);
        EXPECT_TRUE(pages[0].trimmed().startsWith(QStringLiteral("Texto")));
        EXPECT_TRUE(pages[1].contains(QStringLiteral("Página: 2 de 2")));
    }
    EXPECT_EQ(TReportExportFilter::DialogFilter(), before);
}

TEST_F(TReportOutputTest, RendersAPageToPngWithTheJpegLogo) {
    // A JPEG logo made by ImageMagick: blue left half, yellow right half.
    const QString logo = Path(QStringLiteral("logo.jpg"));
    ASSERT_EQ(QProcess::execute(
                  QStringLiteral("convert"),
                  {QStringLiteral("-size"), QStringLiteral("40x80"), QStringLiteral("xc:#1040c0"),
                   QStringLiteral("-size"), QStringLiteral("40x80"), QStringLiteral("xc:#f0d020"),
                   QStringLiteral("+append"), QStringLiteral("-quality"), QStringLiteral("95"), logo}),
              0);
    TBandReport* report =
        MakeListing(&form, QStringLiteral("rptImagem"), QStringLiteral("Relatório com Logotipo"),
                    MakeNumberedSales(&form, QStringLiteral("cdsVendas"), 30));
    TReportBand* header = report->BandOfType(TBandType::rbPageHeader);
    header->SetHeight(106);
    auto* img = new TReportImage(&form);
    img->SetName(QStringLiteral("img"));
    img->SetParent(header);
    img->SetBounds(1, 3, 86, 95);
    img->SetCenter(true);
    img->LoadFromFile(logo);
    auto* title = dynamic_cast<TPrintable*>(form.FindComponent(QStringLiteral("rptImagemTitulo")));
    ASSERT_NE(title, nullptr);
    title->SetLeft(98);
    report->Prepare();

    const QImage page = TPageRenderer::ToImage(report->ReportPrinter().Page(1), 100);
    EXPECT_EQ(page.size(), QSize(827, 1169));
    ASSERT_TRUE(page.save(ScreenshotDir() + QStringLiteral("/report-page1.png")));
    // The logo is centred in its 86 x 95 box at (1, 3) of the header, 10 mm
    // from the page's corner: blue left of its centre line, yellow right of it.
    const double dotsPerUnit = 100.0 / 96.0;
    const QPoint centre(qRound(10 * 100 / 25.4 + (1 + 43) * dotsPerUnit),
                        qRound(10 * 100 / 25.4 + (3 + 47.5) * dotsPerUnit));
    const QColor left = page.pixelColor(centre + QPoint(-15, 0));
    const QColor right = page.pixelColor(centre + QPoint(15, 0));
    EXPECT_GT(left.blue(), 150);
    EXPECT_LT(left.red(), 60);
    EXPECT_GT(right.red(), 200);
    EXPECT_LT(right.blue(), 80);
    // Outside the logo's 40 pixels on either side of the centre: white paper.
    EXPECT_EQ(page.pixelColor(centre + QPoint(-45, 0)), QColor(Qt::white));
}

} // namespace
