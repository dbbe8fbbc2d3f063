#include "platform/db/TIBXSQLVAR.h"

#include "platform/base/Exceptions.h"
#include "platform/db/TIBSQL.h"

#include <ibase.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

// Days between the engine's day zero (17 November 1858) and the Julian day count.
constexpr qint64 EngineDayZero = 2400001;
// The engine counts times in ten-thousandths of a second.
constexpr qint64 TimeUnitsPerMs = 10;
constexpr int CharsetOctets = 1;
constexpr int CharsetUtf8 = 4;

int BytesPerCharacter(int charset) {
    switch (charset) {
    case 3: // UNICODE_FSS
        return 3;
    case CharsetUtf8:
        return 4;
    case 5:  // SJIS_0208
    case 6:  // EUCJ_0208
    case 44: // KSC_5601
    case 56: // BIG_5
    case 57: // GB_2312
        return 2;
    default:
        return 1;
    }
}

qint64 PowerOfTen(int exponent) {
    qint64 result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

// value / 10^exponent, rounded half away from zero.
qint64 DivideRounded(qint64 value, int exponent) {
    if (exponent > 18)
        return 0;
    const qint64 divisor = PowerOfTen(exponent);
    const qint64 quotient = value / divisor;
    const qint64 remainder = value % divisor;
    if (2 * std::abs(remainder) >= divisor)
        return quotient + (value < 0 ? -1 : 1);
    return quotient;
}

QString ScaledToText(qint64 value, int decimals) {
    const bool negative = value < 0;
    // Work on the unsigned magnitude so that the smallest int64 prints too.
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    QString digits = QString::number(magnitude);
    if (decimals > 0) {
        if (digits.size() <= decimals)
            digits = QString(decimals - digits.size() + 1, QLatin1Char('0')) + digits;
        digits.insert(digits.size() - decimals, QLatin1Char('.'));
    }
    return negative ? QLatin1Char('-') + digits : digits;
}

template <typename T> T Read(const QByteArray& data, int offset = 0) {
    T value{};
    if (data.size() >= offset + static_cast<int>(sizeof(T)))
        std::memcpy(&value, data.constData() + offset, sizeof(T));
    return value;
}

template <typename T> QByteArray Bytes(const T& value) {
    return QByteArray(reinterpret_cast<const char*>(&value), sizeof(T));
}

QDate FromEngineDate(ISC_DATE days) {
    return QDate::fromJulianDay(days + EngineDayZero);
}

QTime FromEngineTime(ISC_TIME units) {
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(units / TimeUnitsPerMs));
}

} // namespace

void TIBXSQLVAR::Describe(const void* sqlvar, int index, bool keepValue) {
    const auto& v = *static_cast<const XSQLVAR*>(sqlvar);
    const short type = static_cast<short>(v.sqltype & ~1);
    m_index = index;
    m_nullable = (v.sqltype & 1) != 0;
    m_describedScale = v.sqlscale;
    m_sqlName = QString::fromUtf8(v.sqlname, v.sqlname_length);
    m_relationName = QString::fromUtf8(v.relname, v.relname_length);
    m_name = QString::fromUtf8(v.aliasname, v.aliasname_length);
    if (m_name.isEmpty())
        m_name = m_sqlName;
    m_size = v.sqllen;
    switch (type) {
    case SQL_TEXT:
        m_describedType = TIBSqlType::Char;
        m_size = v.sqllen / BytesPerCharacter(v.sqlsubtype & 0xFF);
        break;
    case SQL_VARYING:
        m_describedType = TIBSqlType::VarChar;
        m_size = v.sqllen / BytesPerCharacter(v.sqlsubtype & 0xFF);
        break;
    case SQL_SHORT:
        m_describedType = TIBSqlType::SmallInt;
        break;
    case SQL_LONG:
        m_describedType = TIBSqlType::Integer;
        break;
    case SQL_INT64:
        m_describedType = TIBSqlType::BigInt;
        break;
    case SQL_FLOAT:
        m_describedType = TIBSqlType::Float;
        break;
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        m_describedType = TIBSqlType::Double;
        break;
    case SQL_TYPE_DATE:
        m_describedType = TIBSqlType::Date;
        break;
    case SQL_TYPE_TIME:
        m_describedType = TIBSqlType::Time;
        break;
    case SQL_TIMESTAMP:
        m_describedType = TIBSqlType::TimeStamp;
        break;
    case SQL_BLOB:
        m_describedType = v.sqlsubtype == isc_blob_text ? TIBSqlType::TextBlob : TIBSqlType::Blob;
        break;
    case SQL_BOOLEAN:
        m_describedType = TIBSqlType::Boolean;
        break;
    default:
        m_describedType = TIBSqlType::Unknown;
        break;
    }
    if (keepValue)
        return;
    Reserve(Storage{type, v.sqlscale, v.sqlsubtype, v.sqllen});
    // Columns that cannot be null do not get their indicator written.
    m_indicator = m_nullable ? -1 : 0;
}

