#include "platform/base/SysUtils.h"

#include "platform/base/Exceptions.h"
#include "platform/base/FloatPattern.h"
#include "platform/base/FormatSettings.h"
#include "platform/base/SystemClock.h"

#include <QLocale>
#include <QTime>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr int FloatDigits = 15; // significant digits a double holds reliably

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(QStringView text) {
    if (text.isEmpty())
        return false;
    for (QChar c : text)
        if (!isAsciiDigit(c))
            return false;
    return true;
}

// The 15 significant digits of a finite, non-zero magnitude and the power of
// ten of the first one: value = d.ddd... x 10^exponent.
void significantDigits(double value, QString& digits, int& exponent) {
    const QString text = QString::number(std::fabs(value), 'e', FloatDigits - 1);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    digits = text.left(1) + text.mid(2, e - 2);
    exponent = text.mid(e + 1).toInt();
    while (digits.size() > 1 && digits.endsWith(QLatin1Char('0')))
        digits.chop(1);
}

FloatPattern::DecimalNumber decimalOf(double value) {
    FloatPattern::DecimalNumber number;
    if (value == 0)
        return number;
    number.negative = value < 0;
    QString digits;
    int exponent = 0;
    significantDigits(value, digits, exponent);
    const int integerLength = exponent + 1;
    if (integerLength <= 0) {
        number.fractionDigits = QString(-integerLength, QLatin1Char('0')) + digits;
    } else if (integerLength >= digits.size()) {
        number.integerDigits = digits + QString(integerLength - digits.size(), QLatin1Char('0'));
    } else {
        number.integerDigits = digits.left(integerLength);
        number.fractionDigits = digits.mid(integerLength);
    }
    return number;
}

std::uint64_t magnitudeOf(std::int64_t value) {
    return value < 0 ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
}

FloatPattern::DecimalNumber decimalOf(Currency value) {
    FloatPattern::DecimalNumber number;
    number.negative = value.raw() < 0;
    const std::uint64_t magnitude = magnitudeOf(value.raw());
    const std::uint64_t units = magnitude / Currency::Scale;
    if (units != 0)
        number.integerDigits = QString::number(units);
    number.fractionDigits = QStringLiteral("%1").arg(magnitude % Currency::Scale, 4, 10, QLatin1Char('0'));
    return number;
}

QString nonFiniteText(double value) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

// A number text in the program's format: sign, digits (grouped by thousands
// or not), decimal comma, decimals, exponent.
struct NumberText {
    bool negative = false;
    QString integerDigits;
    QString fractionDigits;
    int exponent = 0;
};

std::optional<NumberText> parseNumberText(QStringView text, bool allowExponent) {
    text = text.trimmed();
    NumberText number;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        number.negative = text[i] == QLatin1Char('-');
        ++i;
    }
    qsizetype end = i;
    while (end < text.size() && (isAsciiDigit(text[end]) || text[end] == FormatSettings::ThousandSeparator))
        ++end;
    const QStringView integerPart = text.mid(i, end - i);
    if (integerPart.contains(FormatSettings::ThousandSeparator)) {
        // Grouped: 1 to 3 digits, then groups of exactly three.
        const auto groups = integerPart.split(FormatSettings::ThousandSeparator);
        for (qsizetype g = 0; g < groups.size(); ++g) {
            const qsizetype size = groups[g].size();
            if (g == 0 ? (size < 1 || size > 3) : size != 3)
                return std::nullopt;
        }
    }
    for (QChar c : integerPart)
        if (c != FormatSettings::ThousandSeparator)
            number.integerDigits += c;
    i = end;
    if (i < text.size() && text[i] == FormatSettings::DecimalSeparator) {
        ++i;
        while (i < text.size() && isAsciiDigit(text[i]))
            number.fractionDigits += text[i++];
    }
    if (number.integerDigits.isEmpty() && number.fractionDigits.isEmpty())
        return std::nullopt;
    if (allowExponent && i < text.size() && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        ++i;
        qsizetype start = i;
        if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
            ++i;
        const qsizetype digitsStart = i;
        while (i < text.size() && isAsciiDigit(text[i]))
            ++i;
        if (i == digitsStart || i - digitsStart > 4)
            return std::nullopt;
        number.exponent = text.mid(start, i - start).toInt();
    }
    if (i != text.size())
        return std::nullopt;
    return number;
}

[[noreturn]] void invalidInteger(const QString& text) {
    throw EConvertError(QStringLiteral("\"%1\" não é um número inteiro válido").arg(text));
}

