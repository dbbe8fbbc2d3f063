#include "platform/db/TDateField.h"

#include "platform/base/SysUtils.h"

namespace {

bool hasDigits(const QString& text) {
    for (const QChar c : text) {
        if (c.isDigit())
            return true;
    }
    return false;
}

} // namespace

TDateField::TDateField(TComponent* owner) : TDateTimeField(owner, ftDate) {}

QVariant TDateField::ConvertValue(const QVariant& value) const {
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value;
    case QMetaType::QDateTime:
        return value.toDateTime().date();
    case QMetaType::QString: {
        const QString text = value.toString();
        if (!hasDigits(text))
            return QVariant();
        return StrToDate(text.trimmed());
    }
    default:
        RaiseInvalidValue();
    }
}

QString TDateField::GetText(bool displayText) const {
    if (displayText && !DisplayFormat().isEmpty())
        return FormatDateTime(DisplayFormat(), Value().toDate());
    return TField::GetText(displayText);
}

void TDateField::SetTextValue(const QString& text) {
    SetValue(hasDigits(text) ? QVariant(StrToDate(text.trimmed())) : QVariant());
}
