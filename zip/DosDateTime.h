#pragma once
// MS-DOS dates and times as zip headers hold them: the time in the low word
// (seconds / 2 in bits 0-4, minutes in 5-10, hours in 11-15), the date in the
// high word (day in bits 16-20, month in 21-24, years since 1980 in 25-31),
// in local time.

#include <QDateTime>
#include <cstdint>

class DosDateTime {
public:
    // Clamps each invalid field on its own: seconds to 58, minutes to 59,
    // hours to 23, day 0 and month 0 to 1, a month above 12 to 12, a year
    // from 2100 on to 2099 and a day past the month's end to its last day.
    // A valid value stays as it is.
    static std::uint32_t Normalise(std::uint32_t value);
    // The normalised value as a local date and time.
    static QDateTime ToDateTime(std::uint32_t value);
    // A local date and time in DOS form (seconds rounded down to even);
    // dates before 1980 give 1980-01-01 00:00:00, dates after 2107 the last
    // DOS date.
    static std::uint32_t FromDateTime(const QDateTime& value);
};