std::optional<std::int64_t> parseInteger(const QString& text) {
    const QStringView trimmed = QStringView(text).trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == QLatin1Char('-') || trimmed[i] == QLatin1Char('+'))) {
        negative = trimmed[i] == QLatin1Char('-');
        ++i;
    }
    const QStringView digits = trimmed.mid(i);
    if (!allDigits(digits))
        return std::nullopt;
    // Accumulate negatively so that the most negative value fits.
    constexpr std::int64_t minimum = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    for (QChar c : digits) {
        const int digit = c.unicode() - '0';
        if (value < (minimum + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == minimum)
            return std::nullopt;
        value = -value;
    }
    return value;
}

int twoDigitYear(int year) {
    const int pivot = SystemClock::Today().year() - FormatSettings::TwoDigitYearCenturyWindow;
    int result = pivot / 100 * 100 + year;
    if (result < pivot)
        result += 100;
    return result;
}

std::optional<QTime> parseTime(QStringView text) {
    const auto parts = text.split(FormatSettings::TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int values[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!allDigits(parts[i]) || parts[i].size() > 2)
            return std::nullopt;
        values[i] = parts[i].toInt();
    }
    const QTime time(values[0], values[1], values[2]);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

} // namespace

// ---- numbers to text ------------------------------------------------------------

QString FormatFloat(const QString& format, double value) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    return FloatPattern(format).Format(decimalOf(value));
}

QString FormatFloat(const QString& format, Currency value) {
    return FloatPattern(format).Format(decimalOf(value));
}

QString FloatToStr(double value) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return QStringLiteral("0");
    QString digits;
    int exponent = 0;
    significantDigits(value, digits, exponent);
    QString out = value < 0 ? QStringLiteral("-") : QString();
    if (exponent >= FloatDigits || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1)
            out += FormatSettings::DecimalSeparator + digits.mid(1);
        return out + QLatin1Char('E') + QString::number(exponent);
    }
    const FloatPattern::DecimalNumber number = decimalOf(value);
    out += number.integerDigits.isEmpty() ? QStringLiteral("0") : number.integerDigits;
    if (!number.fractionDigits.isEmpty())
        out += FormatSettings::DecimalSeparator + number.fractionDigits;
    return out;
}

QString CurrToStr(Currency value) {
    FloatPattern::DecimalNumber number = decimalOf(value);
    while (number.fractionDigits.endsWith(QLatin1Char('0')))
        number.fractionDigits.chop(1);
    QString out = number.negative ? QStringLiteral("-") : QString();
    out += number.integerDigits.isEmpty() ? QStringLiteral("0") : number.integerDigits;
    if (!number.fractionDigits.isEmpty())
        out += FormatSettings::DecimalSeparator + number.fractionDigits;
    return out;
}

QString IntToStr(std::int64_t value) {
    return QString::number(value);
}

// ---- text to numbers ----------------------------------------------------------------

int StrToInt(const QString& text) {
    const std::optional<std::int64_t> value = parseInteger(text);
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
        invalidInteger(text);
    return static_cast<int>(*value);
}

std::int64_t StrToInt64(const QString& text) {
    const std::optional<std::int64_t> value = parseInteger(text);
    if (!value)
        invalidInteger(text);
    return *value;
}

int StrToIntDef(const QString& text, int defaultValue) {
    const std::optional<std::int64_t> value = parseInteger(text);
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(*value);
}

std::int64_t StrToInt64Def(const QString& text, std::int64_t defaultValue) {
    return parseInteger(text).value_or(defaultValue);
}

bool TryStrToFloat(const QString& text, double& value) {
    const std::optional<NumberText> number = parseNumberText(text, true);
    if (!number)
        return false;
    QString plain = number->negative ? QStringLiteral("-") : QString();
    plain += number->integerDigits.isEmpty() ? QStringLiteral("0") : number->integerDigits;
    if (!number->fractionDigits.isEmpty())
        plain += QLatin1Char('.') + number->fractionDigits;
    plain += QLatin1Char('e') + QString::number(number->exponent);
    bool ok = false;
    const double result = QLocale::c().toDouble(plain, &ok);
    if (!ok || !std::isfinite(result))
        return false;
    value = result;
    return true;
}

double StrToFloat(const QString& text) {
    double value = 0;
    if (!TryStrToFloat(text, value))
        throw EConvertError(QStringLiteral("\"%1\" não é um número válido").arg(text));
    return value;
}

bool TryStrToCurr(const QString& text, Currency& value) {
    const std::optional<NumberText> number = parseNumberText(text, false);
    if (!number)
        return false;
    QString fraction = number->fractionDigits;
    const bool roundUp = fraction.size() > 4 && fraction[4] >= QLatin1Char('5');
    fraction = fraction.left(4).leftJustified(4, QLatin1Char('0'));
    constexpr std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    std::int64_t raw = 0;
    for (QChar c : number->integerDigits + fraction) {
        const int digit = c.unicode() - '0';
        if (raw > (limit - digit) / 10)
            return false;
        raw = raw * 10 + digit;
    }
    if (roundUp) {
        if (raw == limit)
            return false;
        ++raw;
    }
    value = Currency::fromRaw(number->negative ? -raw : raw);
    return true;
}

