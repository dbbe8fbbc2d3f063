#include "platform/report/ReportLayout.h"

#include "platform/report/TReportDBText.h"
#include "platform/report/TReportLabel.h"

TReportLabel* PlaceLabel(TComponent* owner, TReportBand* band, const QString& caption, double left,
                         double top, double width, double height) {
    auto* label = PlaceOnBand<TReportLabel>(owner, band, left, top, width, height);
    label->SetCaption(caption);
    return label;
}

TReportDBText* PlaceText(TComponent* owner, TReportBand* band, TDataSet* dataSet, const QString& field,
                         double left, double top, double width, double height) {
    auto* text = PlaceOnBand<TReportDBText>(owner, band, left, top, width, height);
    text->SetDataSet(dataSet);
    text->SetDataField(field);
    return text;
}
