#pragma once
// The program's fixed number and date formats. They never come from the
// environment: dates are day/month/four-digit year, the decimal separator is
// a comma, thousands are grouped with a dot and money shows two decimals.

#include <QChar>
#include <QStringView>

struct FormatSettings {
    static constexpr QChar DecimalSeparator{u','};
    static constexpr QChar ThousandSeparator{u'.'};
    static constexpr QChar DateSeparator{u'/'};
    static constexpr QChar TimeSeparator{u':'};
    static constexpr QStringView ShortDateFormat{u"dd/mm/yyyy"};
    static constexpr QStringView LongTimeFormat{u"hh:nn:ss"};
    // Two-digit years fall into the hundred years that start this many years
    // before the current one.
    static constexpr int TwoDigitYearCenturyWindow = 50;
};
