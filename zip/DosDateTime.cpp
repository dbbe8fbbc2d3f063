#include "zip/DosDateTime.h"

#include <QDate>
#include <QTime>
#include <algorithm>

namespace {

constexpr int kBaseYear = 1980;
constexpr int kLastYear = kBaseYear + 127;
// Years from 2100 on are not believed.
constexpr int kLastNormalYear = 2099;

struct Fields {
    int year, month, day, hour, minute, second2;
};

Fields Split(std::uint32_t value) {
    return Fields{kBaseYear + static_cast<int>(value >> 25), static_cast<int>((value >> 21) & 0x0F),
                  static_cast<int>((value >> 16) & 0x1F),    static_cast<int>((value >> 11) & 0x1F),
                  static_cast<int>((value >> 5) & 0x3F),     static_cast<int>(value & 0x1F)};
}

std::uint32_t Join(const Fields& f) {
    return static_cast<std::uint32_t>(f.year - kBaseYear) << 25 | static_cast<std::uint32_t>(f.month) << 21 |
           static_cast<std::uint32_t>(f.day) << 16 | static_cast<std::uint32_t>(f.hour) << 11 |
           static_cast<std::uint32_t>(f.minute) << 5 | static_cast<std::uint32_t>(f.second2);
}

} // namespace

std::uint32_t DosDateTime::Normalise(std::uint32_t value) {
    Fields f = Split(value);
    f.second2 = std::min(f.second2, 29);
    f.minute = std::min(f.minute, 59);
    f.hour = std::min(f.hour, 23);
    f.month = std::clamp(f.month, 1, 12);
    f.year = std::min(f.year, kLastNormalYear);
    f.day = std::clamp(f.day, 1, QDate(f.year, f.month, 1).daysInMonth());
    return Join(f);
}

QDateTime DosDateTime::ToDateTime(std::uint32_t value) {
    const Fields f = Split(Normalise(value));
    return QDateTime(QDate(f.year, f.month, f.day), QTime(f.hour, f.minute, f.second2 * 2), Qt::LocalTime);
}

std::uint32_t DosDateTime::FromDateTime(const QDateTime& value) {
    const QDateTime local = value.toLocalTime();
    const QDate date = local.date();
    const QTime time = local.time();
    if (!local.isValid() || date.year() < kBaseYear)
        return Join(Fields{kBaseYear, 1, 1, 0, 0, 0});
    if (date.year() > kLastYear)
        return Join(Fields{kLastYear, 12, 31, 23, 59, 29});
    return Join(Fields{date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second() / 2});
}
