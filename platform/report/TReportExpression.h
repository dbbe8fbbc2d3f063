#pragma once
// The expressions report controls and groups evaluate: a field reference
// ("FIELD" or "DataSet.FIELD"), "SUM(reference)" and "COUNT". Names compare
// case-insensitively.

#include <QString>

class TReportExpression {
public:
    enum class TKind { ekField, ekSum, ekCount };

    // Raises Exception naming the text when it is not one of the forms above.
    static TReportExpression Parse(const QString& text);

    TKind Kind() const { return m_kind; }
    // Empty for a plain field name (the report's own data set).
    const QString& DataSetName() const { return m_dataSetName; }
    const QString& FieldName() const { return m_fieldName; }

private:
    TKind m_kind = TKind::ekField;
    QString m_dataSetName;
    QString m_fieldName;
};
