#pragma once
// A text column of up to Size characters (0: no limit; a persistent field
// without a Size takes its column's). An empty text is stored as null; a
// longer text is cut to Size.

#include "platform/db/TField.h"

class TStringField : public TField {
public:
    explicit TStringField(TComponent* owner = nullptr);

protected:
    TStringField(TComponent* owner, TFieldType dataType);
    QVariant ConvertValue(const QVariant& value) const override;
    int DefaultWidth() const override;
};
