#pragma once
// A 64-bit integer column.

#include "platform/db/TNumericField.h"

class TLargeintField : public TNumericField {
public:
    explicit TLargeintField(TComponent* owner = nullptr);

protected:
    QVariant ConvertValue(const QVariant& value) const override;
    QString GetText(bool displayText) const override;
    int DefaultWidth() const override { return 15; }
};
