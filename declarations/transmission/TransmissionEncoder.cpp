#include "declarations/transmission/TransmissionEncoder.h"

#include "declarations/transmission/ETransmissionError.h"
#include "platform/base/Currency.h"

#include <QDate>

using namespace TransmissionFormat;

namespace {

const QString HeaderType = QStringLiteral("0000");
const QString TrailerType = QStringLiteral("9999");
const QString HeaderMark = QStringLiteral("S");
constexpr int VersionWidth = 10;
constexpr int ControlTotalWidth = 25;
constexpr int CountWidth = 5;
const QString DateTimeFormat = QStringLiteral("yyyyMMddhhmmss");
const QString DateFormat = QStringLiteral("yyyyMMdd");
const QString DateTimeOfDate = QStringLiteral("000000");

// A whole number zero-padded on the left to width, the sign first; what
// does not fit raises.
QString Zeros(std::int64_t value, int width, const QString& what) {
    const bool negative = value < 0;
    // The magnitude of the smallest int64 has no int64: go through unsigned.
    const std::uint64_t magnitude =
        negative ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
    QString digits = QString::number(magnitude);
    const int room = width - (negative ? 1 : 0);
    if (digits.size() > room)
        throw ETransmissionError(
            QStringLiteral("%1: the number %2 does not fit %3 characters").arg(what).arg(value).arg(width));
    digits = digits.rightJustified(room, QLatin1Char('0'));
    return negative ? QLatin1Char('-') + digits : digits;
}

// A text zero-padded on the left; a longer one raises.
QString Zeros(const QString& text, int width, const QString& what) {
    if (text.size() > width)
        throw ETransmissionError(
            QStringLiteral("%1: \"%2\" does not fit %3 characters").arg(what, text).arg(width));
    return text.rightJustified(width, QLatin1Char('0'));
}

// A text fit for one line of the file: line breaks become one blank each
// (a CR LF pair one blank), a character beyond the Basic Multilingual Plane
// one "?", so every character is one byte of the file.
QString OneLine(const QString& text) {
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            line += QLatin1Char(' ');
        } else if (c == QLatin1Char('\n')) {
            line += QLatin1Char(' ');
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            line += QLatin1Char('?');
        } else if (c.isSurrogate()) {
            line += QLatin1Char('?');
        } else {
            line += c;
        }
    }
    return line;
}

bool IsWholeNumber(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return true;
    default:
        return false;
    }
}

// The whole number a numeric value holds; raises for fractions and non-numbers.
std::int64_t WholeNumber(const QVariant& value, const QString& what) {
    if (IsWholeNumber(value))
        return value.toLongLong();
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        const Currency amount = value.value<Currency>();
        if (amount.raw() % Currency::Scale == 0)
            return amount.raw() / Currency::Scale;
    } else if (value.typeId() == QMetaType::Double) {
        const double number = value.toDouble();
        if (number == static_cast<double>(static_cast<std::int64_t>(number)))
            return static_cast<std::int64_t>(number);
    }
    throw ETransmissionError(QStringLiteral("%1: %2 is not a whole number").arg(what, value.toString()));
}

QString FieldName(const LayoutField& field) {
    return QStringLiteral("Field %1").arg(field.Column);
}

} // namespace

std::int64_t TransmissionEncoder::Cents(const QVariant& value, const QString& column) {
    if (!value.isValid() || value.isNull())
        return 0;
    Currency amount;
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        amount = value.value<Currency>();
    } else if (IsWholeNumber(value)) {
        const std::int64_t units = value.toLongLong();
        std::int64_t cents = 0;
        if (__builtin_mul_overflow(units, std::int64_t{100}, &cents))
            throw ETransmissionError(QStringLiteral("Field %1: %2 is too large").arg(column).arg(units));
        return cents;
    } else if (value.typeId() == QMetaType::Double) {
        amount = Currency::fromDouble(value.toDouble());
    } else if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        std::optional<Currency> parsed = Currency::parse(text);
        if (!parsed)
            parsed = Currency::parse(text, QLatin1Char(','));
        if (!parsed)
            throw ETransmissionError(
                QStringLiteral("Field %1: \"%2\" is not an amount").arg(column, value.toString()));
        amount = *parsed;
    } else {
        throw ETransmissionError(
            QStringLiteral("Field %1: %2 is not an amount").arg(column, value.toString()));
    }
    return amount.raw() / (Currency::Scale / 100);
}

