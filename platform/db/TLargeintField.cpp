#include "platform/db/TLargeintField.h"

#include "platform/base/SysUtils.h"

#include <cmath>

TLargeintField::TLargeintField(TComponent* owner) : TNumericField(owner, ftLargeint) {}

QVariant TLargeintField::ConvertValue(const QVariant& value) const {
    if (value.metaType() == QMetaType::fromType<Currency>())
        return static_cast<qint64>(value.value<Currency>().rounded(0).raw() / Currency::Scale);
    switch (value.typeId()) {
    case QMetaType::Double: {
        const double real = std::round(value.toDouble());
        if (!std::isfinite(real) || std::fabs(real) > 9.2e18)
            RaiseInvalidValue(QString::number(value.toDouble()));
        return static_cast<qint64>(real);
    }
    case QMetaType::QString: {
        const QString text = value.toString().trimmed();
        if (text.isEmpty())
            return QVariant();
        return static_cast<qint64>(StrToInt64(text));
    }
    default:
        bool ok = false;
        const qint64 number = value.toLongLong(&ok);
        if (!ok)
            RaiseInvalidValue();
        return number;
    }
}

QString TLargeintField::GetText(bool displayText) const {
    const QString format = FormatFor(displayText);
    if (format.isEmpty())
        return AsString();
    return FormatFloat(format, static_cast<double>(AsLargeInt()));
}
