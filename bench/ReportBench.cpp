// Prepares a 2,000-row listing (about 60 pages) and exports it to PDF,
// printing the time per page of each step. Run with QT_QPA_PLATFORM=offscreen
// on a machine without a display.

#include "platform/base/SysUtils.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TNumericField.h"
#include "platform/report/TBandReport.h"
#include "platform/report/TReportDBText.h"
#include "platform/report/TReportImage.h"
#include "platform/report/TReportLabel.h"
#include "platform/report/TReportSysData.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kRows = 2000;
constexpr int kRuns = 5;

TClientDataSet* MakeData(TComponent* owner) {
    auto* data = new TClientDataSet(owner);
    data->SetName(QStringLiteral("cdsListagem"));
    data->FieldDefs().Add(QStringLiteral("NU_INSCRICAO"), ftInteger);
    data->FieldDefs().Add(QStringLiteral("NO_RAZAO"), ftString, 60);
    data->FieldDefs().Add(QStringLiteral("NO_MUNICIPIO"), ftString, 40);
    data->FieldDefs().Add(QStringLiteral("VL_CONTABIL"), ftCurrency);
    data->CreateDataSet();
    dynamic_cast<TNumericField*>(data->FieldByName(QStringLiteral("VL_CONTABIL")))
        ->SetDisplayFormat(QStringLiteral("#,##0.00"));
    for (int i = 1; i <= kRows; ++i) {
        data->Append();
        data->FieldByName(QStringLiteral("NU_INSCRICAO"))->SetAsInteger(10000000 + i * 7);
        data->FieldByName(QStringLiteral("NO_RAZAO"))
            ->SetAsString(QStringLiteral("Empresa Comercial %1 Ltda").arg(i));
        data->FieldByName(QStringLiteral("NO_MUNICIPIO"))
            ->SetAsString(QStringLiteral("Município %1").arg(i % 97));
        data->FieldByName(QStringLiteral("VL_CONTABIL"))->SetAsCurrency(Currency::fromRaw(i * 1234567LL));
        data->Post();
    }
    data->First();
    return data;
}

template <typename Control> Control* Add(TComponent* owner, TReportBand* band, double left, double top) {
    auto* control = new Control(owner);
    control->SetParent(band);
    control->SetLeft(left);
    control->SetTop(top);
    return control;
}

TBandReport* MakeReport(TComponent* owner, TDataSet* data) {
    auto* report = new TBandReport(owner);
    report->SetName(QStringLiteral("rptListagem"));
    report->SetReportTitle(QStringLiteral("Relatório de Contribuintes"));
    report->SetDataSet(data);

    auto* header = new TReportBand(owner, TBandType::rbPageHeader);
    header->SetParent(report);
    header->SetHeight(106);
    header->Frame().DrawBottom = true;
    QImage logo(86, 95, QImage::Format_RGB32);
    logo.fill(QColor(20, 60, 160));
    Add<TReportImage>(owner, header, 1, 3)->SetPicture(logo);
    Add<TReportLabel>(owner, header, 98, 12)->SetCaption(QStringLiteral("Secretaria da Fazenda"));
    Add<TReportSysData>(owner, header, 98, 77)->SetData(TSysDataType::sdReportTitle);
    auto* date = Add<TReportSysData>(owner, header, 560, 22);
    date->SetData(TSysDataType::sdDateTime);
    date->SetText(QStringLiteral("Emissão: "));
    auto* page = Add<TReportSysData>(owner, header, 560, 38);
    page->SetData(TSysDataType::sdPageOfPages);
    page->SetText(QStringLiteral("Página: "));

    auto* detail = new TReportBand(owner, TBandType::rbDetail);
    detail->SetParent(report);
    detail->SetHeight(27);
    const struct {
        const char* field;
        double left;
        double width;
    } columns[] = {{"NU_INSCRICAO", 0, 80},
                   {"NO_RAZAO", 90, 280},
                   {"NO_MUNICIPIO", 380, 180},
                   {"VL_CONTABIL", 570, 140}};
    for (const auto& column : columns) {
        auto* text = Add<TReportDBText>(owner, detail, column.left, 1);
        text->SetDataSet(data);
        text->SetDataField(QString::fromLatin1(column.field));
        text->SetAutoSize(false);
        text->SetWidth(column.width);
    }

    auto* footer = new TReportBand(owner, TBandType::rbPageFooter);
    footer->SetParent(report);
    footer->SetHeight(24);
    footer->Frame().DrawTop = true;
    Add<TReportLabel>(owner, footer, 600, 4)->SetCaption(QStringLiteral("rptListagem"));
    return report;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TComponent owner;
    TBandReport* report = MakeReport(&owner, MakeData(&owner));
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("listagem.pdf"));

    double bestPrepare = 1e30;
    double bestPdf = 1e30;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        report->Prepare();
        bestPrepare = std::min(bestPrepare, timer.nsecsElapsed() / 1e6);
        timer.restart();
        report->ReportPrinter().ExportToPdf(pdf);
        bestPdf = std::min(bestPdf, timer.nsecsElapsed() / 1e6);
    }
    const int pages = report->ReportPrinter().PageCount();
    std::printf("rows %d, pages %d (best of %d runs)\n", kRows, pages, kRuns);
    std::printf("prepare: %8.1f ms total, %6.2f ms per page (target < 5)\n", bestPrepare,
                bestPrepare / pages);
    std::printf("pdf:     %8.1f ms total, %6.2f ms per page (target < 20)\n", bestPdf, bestPdf / pages);
    return 0;
}
