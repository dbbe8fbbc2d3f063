#include "declarations/transmission/TransmissionEncoder.h"

#include "declarations/transmission/ETransmissionError.h"
#include "platform/base/Currency.h"

#include <QDate>

#include <algorithm>
#include <charconv>

using namespace TransmissionFormat;

namespace {

constexpr std::int64_t HeaderType = 0;
constexpr std::int64_t TrailerType = 9999;
const QString HeaderMark = QStringLiteral("S");
constexpr int VersionWidth = 10;
constexpr int ControlTotalWidth = 25;
constexpr int CountWidth = 5;
const QString DateTimeFormat = QStringLiteral("yyyyMMddhhmmss");
// A date is written yyyymmdd followed by the six zeros of its time.
constexpr int DateDigits = 8;
// Room for the digits of any 64-bit number.
constexpr int MaxDigits = 24;

bool Absent(const QVariant& value) {
    return !value.isValid() || value.isNull();
}

bool IsCurrency(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<Currency>();
}

Currency CurrencyOf(const QVariant& value) {
    return *static_cast<const Currency*>(value.constData());
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

// What the messages name: a field by its column, or a part of the header or trailer.
QString FieldName(const LayoutField& field) {
    return QStringLiteral("Field %1").arg(field.Column);
}
const QString RecordTypeName = QStringLiteral("Record type");
const QString LineNumberName = QStringLiteral("Line number");

// The whole number a numeric value holds; raises for fractions and non-numbers.
std::int64_t WholeNumber(const QVariant& value, const LayoutField& field) {
    if (IsWholeNumber(value))
        return value.toLongLong();
    if (IsCurrency(value)) {
        const Currency amount = CurrencyOf(value);
        if (amount.raw() % Currency::Scale == 0)
            return amount.raw() / Currency::Scale;
    } else if (value.typeId() == QMetaType::Double) {
        const double number = value.toDouble();
        if (number == static_cast<double>(static_cast<std::int64_t>(number)))
            return static_cast<std::int64_t>(number);
    }
    throw ETransmissionError(
        QStringLiteral("%1: %2 is not a whole number").arg(FieldName(field), value.toString()));
}

// Writes a line of TransmissionFormat::LineWidth characters from its start:
// each piece takes exactly its width, the rest of the record stays blank
// and the line number closes it. The line's memory is kept from line to line.
class LineCursor {
public:
    explicit LineCursor(QString& line) {
        if (line.size() != LineWidth)
            line.resize(LineWidth);
        m_data = line.data();
        std::fill(m_data, m_data + RecordWidth, QLatin1Char(' '));
    }

    // Raises unless `width` more characters fit the record.
    void Room(int width, const LayoutField& field) const {
        if (width > RecordWidth - m_position)
            throw ETransmissionError(QStringLiteral("%1 does not fit the %2 characters of the record")
                                         .arg(FieldName(field))
                                         .arg(RecordWidth));
    }

    void Skip(int width) { m_position += width; }

    void Zeros(std::int64_t value, int width, const LayoutField& field) {
        if (!TryZeros(value, width))
            throw ETransmissionError(QStringLiteral("%1: the number %2 does not fit %3 characters")
                                         .arg(FieldName(field))
                                         .arg(value)
                                         .arg(width));
    }
    void Zeros(std::int64_t value, int width, const QString& what) {
        if (!TryZeros(value, width))
            throw ETransmissionError(QStringLiteral("%1: the number %2 does not fit %3 characters")
                                         .arg(what)
                                         .arg(value)
                                         .arg(width));
    }

    // A whole number zero-padded on the left to width, the sign first;
    // false (and nothing written) when it does not fit.
    bool TryZeros(std::int64_t value, int width) {
        const bool negative = value < 0;
        // The magnitude of the smallest int64 has no int64: go through unsigned.
        const std::uint64_t magnitude =
            negative ? static_cast<std::uint64_t>(-(value + 1)) + 1 : static_cast<std::uint64_t>(value);
        char digits[MaxDigits];
        const int count = static_cast<int>(std::to_chars(digits, digits + MaxDigits, magnitude).ptr - digits);
        const int room = width - (negative ? 1 : 0);
        if (count > room)
            return false;
        QChar* out = m_data + m_position;
        if (negative)
            *out++ = QLatin1Char('-');
        out = std::fill_n(out, room - count, QLatin1Char('0'));
        for (int i = 0; i < count; ++i)
            out[i] = QLatin1Char(digits[i]);
        m_position += width;
        return true;
    }

    // A text zero-padded on the left; a longer one raises.
    void Zeros(const QString& text, int width, const LayoutField& field) {
        if (text.size() > width)
            throw ETransmissionError(QStringLiteral("%1: \"%2\" does not fit %3 characters")
                                         .arg(FieldName(field), text)
                                         .arg(width));
        QChar* out = std::fill_n(m_data + m_position, width - text.size(), QLatin1Char('0'));
        std::copy(text.cbegin(), text.cend(), out);
        m_position += width;
    }

    // At most `width` characters of a text fit for one line of the file,
    // blank-padded: line breaks and every other control character become one
    // blank each (a CR LF pair one blank), a character beyond the Basic Multilingual Plane one "?", so
    // every character is one byte of the file.
    void Text(const QString& text, int width) {
        const QChar* in = text.constData();
        const qsizetype size = text.size();
        QChar* out = m_data + m_position;
        int written = 0;
        for (qsizetype i = 0; i < size && written < width; ++i, ++written) {
            const QChar c = in[i];
            if (c == QLatin1Char('\r')) {
                if (i + 1 < size && in[i + 1] == QLatin1Char('\n'))
                    ++i;
                out[written] = QLatin1Char(' ');
            } else if (c.unicode() < 0x20 || c.unicode() == 0x7f) {
                // A line feed, a tab, an end-of-file mark or any other
                // control character would break the file's fixed lines.
                out[written] = QLatin1Char(' ');
            } else if (c.isSurrogate()) {
                if (c.isHighSurrogate() && i + 1 < size && in[i + 1].isLowSurrogate())
                    ++i;
                out[written] = QLatin1Char('?');
            } else {
                out[written] = c;
            }
        }
        m_position += width; // the rest is blank already
    }

    // The text as it stands (the moment of the header).
    void Plain(const QString& text) {
        std::copy(text.cbegin(), text.cend(), m_data + m_position);
        m_position += static_cast<int>(text.size());
    }

    void Date(const QDate& date, const LayoutField& field) {
        if (!date.isValid() || date.year() < 1 || date.year() > 9999)
            throw ETransmissionError(
                QStringLiteral("%1: %2 is not a date").arg(FieldName(field), date.toString()));
        const int start = m_position;
        Zeros(date.year() * 10000LL + date.month() * 100 + date.day(), DateDigits, field);
        std::fill_n(m_data + m_position, DateWidth - DateDigits, QLatin1Char('0'));
        m_position = start + field.Width;
    }

    // The line number after the record.
    void Number(int line) {
        m_position = RecordWidth;
        Zeros(line, LineNumberWidth, LineNumberName);
    }

private:
    QChar* m_data = nullptr;
    int m_position = 0;
};

// Writes the field; returns the amount in cents it adds to the control
// total (0 for a field without decimals).
std::int64_t WriteField(LineCursor& line, const LayoutField& field, const QVariant& value) {
    line.Room(field.Width, field);
    if (field.Type == NumberField && field.Decimals == CentsDecimals) {
        const std::int64_t cents = TransmissionEncoder::Cents(value, field.Column);
        line.Zeros(cents, field.Width, field);
        return cents;
    }
    if (field.Type == TextField) {
        if (Absent(value))
            line.Skip(field.Width);
        else
            line.Text(value.toString(), field.Width);
    } else if (field.Type == DateField) {
        if (Absent(value))
            line.Skip(field.Width);
        else if (value.typeId() == QMetaType::QDate)
            line.Date(value.toDate(), field);
        else if (value.typeId() == QMetaType::QDateTime)
            line.Date(value.toDateTime().date(), field);
        else
            throw ETransmissionError(
                QStringLiteral("%1: %2 is not a date").arg(FieldName(field), value.toString()));
    } else if (field.Type == NumberField) {
        if (Absent(value))
            line.Zeros(0, field.Width, field);
        else if (value.typeId() == QMetaType::QString)
            line.Zeros(value.toString(), field.Width, field);
        else
            line.Zeros(WholeNumber(value, field), field.Width, field);
    } else {
        throw ETransmissionError(
            QStringLiteral("%1 has the unknown type \"%2\"").arg(FieldName(field), field.Type));
    }
    return field.Decimals == 0 ? 0 : TransmissionEncoder::Cents(value, field.Column);
}

} // namespace

std::int64_t TransmissionEncoder::Cents(const QVariant& value, const QString& column) {
    if (Absent(value))
        return 0;
    Currency amount;
    if (IsCurrency(value)) {
        amount = CurrencyOf(value);
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
    QString line;
    LineCursor cursor(line);
    WriteField(cursor, field, value);
    return line.left(field.Width);
}

void TransmissionEncoder::AddToControlTotal(std::int64_t cents) {
    if (__builtin_add_overflow(m_controlTotal, cents, &m_controlTotal))
        throw ETransmissionError(QStringLiteral("The control total of the file overflows"));
}

void TransmissionEncoder::CheckRoom() const {
    if (m_lines >= MaxLines)
        throw ETransmissionError(QStringLiteral("The file would have more than %1 lines").arg(MaxLines));
}

QString TransmissionEncoder::Header(const QDateTime& moment, const QString& version) {
    CheckRoom();
    QString line;
    LineCursor cursor(line);
    cursor.Zeros(HeaderType, RecordTypeWidth, RecordTypeName);
    cursor.Plain(moment.toString(DateTimeFormat));
    cursor.Plain(HeaderMark);
    cursor.Text(version, VersionWidth);
    cursor.Number(++m_lines);
    return line;
}

QString TransmissionEncoder::Detail(const RecordLayout& layout, const QVariantList& row) {
    QString line;
    Detail(layout, row, line);
    return line;
}

void TransmissionEncoder::Detail(const RecordLayout& layout, const QVariantList& row, QString& line) {
    if (row.size() != static_cast<qsizetype>(layout.Fields.size()))
        throw ETransmissionError(QStringLiteral("Record %1: %2 values for %3 fields")
                                     .arg(layout.RecordType)
                                     .arg(row.size())
                                     .arg(layout.Fields.size()));
    CheckRoom();
    LineCursor cursor(line);
    cursor.Zeros(layout.RecordType, RecordTypeWidth, RecordTypeName);
    std::int64_t cents = 0;
    for (std::size_t i = 0; i < layout.Fields.size(); ++i)
        if (__builtin_add_overflow(
                cents, WriteField(cursor, layout.Fields[i], row[static_cast<qsizetype>(i)]), &cents))
            throw ETransmissionError(
                QStringLiteral("Record %1: the amounts overflow").arg(layout.RecordType));
    AddToControlTotal(cents);
    cursor.Number(++m_lines);
}

QString TransmissionEncoder::Trailer() {
    CheckRoom();
    QString line;
    LineCursor cursor(line);
    cursor.Zeros(TrailerType, RecordTypeWidth, RecordTypeName);
    cursor.Zeros(m_controlTotal, ControlTotalWidth, QStringLiteral("Control total"));
    cursor.Zeros(m_declarations, CountWidth, QStringLiteral("Declarations"));
    cursor.Zeros(m_lines + 1, CountWidth, QStringLiteral("Lines")); // with the trailer itself
    cursor.Number(++m_lines);
    return line;
}
