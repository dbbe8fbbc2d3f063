#pragma once
// What printable controls may read while a page is prepared.

#include <QChar>
#include <QDateTime>

class TBandReport;

struct TPrintContext {
    TBandReport* Report = nullptr;
    int PageNumber = 0;
    QDateTime Started; // one moment for every page of a preparation

    // Stands for the page count in prepared texts until the last page is
    // known; replaced when preparation ends.
    static constexpr QChar kPageCountMarker = QChar(0xE000);
};
