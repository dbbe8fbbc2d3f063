#include "platform/db/TFloatField.h"

#include "platform/base/SysUtils.h"

#include <cmath>

namespace {

bool holdsCurrency(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<Currency>();
}

} // namespace

TFloatField::TFloatField(TComponent* owner) : TFloatField(owner, ftFloat, false) {}

TFloatField::TFloatField(TComponent* owner, TFieldType dataType, bool currency)
    : TNumericField(owner, dataType), m_currency(currency) {}

QVariant TFloatField::ConvertValue(const QVariant& value) const {
    if (holdsCurrency(value))
        return value;
    switch (value.typeId()) {
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return QVariant();
        if (m_currency)
            return QVariant::fromValue(StrToCurr(text));
        return StrToFloat(text);
    }
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        if (m_currency)
            return QVariant::fromValue(::Currency::fromUnits(value.toLongLong()));
        return value.toDouble();
    default: {
        bool ok = false;
        const double real = value.toDouble(&ok);
        if (!ok || !std::isfinite(real))
            RaiseInvalidValue();
        if (m_currency)
            return QVariant::fromValue(::Currency::fromDouble(real));
        return real;
    }
    }
}

QString TFloatField::GetText(bool displayText) const {
    QString format = FormatFor(displayText);
    if (format.isEmpty()) {
        if (!m_currency)
            return AsString();
        format = displayText ? QStringLiteral("#,##0.00") : QStringLiteral("0.00");
    }
    const QVariant value = Value();
    if (holdsCurrency(value))
        return FormatFloat(format, value.value<::Currency>());
    return FormatFloat(format, AsFloat());
}

void TFloatField::SetTextValue(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        SetValue(QVariant());
    else if (m_currency || holdsCurrency(Value()))
        SetAsCurrency(StrToCurr(trimmed));
    else
        SetAsFloat(StrToFloat(trimmed));
}
