#pragma once
// A date-and-time column, shown as dd/mm/yyyy hh:nn:ss (the time left out at
// midnight) or through DisplayFormat (a FormatDateTime picture).

#include "platform/db/TField.h"

class TDateTimeField : public TField {
public:
    explicit TDateTimeField(TComponent* owner = nullptr);

    const QString& DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString& format) { m_displayFormat = format; }

protected:
    TDateTimeField(TComponent* owner, TFieldType dataType);
    QVariant ConvertValue(const QVariant& value) const override;
    QString GetText(bool displayText) const override;
    void SetTextValue(const QString& text) override;
    int DefaultWidth() const override { return 18; }

private:
    QString m_displayFormat;
};