Currency StrToCurr(const QString& text) {
    Currency value;
    if (!TryStrToCurr(text, value))
        throw EConvertError(QStringLiteral("\"%1\" não é um número válido").arg(text));
    return value;
}

// ---- dates ----------------------------------------------------------------------------

bool TryStrToDate(const QString& text, QDate& value) {
    const auto parts = QStringView(text).trimmed().split(FormatSettings::DateSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    for (const QStringView part : parts)
        if (!allDigits(part) || part.size() > 4)
            return false;
    if (parts[0].size() > 2 || parts[1].size() > 2)
        return false;
    int year = SystemClock::Today().year();
    if (parts.size() == 3) {
        year = parts[2].toInt();
        if (parts[2].size() <= 2)
            year = twoDigitYear(year);
    }
    const QDate date(year, parts[1].toInt(), parts[0].toInt());
    if (!date.isValid() || year < 1)
        return false;
    value = date;
    return true;
}

QDate StrToDate(const QString& text) {
    QDate date;
    if (!TryStrToDate(text, date))
        throw EConvertError(QStringLiteral("\"%1\" não é uma data válida").arg(text));
    return date;
}

QDateTime StrToDateTime(const QString& text) {
    const QString trimmed = text.trimmed();
    const qsizetype blank = trimmed.indexOf(QLatin1Char(' '));
    QDate date;
    if (TryStrToDate(blank < 0 ? trimmed : trimmed.left(blank), date)) {
        if (blank < 0)
            return QDateTime(date, QTime(0, 0));
        if (const std::optional<QTime> time = parseTime(QStringView(trimmed).mid(blank + 1).trimmed()))
            return QDateTime(date, *time);
    }
    throw EConvertError(QStringLiteral("\"%1\" não é uma data e hora válida").arg(text));
}

QString DateToStr(const QDate& date) {
    return FormatDateTime(FormatSettings::ShortDateFormat.toString(), date);
}

QString DateTimeToStr(const QDateTime& value) {
    QString text = DateToStr(value.date());
    if (value.time() != QTime(0, 0))
        text += QLatin1Char(' ') + FormatDateTime(FormatSettings::LongTimeFormat.toString(), value);
    return text;
}

QString FormatDateTime(const QString& format, const QDate& value) {
    return FormatDateTime(format, QDateTime(value, QTime(0, 0)));
}

QString FormatDateTime(const QString& format, const QDateTime& value) {
    if (!value.isValid())
        return QString();
    const QDate date = value.date();
    const QTime time = value.time();
    QString out;
    bool afterHour = false;
    const auto run = [&](qsizetype i) {
        qsizetype n = 1;
        while (i + n < format.size() && format[i + n].toLower() == format[i].toLower())
            ++n;
        return n;
    };
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        const QChar lower = c.toLower();
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = format.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? format.size() : end;
            out += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (lower == QLatin1Char('c')) {
            out += DateTimeToStr(value);
            ++i;
            continue;
        }
        if (c == QLatin1Char('/')) {
            out += FormatSettings::DateSeparator;
            ++i;
            continue;
        }
        if (c == QLatin1Char(':')) {
            out += FormatSettings::TimeSeparator;
            ++i;
            continue;
        }
        const qsizetype n = run(i);
        if (lower == QLatin1Char('d')) {
            out += n >= 2 ? twoDigits(date.day()) : QString::number(date.day());
            i += qMin<qsizetype>(n, 2);
        } else if (lower == QLatin1Char('m') && afterHour) {
            out += n >= 2 ? twoDigits(time.minute()) : QString::number(time.minute());
            i += qMin<qsizetype>(n, 2);
        } else if (lower == QLatin1Char('m')) {
            out += n >= 2 ? twoDigits(date.month()) : QString::number(date.month());
            i += qMin<qsizetype>(n, 2);
        } else if (lower == QLatin1Char('y')) {
            out += n >= 3 ? QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'))
                          : twoDigits(date.year() % 100);
            i += n >= 3 ? qMin<qsizetype>(n, 4) : n;
        } else if (lower == QLatin1Char('h')) {
            out += n >= 2 ? twoDigits(time.hour()) : QString::number(time.hour());
            i += qMin<qsizetype>(n, 2);
        } else if (lower == QLatin1Char('n')) {
            out += n >= 2 ? twoDigits(time.minute()) : QString::number(time.minute());
            i += qMin<qsizetype>(n, 2);
        } else if (lower == QLatin1Char('s')) {
            out += n >= 2 ? twoDigits(time.second()) : QString::number(time.second());
            i += qMin<qsizetype>(n, 2);
        } else if (lower == QLatin1Char('z')) {
            out += n >= 3 ? QStringLiteral("%1").arg(time.msec(), 3, 10, QLatin1Char('0'))
                          : QString::number(time.msec());
            i += n >= 3 ? 3 : 1;
        } else {
            out += c;
            ++i;
            continue;
        }
        afterHour = lower == QLatin1Char('h');
    }
    return out;
}

