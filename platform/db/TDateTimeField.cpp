#include "platform/db/TDateTimeField.h"

#include "platform/base/SysUtils.h"

namespace {

// A masked date text with nothing typed ("  /  /    ") is an empty date.
bool hasDigits(const QString& text) {
    for (const QChar c : text) {
        if (c.isDigit())
            return true;
    }
    return false;
}

} // namespace

TDateTimeField::TDateTimeField(TComponent* owner) : TDateTimeField(owner, ftDateTime) {}

TDateTimeField::TDateTimeField(TComponent* owner, TFieldType dataType) : TField(owner, dataType) {}

QVariant TDateTimeField::ConvertValue(const QVariant& value) const {
    switch (value.typeId()) {
    case QMetaType::QDateTime:
        return value;
    case QMetaType::QDate:
        return value.toDate().startOfDay();
    case QMetaType::QString: {
        const QString text = value.toString();
        if (!hasDigits(text))
            return QVariant();
        return StrToDateTime(text.trimmed());
    }
    default:
        RaiseInvalidValue();
    }
}

QString TDateTimeField::GetText(bool displayText) const {
    if (displayText && !m_displayFormat.isEmpty())
        return FormatDateTime(m_displayFormat, AsDateTime());
    return TField::GetText(displayText);
}

void TDateTimeField::SetTextValue(const QString& text) {
    SetValue(hasDigits(text) ? QVariant(StrToDateTime(text.trimmed())) : QVariant());
}
