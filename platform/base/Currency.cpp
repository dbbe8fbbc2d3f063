#include "platform/base/Currency.h"

#include <QMetaType>
#include <cmath>
#include <limits>

namespace {
// Lets a Currency held in a QVariant answer toDouble() and toString() like
// any other number, so generic code (grids, reports) never sees 0 or "".
const bool currencyConvertersRegistered = [] {
    QMetaType::registerConverter<Currency, double>(&Currency::toDouble);
    QMetaType::registerConverter<Currency, QString>(&Currency::toString);
    return true;
}();
} // namespace

Currency Currency::fromDouble(double value) {
    return Currency(static_cast<std::int64_t>(std::llround(value * Scale)));
}

std::optional<Currency> Currency::parse(QStringView text, QChar decimalSeparator) {
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    qsizetype i = 0;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        ++i;
    }
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    std::int64_t units = 0;
    std::int64_t fraction = 0;
    int decimals = 0;
    bool inFraction = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == decimalSeparator && !inFraction) {
            inFraction = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > '9')
            return std::nullopt;
        const int digit = c.unicode() - '0';
        anyDigit = true;
        if (inFraction) {
            if (++decimals > 4)
                return std::nullopt;
            fraction = fraction * 10 + digit;
        } else {
            if (units > (limit / Scale - digit) / 10)
                return std::nullopt;
            units = units * 10 + digit;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    for (int d = decimals; d < 4; ++d)
        fraction *= 10;
    const std::int64_t raw = units * Scale + fraction;
    return Currency(negative ? -raw : raw);
}

QString Currency::toString() const {
    const bool negative = m_value < 0;
    // Work on the unsigned magnitude so that the most negative value prints too.
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(m_value + 1)) + 1 : static_cast<std::uint64_t>(m_value);
    const QString units = QString::number(magnitude / Scale);
    const QString fraction = QStringLiteral("%1").arg(magnitude % Scale, 4, 10, QLatin1Char('0'));
    return (negative ? QStringLiteral("-") : QString()) + units + QLatin1Char('.') + fraction;
}

Currency Currency::rounded(int decimals) const {
    if (decimals >= 4)
        return *this;
    std::int64_t step = 1;
    for (int d = decimals; d < 4; ++d)
        step *= 10;
    const std::int64_t half = step / 2;
    const std::int64_t magnitude = m_value < 0 ? -m_value : m_value;
    const std::int64_t roundedMagnitude = (magnitude + half) / step * step;
    return Currency(m_value < 0 ? -roundedMagnitude : roundedMagnitude);
}
