#pragma once
// Exact money: a signed 64-bit count of ten-thousandths (four decimal places),
// the way NUMERIC(18,4) is stored. No binary floating point on the way in or out.

#include <QMetaType>
#include <QString>
#include <QStringView>
#include <compare>
#include <cstdint>
#include <optional>

class Currency {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Currency() = default;
    static constexpr Currency fromRaw(std::int64_t tenThousandths) { return Currency(tenThousandths); }
    static constexpr Currency fromUnits(std::int64_t units) { return Currency(units * Scale); }
    // Nearest ten-thousandth of a double (half away from zero).
    static Currency fromDouble(double value);
    // Exact parse of a plain decimal text ("-1234.5678", "0,29" with decimal ','):
    // optional sign, digits, one decimal separator, up to four decimals.
    // Thousands separators are not accepted. Empty on anything else or overflow.
    static std::optional<Currency> parse(QStringView text, QChar decimalSeparator = QLatin1Char('.'));

    constexpr std::int64_t raw() const { return m_value; }
    double toDouble() const { return static_cast<double>(m_value) / Scale; }
    // Plain text with a dot and four decimals: "-1234.5000".
    QString toString() const;

    // Cut toward zero to whole hundredths (10,999 -> 10,99; -0,015 -> -0,01).
    constexpr Currency truncatedToCents() const { return Currency(m_value / 100 * 100); }
    // Rounded half away from zero to the given number of decimals (0..4).
    Currency rounded(int decimals) const;

    constexpr Currency operator-() const { return Currency(-m_value); }
    constexpr Currency operator+(Currency other) const { return Currency(m_value + other.m_value); }
    constexpr Currency operator-(Currency other) const { return Currency(m_value - other.m_value); }
    constexpr Currency& operator+=(Currency other) {
        m_value += other.m_value;
        return *this;
    }
    constexpr Currency& operator-=(Currency other) {
        m_value -= other.m_value;
        return *this;
    }
    constexpr auto operator<=>(const Currency&) const = default;

private:
    constexpr explicit Currency(std::int64_t value) : m_value(value) {}
    std::int64_t m_value = 0;
};

// Relocatable, so that QVariant holds it inline instead of on the heap.
Q_DECLARE_TYPEINFO(Currency, Q_RELOCATABLE_TYPE);
Q_DECLARE_METATYPE(Currency)