QString TransmissionEncoder::EncodeField(const LayoutField& field, const QVariant& value) {
    const bool absent = !value.isValid() || value.isNull();
    if (field.Type == TextField) {
        const QString text = absent ? QString() : OneLine(value.toString());
        return text.left(field.Width).leftJustified(field.Width, QLatin1Char(' '));
    }
    if (field.Type == DateField) {
        if (absent)
            return QString(field.Width, QLatin1Char(' '));
        QDate date;
        if (value.typeId() == QMetaType::QDate)
            date = value.toDate();
        else if (value.typeId() == QMetaType::QDateTime)
            date = value.toDateTime().date();
        if (!date.isValid())
            throw ETransmissionError(
                QStringLiteral("%1: %2 is not a date").arg(FieldName(field), value.toString()));
        return (date.toString(DateFormat) + DateTimeOfDate).leftJustified(field.Width, QLatin1Char(' '));
    }
    if (field.Type == NumberField) {
        if (field.Decimals == CentsDecimals)
            return Zeros(Cents(value, field.Column), field.Width, FieldName(field));
        if (absent)
            return Zeros(0, field.Width, FieldName(field));
        if (value.typeId() == QMetaType::QString)
            return Zeros(value.toString(), field.Width, FieldName(field));
        return Zeros(WholeNumber(value, FieldName(field)), field.Width, FieldName(field));
    }
    throw ETransmissionError(
        QStringLiteral("%1 has the unknown type \"%2\"").arg(FieldName(field), field.Type));
}

void TransmissionEncoder::AddToControlTotal(std::int64_t cents) {
    if (__builtin_add_overflow(m_controlTotal, cents, &m_controlTotal))
        throw ETransmissionError(QStringLiteral("The control total of the file overflows"));
}

QString TransmissionEncoder::Numbered(QString record) {
    if (record.size() != RecordWidth)
        throw ETransmissionError(
            QStringLiteral("A record of %1 characters where %2 are due").arg(record.size()).arg(RecordWidth));
    if (m_lines >= MaxLines)
        throw ETransmissionError(QStringLiteral("The file would have more than %1 lines").arg(MaxLines));
    ++m_lines;
    return record + Zeros(m_lines, LineNumberWidth, QStringLiteral("Line number"));
}

QString TransmissionEncoder::Header(const QDateTime& moment, const QString& version) {
    QString record = HeaderType + moment.toString(DateTimeFormat) + HeaderMark +
                     OneLine(version).left(VersionWidth).leftJustified(VersionWidth, QLatin1Char(' '));
    return Numbered(record.leftJustified(RecordWidth, QLatin1Char(' ')));
}

QString TransmissionEncoder::Detail(const RecordLayout& layout, const QVariantList& row) {
    if (row.size() != static_cast<qsizetype>(layout.Fields.size()))
        throw ETransmissionError(QStringLiteral("Record %1: %2 values for %3 fields")
                                     .arg(layout.RecordType)
                                     .arg(row.size())
                                     .arg(layout.Fields.size()));
    QString record = Zeros(layout.RecordType, RecordTypeWidth, QStringLiteral("Record type"));
    record.reserve(RecordWidth);
    std::int64_t cents = 0;
    for (std::size_t i = 0; i < layout.Fields.size(); ++i) {
        const LayoutField& field = layout.Fields[i];
        record += EncodeField(field, row[static_cast<qsizetype>(i)]);
        if (field.Decimals != 0 &&
            __builtin_add_overflow(cents, Cents(row[static_cast<qsizetype>(i)], field.Column), &cents))
            throw ETransmissionError(
                QStringLiteral("Record %1: the amounts overflow").arg(layout.RecordType));
    }
    if (record.size() > RecordWidth)
        throw ETransmissionError(
            QStringLiteral("Record %1: the fields take %2 characters, the record holds %3")
                .arg(layout.RecordType)
                .arg(record.size() - RecordTypeWidth)
                .arg(TransmissionFormat::FieldsWidth));
    AddToControlTotal(cents);
    return Numbered(record.leftJustified(RecordWidth, QLatin1Char(' ')));
}

QString TransmissionEncoder::Trailer() {
    const int lines = m_lines + 1; // the trailer itself
    const QString record = TrailerType +
                           Zeros(m_controlTotal, ControlTotalWidth, QStringLiteral("Control total")) +
                           Zeros(m_declarations, CountWidth, QStringLiteral("Declarations")) +
                           Zeros(lines, CountWidth, QStringLiteral("Lines"));
    return Numbered(record.leftJustified(RecordWidth, QLatin1Char(' ')));
}