// ---- Format -----------------------------------------------------------------------------

namespace {

constexpr int MaxFormatCount = 9999;

[[noreturn]] void invalidFormat(const QString& format) {
    throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(format));
}

bool isInteger(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return true;
    default:
        return false;
    }
}

bool isText(const QVariant& v) {
    return v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QChar ||
           v.typeId() == QMetaType::QByteArray;
}

// The digits of an integer argument as the type letter shows them.
QString integerDigits(const QVariant& v, QChar type, bool& negative) {
    negative = false;
    if (type == QLatin1Char('d')) {
        if (v.typeId() == QMetaType::ULongLong || v.typeId() == QMetaType::ULong)
            return QString::number(v.toULongLong());
        const qlonglong n = v.toLongLong();
        negative = n < 0;
        return QString::number(magnitudeOf(n));
    }
    // u and x show negative numbers as their two's complement, in 32 bits
    // for the 32-bit types.
    const bool narrow = v.typeId() == QMetaType::Int || v.typeId() == QMetaType::Short ||
                        v.typeId() == QMetaType::UInt || v.typeId() == QMetaType::UShort;
    const std::uint64_t bits =
        narrow ? static_cast<std::uint32_t>(v.toLongLong()) : static_cast<std::uint64_t>(v.toLongLong());
    return type == QLatin1Char('x') ? QString::number(bits, 16).toUpper() : QString::number(bits);
}

QString fixed(const QVariant& v, int decimals, bool thousands) {
    const QString pattern =
        QString(thousands ? QStringLiteral("#,##0") : QStringLiteral("0")) +
        (decimals > 0 ? QStringLiteral(".") + QString(decimals, QLatin1Char('0')) : QString());
    if (v.metaType() == QMetaType::fromType<Currency>())
        return FormatFloat(pattern, v.value<Currency>());
    if (isInteger(v))
        return FormatFloat(pattern, Currency::fromUnits(v.toLongLong()));
    return FormatFloat(pattern, v.toDouble());
}

bool isNumber(const QVariant& v) {
    return isInteger(v) || v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float ||
           v.metaType() == QMetaType::fromType<Currency>();
}

} // namespace

QString Format(const QString& format, const QVariantList& args) {
    QString out;
    qsizetype next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c != QLatin1Char('%')) {
            out += c;
            continue;
        }
        if (++i >= format.size())
            invalidFormat(format);
        if (format[i] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            continue;
        }
        bool left = false;
        if (format[i] == QLatin1Char('-')) {
            left = true;
            ++i;
        }
        // Widths and precisions beyond MaxFormatCount are refused rather than
        // padded out to gigabytes.
        const auto readCount = [&] {
            int count = 0;
            while (i < format.size() && isAsciiDigit(format[i])) {
                count = count * 10 + (format[i++].unicode() - '0');
                if (count > MaxFormatCount)
                    invalidFormat(format);
            }
            return count;
        };
        const int width = readCount();
        int precision = -1;
        if (i < format.size() && format[i] == QLatin1Char('.')) {
            ++i;
            precision = readCount();
        }
        if (i >= format.size() || next >= args.size())
            invalidFormat(format);
        const QChar type = format[i].toLower();
        const QVariant& arg = args[next++];
        QString text;
        if (type == QLatin1Char('s')) {
            if (!isText(arg))
                invalidFormat(format);
            text = arg.toString();
            if (precision >= 0)
                text.truncate(precision);
        } else if (type == QLatin1Char('d') || type == QLatin1Char('u') || type == QLatin1Char('x')) {
            if (!isInteger(arg))
                invalidFormat(format);
            bool negative = false;
            text = integerDigits(arg, type, negative);
            if (precision > text.size())
                text = text.rightJustified(precision, QLatin1Char('0'));
            if (negative)
                text.prepend(QLatin1Char('-'));
        } else if (type == QLatin1Char('f') || type == QLatin1Char('n')) {
            if (!isNumber(arg))
                invalidFormat(format);
            text = fixed(arg, precision < 0 ? 2 : precision, type == QLatin1Char('n'));
        } else {
            invalidFormat(format);
        }
        out += left ? text.leftJustified(width) : text.rightJustified(width);
    }
    return out;
}
