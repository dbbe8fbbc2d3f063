#include "platform/db/TMemoField.h"

TMemoField::TMemoField(TComponent* owner) : TField(owner, ftMemo) {}

QVariant TMemoField::ConvertValue(const QVariant& value) const {
    const QString text = value.toString();
    return text.isEmpty() ? QVariant() : QVariant(text);
}
