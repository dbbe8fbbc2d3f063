#pragma once
// Making the controls of a report's bands: a named control on its band, and
// a text control in a box of its own size (no auto-size).

#include "platform/report/TReportBand.h"
#include "platform/ui/Make.h"

template <class T> T* MakeOnBand(TComponent* owner, TReportBand* band, const QString& name = QString()) {
    T* control = Make<T>(owner, name);
    control->SetParent(band);
    return control;
}

template <class T>
T* PlaceOnBand(TComponent* owner, TReportBand* band, double left, double top, double width, double height) {
    T* control = MakeOnBand<T>(owner, band);
    control->SetAutoSize(false);
    control->SetBounds(left, top, width, height);
    return control;
}

class TDataSet;
class TReportDBText;
class TReportLabel;

// A fixed caption in the box (left, top, width, height).
TReportLabel* PlaceLabel(TComponent* owner, TReportBand* band, const QString& caption, double left,
                         double top, double width, double height);
// The value of a data set's field in the box (left, top, width, height).
TReportDBText* PlaceText(TComponent* owner, TReportBand* band, TDataSet* dataSet, const QString& field,
                         double left, double top, double width, double height);