void TIBXSQLVAR::Reserve(const Storage& storage) {
    m_storage = storage;
    const int bytes = storage.type == SQL_VARYING ? storage.length + 2 : storage.length;
    m_data = QByteArray(std::max(bytes, 1), '\0');
}

void TIBXSQLVAR::Store(short type, short scale, short subType, const void* bytes, int length) {
    m_storage = Storage{type, scale, subType, length};
    m_data = QByteArray(static_cast<const char*>(bytes), length);
    m_indicator = 0;
}

QByteArrayView TIBXSQLVAR::TextView() const {
    if (m_storage.type == SQL_VARYING) {
        const int length = std::min<int>(Read<unsigned short>(m_data), static_cast<int>(m_data.size()) - 2);
        return QByteArrayView(m_data.constData() + 2, std::max(length, 0));
    }
    return QByteArrayView(m_data.constData(),
                          std::min<int>(m_storage.length, static_cast<int>(m_data.size())));
}

QByteArray TIBXSQLVAR::TextBytes() const {
    return TextView().toByteArray(); // a deep copy: the engine rewrites m_data on the next fetch
}

std::int64_t TIBXSQLVAR::ScaledValue() const {
    switch (m_storage.type) {
    case SQL_SHORT:
        return Read<qint16>(m_data);
    case SQL_LONG:
        return Read<qint32>(m_data);
    default:
        return Read<qint64>(m_data);
    }
}

void TIBXSQLVAR::ConversionError(const char* target) const {
    throw EConvertError(QStringLiteral("Cannot read the value of %1 as %2.")
                            .arg(m_name.isEmpty() ? QStringLiteral("parameter %1").arg(m_index + 1) : m_name,
                                 QLatin1String(target)));
}

std::optional<QByteArrayView> TIBXSQLVAR::Utf8Text() const {
    if (IsNull() || (m_storage.type != SQL_TEXT && m_storage.type != SQL_VARYING) ||
        (m_storage.subType & 0xFF) == CharsetOctets)
        return std::nullopt;
    return TextView();
}

bool TIBXSQLVAR::ExactMoney() const {
    const bool integer =
        m_storage.type == SQL_SHORT || m_storage.type == SQL_LONG || m_storage.type == SQL_INT64;
    return integer && m_storage.scale < 0 && m_storage.scale >= -4;
}

bool TIBXSQLVAR::PaddedText() const {
    return m_storage.type == SQL_TEXT && m_describedType == TIBSqlType::Char;
}

QString TIBXSQLVAR::AsString() const {
    if (IsNull())
        return QString();
    switch (m_storage.type) {
    case SQL_TEXT:
    case SQL_VARYING: {
        const QByteArrayView bytes = TextView();
        QString text = (m_storage.subType & 0xFF) == CharsetOctets ? QString::fromLatin1(bytes)
                                                                   : QString::fromUtf8(bytes);
        if (PaddedText()) {
            qsizetype end = text.size();
            while (end > 0 && text[end - 1] == QLatin1Char(' '))
                --end;
            text.truncate(end);
        }
        return text;
    }
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return ScaledToText(ScaledValue(), -m_storage.scale);
    case SQL_FLOAT:
        return QString::number(Read<float>(m_data), 'g', 7);
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return QString::number(Read<double>(m_data), 'g', 15);
    case SQL_TYPE_DATE:
        return AsDate().toString(Qt::ISODate);
    case SQL_TYPE_TIME:
        return AsTime().toString(QStringLiteral("HH:mm:ss"));
    case SQL_TIMESTAMP:
        return AsDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case SQL_BLOB:
        return m_storage.subType == isc_blob_text ? QString::fromUtf8(AsBytes())
                                                  : QString::fromLatin1(AsBytes());
    case SQL_BOOLEAN:
        return AsBoolean() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        ConversionError("text");
    }
}

std::int64_t TIBXSQLVAR::AsInt64() const {
    if (IsNull())
        return 0;
    switch (m_storage.type) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return m_storage.scale < 0 ? DivideRounded(ScaledValue(), -m_storage.scale) : ScaledValue();
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT: {
        const double value = AsDouble();
        if (!std::isfinite(value) || std::fabs(value) >= 9.2e18)
            ConversionError("an integer");
        return std::llround(value);
    }
    case SQL_TEXT:
    case SQL_VARYING: {
        const QString text = AsString().trimmed();
        bool ok = false;
        const qint64 value = text.toLongLong(&ok);
        if (ok)
            return value;
        const auto money = Currency::parse(text);
        if (!money)
            ConversionError("an integer");
        return DivideRounded(money->raw(), 4);
    }
    case SQL_BOOLEAN:
        return AsBoolean() ? 1 : 0;
    default:
        ConversionError("an integer");
    }
}

