#include "declarations/registers/ListingLayout.h"

#include "platform/report/ReportLayout.h"
#include "platform/report/TBandReport.h"
#include "platform/report/TReportDBText.h"
#include "platform/report/TReportLabel.h"
#include "platform/report/TReportSubDetail.h"
#include "platform/ui/Make.h"
#include "platform/ui/SystemColors.h"

namespace {
constexpr double kCaptionPadding = 6;
constexpr double kTextTop = 1;
constexpr unsigned kCaptionColour = 13421772; // light grey
} // namespace

TReportBand* ListingBand(TBandReport* report, const QString& name, TBandType type, double height) {
    auto* band = Make<TReportBand>(report, name, type);
    band->SetParent(report);
    band->SetHeight(height);
    return band;
}

TReportBand* CaptionBand(TBandReport* report, const QString& name, int lines) {
    TReportBand* band =
        ListingBand(report, name, TBandType::rbColumnHeader, lines * kListingLine + kCaptionPadding);
    band->SetColor(ColorOf(kCaptionColour));
    band->Frame().DrawBottom = true;
    return band;
}

TReportSubDetail* HistoryBand(TBandReport* report, const QString& name, TDataSet* dataSet) {
    auto* band = Make<TReportSubDetail>(report, name);
    band->SetParent(report);
    band->SetDataSet(dataSet);
    band->SetPrintIfEmpty(false);
    band->SetHeight(kListingLine + 2);
    return band;
}

double ListingColumns(TBandReport* report, TReportBand* captions, int line, TReportBand* detail,
                      TDataSet* dataSet, std::initializer_list<ListingColumn> columns, double left) {
    const double captionTop = kCaptionPadding / 2 + line * kListingLine;
    for (const ListingColumn& column : columns) {
        TReportLabel* caption = PlaceLabel(report, captions, QString::fromUtf8(column.caption), left,
                                           captionTop, column.width, kListingLine);
        caption->SetAlignment(column.alignment);
        caption->Font().Style = TFontStyle::fsBold;

        TReportDBText* text = PlaceText(report, detail, dataSet, QString::fromLatin1(column.field), left,
                                        kTextTop, column.width, kListingLine);
        text->SetWordWrap(true);
        text->SetAutoStretch(true);
        text->SetAlignment(column.alignment);
        left += column.width + kListingGap;
    }
    return left - kListingGap;
}
