#pragma once
// The printed parts the sections of the declaration mirror share: texts and
// data texts in the mirror's faces, and the data groups of the data
// sections. A data group prints one table of the declaration: a header with
// the group's title and its column titles (titles that stand over several
// columns above them), one line per row of its data set, and a footer with
// the sum of every money column. Header and footer print also when the
// table has no rows, the sums then showing 0,00.

#include "platform/db/DBTypes.h"
#include "platform/report/TReportFont.h"

#include <QString>
#include <vector>

class TBandReport;
class TComponent;
class TDataSet;
class TReportBand;
class TReportDBText;
class TReportLabel;
class TReportSubDetail;

// Faces of the mirror's bodies.
TReportFont MirrorFont(double points = 8, unsigned style = 0);

// A fixed text at a place of a band (design units).
TReportLabel* MirrorLabel(TComponent* owner, TReportBand* band, const QString& caption, double left,
                          double top, double width, TAlignment alignment = taLeftJustify,
                          const TReportFont& font = MirrorFont());
// The text of a field of the current record; wrapped and stretched down when
// `wrap`.
TReportDBText* MirrorText(TComponent* owner, TReportBand* band, TDataSet* dataSet, const QString& field,
                          double left, double top, double width, TAlignment alignment = taLeftJustify,
                          bool wrap = false);

// One column of a data group.
struct GroupColumn {
    const char* field;
    const char* caption;
    double width;
    // Money: right-aligned and summed in the footer.
    bool money = false;
};

// A title over `count` columns from column `first` (from 0).
struct GroupSpan {
    const char* caption;
    int first;
    int count;
};

// The bands of a data group over `dataSet`, printed for the report's record
// after the groups made before it. Band names: qrbCab<stem>, qrs<stem>,
// qrbRod<stem>; the sums are named qre<stem><field>.
TReportSubDetail* MirrorGroup(TBandReport* report, const QString& stem, const QString& title,
                              TDataSet* dataSet, const std::vector<GroupColumn>& columns,
                              const std::vector<GroupSpan>& spans = {});
