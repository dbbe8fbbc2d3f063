#include "platform/db/TStringField.h"

#include "platform/base/SysUtils.h"

TStringField::TStringField(TComponent* owner) : TStringField(owner, ftString) {}

TStringField::TStringField(TComponent* owner, TFieldType dataType) : TField(owner, dataType) {}

QVariant TStringField::ConvertValue(const QVariant& value) const {
    QString text;
    if (value.metaType() == QMetaType::fromType<Currency>())
        text = CurrToStr(value.value<Currency>());
    else if (value.typeId() == QMetaType::Double)
        text = FloatToStr(value.toDouble());
    else if (value.typeId() == QMetaType::QDate)
        text = DateToStr(value.toDate());
    else if (value.typeId() == QMetaType::QDateTime)
        text = DateTimeToStr(value.toDateTime());
    else
        text = value.toString();
    if (text.isEmpty())
        return QVariant();
    if (Size() > 0 && text.size() > Size())
        text.truncate(Size());
    return text;
}

int TStringField::DefaultWidth() const {
    return Size() > 0 ? Size() : 20;
}
