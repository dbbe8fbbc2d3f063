#pragma once
// A floating-point column. With Currency set it is a money column: the value
// is held as exact Currency (AsCurrency exact, AsFloat converted), the text
// shows two decimals and typed text converts exactly. A Currency value
// assigned or loaded into a plain float field stays exact as well.

#include "platform/db/TNumericField.h"

class TFloatField : public TNumericField {
public:
    explicit TFloatField(TComponent* owner = nullptr);

    bool Currency() const { return m_currency; }
    void SetCurrency(bool currency) { m_currency = currency; }

protected:
    TFloatField(TComponent* owner, TFieldType dataType, bool currency);
    QVariant ConvertValue(const QVariant& value) const override;
    QString GetText(bool displayText) const override;
    void SetTextValue(const QString& text) override;

private:
    bool m_currency;
};
