#pragma once
// A text column of any length (BLOB SUB_TYPE TEXT). An empty text is null.

#include "platform/db/TField.h"

class TMemoField : public TField {
public:
    explicit TMemoField(TComponent* owner = nullptr);

protected:
    QVariant ConvertValue(const QVariant& value) const override;
    int DefaultWidth() const override { return 10; }
};
