#include "declarations/reports/MirrorLayout.h"

#include "platform/base/Exceptions.h"
#include "platform/db/TDataSet.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/TBandReport.h"
#include "platform/report/TReportBand.h"
#include "platform/report/TReportDBText.h"
#include "platform/report/TReportExpr.h"
#include "platform/report/TReportLabel.h"
#include "platform/report/TReportShape.h"
#include "platform/report/TReportSubDetail.h"
#include "platform/ui/Make.h"

#include <algorithm>

namespace {

// Design units (1/96 inch).
constexpr double kColumnGap = 6;
constexpr double kTitleTop = 6;
constexpr double kTitleHeight = 17;
constexpr double kSpanHeight = 14;
constexpr double kCaptionPadding = 4;
constexpr double kLineHeight = 14;
constexpr double kFooterHeight = 20;
constexpr double kTitlePoints = 9;
constexpr double kCaptionPoints = 7;
const QColor kCaptionShade(0xE4, 0xE4, 0xE4);

const QString kMoneyMask = QStringLiteral("#,##0.00");

struct ColumnPlace {
    double left;
    double width;
};

std::vector<ColumnPlace> PlaceColumns(const std::vector<GroupColumn>& columns) {
    std::vector<ColumnPlace> places;
    double left = 0;
    for (const GroupColumn& column : columns) {
        places.push_back({left, column.width});
        left += column.width + kColumnGap;
    }
    return places;
}

TReportBand* NewBand(TBandReport* report, const QString& name, TBandType type, double height) {
    auto* band = Make<TReportBand>(report, name, type);
    band->SetParent(report);
    band->SetHeight(height);
    return band;
}

void Shade(TBandReport* report, TReportBand* band, double top, double height) {
    auto* shade = MakeOnBand<TReportShape>(report, band);
    shade->SetShape(TShapeType::stRectangle);
    shade->SetBounds(0, top, band->Width(), height);
    shade->SetBrushColor(kCaptionShade);
    shade->SetPenColor(kCaptionShade);
}

} // namespace

TReportFont MirrorFont(double points, unsigned style) {
    return TReportFont(QStringLiteral("Arial"), points, style);
}

TReportLabel* MirrorLabel(TComponent* owner, TReportBand* band, const QString& caption, double left,
                          double top, double width, TAlignment alignment, const TReportFont& font) {
    TReportLabel* label = PlaceLabel(owner, band, caption, left, top, width, font.TextHeight());
    label->SetFont(font);
    label->SetAlignment(alignment);
    return label;
}

TReportDBText* MirrorText(TComponent* owner, TReportBand* band, TDataSet* dataSet, const QString& field,
                          double left, double top, double width, TAlignment alignment, bool wrap) {
    const TReportFont font = MirrorFont();
    TReportDBText* text = PlaceText(owner, band, dataSet, field, left, top, width, font.TextHeight());
    text->SetFont(font);
    text->SetAlignment(alignment);
    text->SetWordWrap(wrap);
    text->SetAutoStretch(wrap);
    return text;
}

TReportSubDetail* MirrorGroup(TBandReport* report, const QString& stem, const QString& title,
                              TDataSet* dataSet, const std::vector<GroupColumn>& columns,
                              const std::vector<GroupSpan>& spans) {
    if (dataSet->Name().isEmpty())
        throw Exception(QStringLiteral("The data set of group %1 has no name").arg(stem));
    const std::vector<ColumnPlace> places = PlaceColumns(columns);
    const TReportFont captionFont = MirrorFont(kCaptionPoints, TFontStyle::fsBold);

    // One caption line, or two when a column title does not fit its column.
    const bool wraps = std::any_of(columns.begin(), columns.end(), [&captionFont](const GroupColumn& column) {
        return captionFont.TextWidth(QString::fromUtf8(column.caption)) > column.width;
    });
    const double captionHeight = (wraps ? 2 : 1) * captionFont.TextHeight() + kCaptionPadding;
    const double spanTop = kTitleTop + kTitleHeight + 2;
    const double captionTop = spanTop + (spans.empty() ? 0 : kSpanHeight);
    TReportBand* header = NewBand(report, QStringLiteral("qrbCab") + stem, TBandType::rbGroupHeader,
                                  captionTop + captionHeight + 2);
    MirrorLabel(report, header, title, 0, kTitleTop, header->Width(), taLeftJustify,
                MirrorFont(kTitlePoints, TFontStyle::fsBold));
    Shade(report, header, spanTop, captionTop + captionHeight - spanTop);
    for (const GroupSpan& span : spans) {
        if (span.first < 0 || span.count < 1 || span.first + span.count > static_cast<int>(places.size()))
            throw Exception(QStringLiteral("Column title '%1' stands over no columns").arg(span.caption));
        const ColumnPlace& first = places[static_cast<std::size_t>(span.first)];
        const ColumnPlace& last = places[static_cast<std::size_t>(span.first + span.count - 1)];
        TReportLabel* label =
            MirrorLabel(report, header, QString::fromUtf8(span.caption), first.left, spanTop + 1,
                        last.left + last.width - first.left, taCenter, captionFont);
        label->Frame().DrawBottom = true;
        label->Frame().Color = Qt::gray;
    }

    auto* lines = Make<TReportSubDetail>(report, QStringLiteral("qrs") + stem);
    lines->SetParent(report);
    lines->SetDataSet(dataSet);
    lines->SetPrintIfEmpty(true);
    lines->SetHeight(kLineHeight);
    lines->SetHeaderBand(header);

    TReportBand* footer =
        NewBand(report, QStringLiteral("qrbRod") + stem, TBandType::rbGroupFooter, kFooterHeight);
    footer->Frame().DrawTop = true;
    lines->SetFooterBand(footer);
    bool totalShown = false;

    for (std::size_t i = 0; i < columns.size(); ++i) {
        const GroupColumn& column = columns[i];
        const ColumnPlace& place = places[i];
        const TAlignment alignment = column.money ? taRightJustify : taLeftJustify;
        TReportLabel* caption =
            MirrorLabel(report, header, QString::fromUtf8(column.caption), place.left,
                        captionTop + kCaptionPadding / 2, place.width, alignment, captionFont);
        caption->SetWordWrap(true);
        caption->SetHeight(captionHeight - kCaptionPadding);
        const QString field = QString::fromLatin1(column.field);
        MirrorText(report, lines, dataSet, field, place.left, 1, place.width, alignment, !column.money);
        if (!column.money)
            continue;
        if (!totalShown && i > 0) {
            MirrorLabel(report, footer, QStringLiteral("Total"), 0, 3,
                        places[i - 1].left + places[i - 1].width, taLeftJustify,
                        MirrorFont(8, TFontStyle::fsBold));
            totalShown = true;
        }
        auto* sum = Make<TReportExpr>(report, QStringLiteral("qre") + stem + field);
        sum->SetParent(footer);
        sum->SetAutoSize(false);
        sum->SetFont(MirrorFont(8, TFontStyle::fsBold));
        sum->SetBounds(place.left, 3, place.width, sum->Font().TextHeight());
        sum->SetAlignment(taRightJustify);
        sum->SetExpression(QStringLiteral("SUM(%1.%2)").arg(dataSet->Name(), field));
        sum->SetMask(kMoneyMask);
        sum->SetResetAfterPrint(true);
    }
    return lines;
}
