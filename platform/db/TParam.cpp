#include "platform/db/TParam.h"

#include "platform/base/SysUtils.h"

TParam::TParam(QString name, TFieldType dataType) : m_name(std::move(name)), m_dataType(dataType) {}

namespace {

TFieldType typeOf(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<Currency>())
        return ftCurrency;
    switch (value.typeId()) {
    case QMetaType::QString:
        return ftString;
    case QMetaType::Int:
    case QMetaType::Short:
        return ftInteger;
    case QMetaType::LongLong:
        return ftLargeint;
    case QMetaType::Double:
        return ftFloat;
    case QMetaType::QDate:
        return ftDate;
    case QMetaType::QDateTime:
        return ftDateTime;
    default:
        return ftUnknown;
    }
}

} // namespace

void TParam::SetValue(const QVariant& value) {
    if (m_dataType == ftUnknown)
        m_dataType = typeOf(value);
    m_value = value;
}

bool TParam::IsNull() const {
    return m_value.isNull();
}

QString TParam::AsString() const {
    if (m_value.isNull())
        return QString();
    if (m_value.metaType() == QMetaType::fromType<Currency>())
        return CurrToStr(m_value.value<Currency>());
    switch (m_value.typeId()) {
    case QMetaType::Double:
        return FloatToStr(m_value.toDouble());
    case QMetaType::QDate:
        return DateToStr(m_value.toDate());
    case QMetaType::QDateTime:
        return DateTimeToStr(m_value.toDateTime());
    default:
        return m_value.toString();
    }
}

void TParam::SetAsString(const QString& value) {
    if (m_dataType == ftUnknown)
        m_dataType = ftString;
    m_value = value;
}

int TParam::AsInteger() const {
    return static_cast<int>(AsLargeInt());
}

void TParam::SetAsInteger(int value) {
    if (m_dataType == ftUnknown)
        m_dataType = ftInteger;
    m_value = value;
}

qint64 TParam::AsLargeInt() const {
    if (m_value.isNull())
        return 0;
    if (m_value.metaType() == QMetaType::fromType<Currency>())
        return m_value.value<Currency>().raw() / Currency::Scale;
    if (m_value.typeId() == QMetaType::QString)
        return StrToInt64(m_value.toString());
    return m_value.toLongLong();
}

void TParam::SetAsLargeInt(qint64 value) {
    if (m_dataType == ftUnknown)
        m_dataType = ftLargeint;
    m_value = value;
}

double TParam::AsFloat() const {
    if (m_value.isNull())
        return 0.0;
    if (m_value.metaType() == QMetaType::fromType<Currency>())
        return m_value.value<Currency>().toDouble();
    if (m_value.typeId() == QMetaType::QString)
        return StrToFloat(m_value.toString());
    return m_value.toDouble();
}

void TParam::SetAsFloat(double value) {
    if (m_dataType == ftUnknown)
        m_dataType = ftFloat;
    m_value = value;
}

Currency TParam::AsCurrency() const {
    if (m_value.isNull())
        return Currency();
    if (m_value.metaType() == QMetaType::fromType<Currency>())
        return m_value.value<Currency>();
    switch (m_value.typeId()) {
    case QMetaType::QString:
        return StrToCurr(m_value.toString());
    case QMetaType::Double:
        return Currency::fromDouble(m_value.toDouble());
    default:
        return Currency::fromUnits(m_value.toLongLong());
    }
}

void TParam::SetAsCurrency(Currency value) {
    if (m_dataType == ftUnknown)
        m_dataType = ftCurrency;
    m_value = QVariant::fromValue(value);
}

QDate TParam::AsDate() const {
    if (m_value.typeId() == QMetaType::QString)
        return StrToDate(m_value.toString());
    return m_value.toDate();
}

void TParam::SetAsDate(const QDate& value) {
    if (m_dataType == ftUnknown)
        m_dataType = ftDate;
    m_value = value.isValid() ? QVariant(value) : QVariant();
}

QDateTime TParam::AsDateTime() const {
    if (m_value.typeId() == QMetaType::QString)
        return StrToDateTime(m_value.toString());
    if (m_value.typeId() == QMetaType::QDate)
        return m_value.toDate().startOfDay();
    return m_value.toDateTime();
}

void TParam::SetAsDateTime(const QDateTime& value) {
    if (m_dataType == ftUnknown)
        m_dataType = ftDateTime;
    m_value = value.isValid() ? QVariant(value) : QVariant();
}