int TIBXSQLVAR::AsInteger() const {
    const std::int64_t value = AsInt64();
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        ConversionError("a 32-bit integer");
    return static_cast<int>(value);
}

double TIBXSQLVAR::AsDouble() const {
    if (IsNull())
        return 0.0;
    switch (m_storage.type) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        if (m_storage.scale < 0)
            return static_cast<double>(ScaledValue()) / static_cast<double>(PowerOfTen(-m_storage.scale));
        return static_cast<double>(ScaledValue());
    case SQL_FLOAT:
        return Read<float>(m_data);
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return Read<double>(m_data);
    case SQL_TEXT:
    case SQL_VARYING: {
        bool ok = false;
        const double value = AsString().trimmed().toDouble(&ok);
        if (!ok)
            ConversionError("a number");
        return value;
    }
    default:
        ConversionError("a number");
    }
}

Currency TIBXSQLVAR::AsCurrency() const {
    if (IsNull())
        return Currency();
    switch (m_storage.type) {
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64: {
        const qint64 value = ScaledValue();
        const int shift = 4 + m_storage.scale;
        if (shift == 0) // four decimals, as money is kept
            return Currency::fromRaw(value);
        if (shift < 0)
            return Currency::fromRaw(DivideRounded(value, -shift));
        const qint64 factor = PowerOfTen(shift);
        if (value > std::numeric_limits<qint64>::max() / factor ||
            value < std::numeric_limits<qint64>::min() / factor)
            ConversionError("a currency amount");
        return Currency::fromRaw(value * factor);
    }
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return Currency::fromDouble(AsDouble());
    case SQL_TEXT:
    case SQL_VARYING: {
        const auto value = Currency::parse(AsString().trimmed());
        if (!value)
            ConversionError("a currency amount");
        return *value;
    }
    default:
        ConversionError("a currency amount");
    }
}

QDate TIBXSQLVAR::AsDate() const {
    if (IsNull())
        return QDate();
    switch (m_storage.type) {
    case SQL_TYPE_DATE:
        return FromEngineDate(Read<ISC_DATE>(m_data));
    case SQL_TIMESTAMP:
        return FromEngineDate(Read<ISC_DATE>(m_data));
    case SQL_TEXT:
    case SQL_VARYING: {
        const QDate date = QDate::fromString(AsString().trimmed().left(10), Qt::ISODate);
        if (!date.isValid())
            ConversionError("a date");
        return date;
    }
    default:
        ConversionError("a date");
    }
}

QTime TIBXSQLVAR::AsTime() const {
    if (IsNull())
        return QTime();
    switch (m_storage.type) {
    case SQL_TYPE_TIME:
        return FromEngineTime(Read<ISC_TIME>(m_data));
    case SQL_TIMESTAMP:
        return FromEngineTime(Read<ISC_TIME>(m_data, sizeof(ISC_DATE)));
    default:
        ConversionError("a time");
    }
}

QDateTime TIBXSQLVAR::AsDateTime() const {
    if (IsNull())
        return QDateTime();
    switch (m_storage.type) {
    case SQL_TYPE_DATE:
        return QDateTime(AsDate(), QTime(0, 0), Qt::UTC);
    case SQL_TIMESTAMP:
        return QDateTime(AsDate(), AsTime(), Qt::UTC);
    case SQL_TEXT:
    case SQL_VARYING: {
        QDateTime value = QDateTime::fromString(AsString().trimmed(), Qt::ISODate);
        if (!value.isValid())
            ConversionError("a date and time");
        value.setTimeSpec(Qt::UTC);
        return value;
    }
    default:
        ConversionError("a date and time");
    }
}

bool TIBXSQLVAR::AsBoolean() const {
    if (IsNull())
        return false;
    switch (m_storage.type) {
    case SQL_BOOLEAN:
        return Read<unsigned char>(m_data) != 0;
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        return ScaledValue() != 0;
    default:
        ConversionError("a boolean");
    }
}

QByteArray TIBXSQLVAR::AsBytes() const {
    if (IsNull())
        return QByteArray();
    switch (m_storage.type) {
    case SQL_TEXT:
    case SQL_VARYING:
        return TextBytes();
    case SQL_BLOB:
        if (!m_statement)
            ConversionError("bytes");
        return m_statement->ReadBlob(m_data.constData());
    default:
        return AsString().toUtf8();
    }
}

