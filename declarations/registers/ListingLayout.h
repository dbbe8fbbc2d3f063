#pragma once
// The bands and columns of the register and lookup listings: a grey band of
// column captions at the top of every page and a detail band of data texts,
// both laid out left to right. A listing with history rows shows their
// captions on a second line of the caption band, indented like the rows.

#include "platform/db/DBTypes.h"
#include "platform/report/TReportBand.h"

#include <QString>
#include <initializer_list>

class TBandReport;
class TDataSet;
class TReportLabel;
class TReportSubDetail;

// Height of a caption or data line, in design units.
inline constexpr double kListingLine = 18;
// Room between two columns.
inline constexpr double kListingGap = 6;

struct ListingColumn {
    const char* field;
    const char* caption;
    double width;
    TAlignment alignment = taLeftJustify;
};

TReportBand* ListingBand(TBandReport* report, const QString& name, TBandType type, double height);
// The caption band (column header, grey, framed below) with `lines` lines.
TReportBand* CaptionBand(TBandReport* report, const QString& name, int lines = 1);
// A sub-detail band over `dataSet`, printed for every record of the report.
TReportSubDetail* HistoryBand(TBandReport* report, const QString& name, TDataSet* dataSet);
// Captions on `captions` at caption line `line` (from 0) and data texts of
// `dataSet` on `detail`, from `left` on; returns the right edge.
double ListingColumns(TBandReport* report, TReportBand* captions, int line, TReportBand* detail,
                      TDataSet* dataSet, std::initializer_list<ListingColumn> columns, double left = 0);
