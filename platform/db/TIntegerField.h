#pragma once
// A 32-bit integer column; values out of the type's range are refused.

#include "platform/db/TNumericField.h"

class TIntegerField : public TNumericField {
public:
    explicit TIntegerField(TComponent* owner = nullptr);

protected:
    TIntegerField(TComponent* owner, TFieldType dataType, qint64 minValue, qint64 maxValue);
    QVariant ConvertValue(const QVariant& value) const override;
    QString GetText(bool displayText) const override;

private:
    qint64 m_minValue;
    qint64 m_maxValue;
};