QVariant TIBXSQLVAR::AsVariant() const {
    if (IsNull())
        return QVariant();
    switch (m_storage.type) {
    case SQL_TEXT:
    case SQL_VARYING:
        return AsString();
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
        if (ExactMoney())
            return QVariant::fromValue(AsCurrency());
        if (m_storage.scale < 0)
            return AsDouble();
        if (m_storage.type == SQL_INT64)
            return QVariant::fromValue<qlonglong>(ScaledValue());
        return static_cast<int>(ScaledValue());
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT:
        return AsDouble();
    case SQL_TYPE_DATE:
        return AsDate();
    case SQL_TYPE_TIME:
        return AsTime();
    case SQL_TIMESTAMP:
        return AsDateTime();
    case SQL_BLOB:
        if (m_storage.subType == isc_blob_text)
            return AsString();
        return AsBytes();
    case SQL_BOOLEAN:
        return AsBoolean();
    default:
        ConversionError("a value");
    }
}

void TIBXSQLVAR::SetNull() {
    m_indicator = -1;
}

void TIBXSQLVAR::SetString(const QString& value) {
    const QByteArray bytes = value.toUtf8();
    Store(SQL_TEXT, 0, CharsetUtf8, bytes.constData(), static_cast<int>(bytes.size()));
}

void TIBXSQLVAR::SetBytes(const QByteArray& value) {
    Store(SQL_TEXT, 0, CharsetOctets, value.constData(), static_cast<int>(value.size()));
}

void TIBXSQLVAR::SetInteger(int value) {
    const auto v = static_cast<qint32>(value);
    Store(SQL_LONG, 0, 0, &v, sizeof v);
}

void TIBXSQLVAR::SetInt64(std::int64_t value) {
    const auto v = static_cast<qint64>(value);
    Store(SQL_INT64, 0, 0, &v, sizeof v);
}

void TIBXSQLVAR::SetDouble(double value) {
    Store(SQL_DOUBLE, 0, 0, &value, sizeof value);
}

void TIBXSQLVAR::SetCurrency(Currency value) {
    const qint64 raw = value.raw();
    Store(SQL_INT64, -4, 0, &raw, sizeof raw);
}

void TIBXSQLVAR::SetDate(const QDate& value) {
    if (!value.isValid()) {
        SetNull();
        return;
    }
    const auto days = static_cast<ISC_DATE>(value.toJulianDay() - EngineDayZero);
    Store(SQL_TYPE_DATE, 0, 0, &days, sizeof days);
}

void TIBXSQLVAR::SetTime(const QTime& value) {
    if (!value.isValid()) {
        SetNull();
        return;
    }
    const auto units = static_cast<ISC_TIME>(value.msecsSinceStartOfDay() * TimeUnitsPerMs);
    Store(SQL_TYPE_TIME, 0, 0, &units, sizeof units);
}

void TIBXSQLVAR::SetDateTime(const QDateTime& value) {
    if (!value.isValid()) {
        SetNull();
        return;
    }
    ISC_TIMESTAMP stamp;
    stamp.timestamp_date = static_cast<ISC_DATE>(value.date().toJulianDay() - EngineDayZero);
    stamp.timestamp_time = static_cast<ISC_TIME>(value.time().msecsSinceStartOfDay() * TimeUnitsPerMs);
    Store(SQL_TIMESTAMP, 0, 0, &stamp, sizeof stamp);
}

void TIBXSQLVAR::SetBoolean(bool value) {
    const unsigned char v = value ? 1 : 0;
    Store(SQL_BOOLEAN, 0, 0, &v, sizeof v);
}

void TIBXSQLVAR::SetVariant(const QVariant& value) {
    if (!value.isValid() || value.isNull()) {
        SetNull();
        return;
    }
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        SetCurrency(value.value<Currency>());
        return;
    }
    switch (value.typeId()) {
    case QMetaType::QString:
        SetString(value.toString());
        break;
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        SetInteger(value.toInt());
        break;
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
        SetInt64(value.toLongLong());
        break;
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        if (value.toULongLong() > static_cast<qulonglong>(std::numeric_limits<qint64>::max()))
            throw EConvertError(QStringLiteral("Value out of range: %1").arg(value.toULongLong()));
        SetInt64(value.toLongLong());
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        SetDouble(value.toDouble());
        break;
    case QMetaType::Bool:
        SetBoolean(value.toBool());
        break;
    case QMetaType::QDate:
        SetDate(value.toDate());
        break;
    case QMetaType::QTime:
        SetTime(value.toTime());
        break;
    case QMetaType::QDateTime:
        SetDateTime(value.toDateTime());
        break;
    case QMetaType::QByteArray:
        SetBytes(value.toByteArray());
        break;
    default:
        if (!value.canConvert<QString>())
            throw EConvertError(QStringLiteral("Cannot use a value of type %1 as a parameter.")
                                    .arg(QLatin1String(value.typeName())));
        SetString(value.toString());
        break;
    }
}
