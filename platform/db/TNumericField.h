#pragma once
// Base of the number fields: right-aligned, DisplayFormat for the shown text
// and EditFormat for the editing text (FormatFloat pictures such as
// "#,##0.00"). Without a format the number is shown plainly.

#include "platform/db/TField.h"

class TNumericField : public TField {
public:
    const QString& DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString& format) { m_displayFormat = format; }
    void SetEditFormat(const QString& format) { m_editFormat = format; }

protected:
    TNumericField(TComponent* owner, TFieldType dataType);
    // The picture for the requested text: DisplayFormat for display, else
    // EditFormat, else DisplayFormat; empty when neither is set.
    QString FormatFor(bool displayText) const;
    int DefaultWidth() const override { return 10; }

private:
    QString m_displayFormat;
    QString m_editFormat;
};
