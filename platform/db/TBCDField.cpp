#include "platform/db/TBCDField.h"

#include "platform/base/SysUtils.h"

#include <cmath>

TBCDField::TBCDField(TComponent* owner) : TNumericField(owner, ftBCD) {
    SetSize(4);
}

QVariant TBCDField::ConvertValue(const QVariant& value) const {
    if (value.metaType() == QMetaType::fromType<::Currency>())
        return value;
    switch (value.typeId()) {
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return QVariant();
        return QVariant::fromValue(StrToCurr(text));
    }
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
        return QVariant::fromValue(::Currency::fromUnits(value.toLongLong()));
    default: {
        bool ok = false;
        const double real = value.toDouble(&ok);
        if (!ok || !std::isfinite(real))
            RaiseInvalidValue();
        return QVariant::fromValue(::Currency::fromDouble(real));
    }
    }
}

QString TBCDField::GetText(bool displayText) const {
    QString format = FormatFor(displayText);
    if (format.isEmpty()) {
        if (!m_currency)
            return AsString();
        format = displayText ? QStringLiteral("#,##0.00") : QStringLiteral("0.00");
    }
    return FormatFloat(format, AsCurrency());
}

void TBCDField::SetTextValue(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        SetValue(QVariant());
    else
        SetAsCurrency(StrToCurr(trimmed));
}
