#pragma once
// A fixed-point column of up to four decimals (NUMERIC/DECIMAL), held as
// exact Currency. Size is the number of decimals, Precision the total digits.

#include "platform/db/TNumericField.h"

class TBCDField : public TNumericField {
public:
    explicit TBCDField(TComponent* owner = nullptr);

    bool Currency() const { return m_currency; }
    void SetCurrency(bool currency) { m_currency = currency; }
    int Precision() const { return m_precision; }
    void SetPrecision(int precision) { m_precision = precision; }

protected:
    QVariant ConvertValue(const QVariant& value) const override;
    QString GetText(bool displayText) const override;
    void SetTextValue(const QString& text) override;

private:
    bool m_currency = false;
    int m_precision = 18;
};
