#pragma once
// A date column (QDate inside), shown as dd/mm/yyyy.

#include "platform/db/TDateTimeField.h"

class TDateField : public TDateTimeField {
public:
    explicit TDateField(TComponent* owner = nullptr);

protected:
    QVariant ConvertValue(const QVariant& value) const override;
    QString GetText(bool displayText) const override;
    void SetTextValue(const QString& text) override;
    int DefaultWidth() const override { return 10; }
};
