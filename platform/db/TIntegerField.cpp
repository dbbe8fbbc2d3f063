#include "platform/db/TIntegerField.h"

#include "platform/base/SysUtils.h"

#include <cmath>
#include <limits>

TIntegerField::TIntegerField(TComponent* owner)
    : TIntegerField(owner, ftInteger, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()) {}

TIntegerField::TIntegerField(TComponent* owner, TFieldType dataType, qint64 minValue, qint64 maxValue)
    : TNumericField(owner, dataType), m_minValue(minValue), m_maxValue(maxValue) {}

QVariant TIntegerField::ConvertValue(const QVariant& value) const {
    qint64 number = 0;
    if (value.metaType() == QMetaType::fromType<Currency>()) {
        number = value.value<Currency>().rounded(0).raw() / Currency::Scale;
    } else {
        switch (value.typeId()) {
        case QMetaType::Double: {
            const double real = std::round(value.toDouble());
            if (!std::isfinite(real) || std::fabs(real) > 9.2e18)
                RaiseInvalidValue(QString::number(value.toDouble()));
            number = static_cast<qint64>(real);
            break;
        }
        case QMetaType::QString: {
            const QString text = value.toString().trimmed();
            if (text.isEmpty())
                return QVariant();
            number = StrToInt64(text);
            break;
        }
        case QMetaType::Bool:
            number = value.toBool() ? 1 : 0;
            break;
        default:
            bool ok = false;
            number = value.toLongLong(&ok);
            if (!ok)
                RaiseInvalidValue();
        }
    }
    if (number < m_minValue || number > m_maxValue)
        RaiseError(
            QStringLiteral("%1 não é um valor válido para o campo \"%2\". Os valores aceitos vão de %3 a %4.")
                .arg(number)
                .arg(DisplayName())
                .arg(m_minValue)
                .arg(m_maxValue));
    return static_cast<int>(number);
}

QString TIntegerField::GetText(bool displayText) const {
    const QString format = FormatFor(displayText);
    if (format.isEmpty())
        return AsString();
    return FormatFloat(format, static_cast<double>(AsLargeInt()));
}
