#pragma once
// The text of a field of the current record: the field's DisplayText, so its
// display format and OnGetText apply.

#include "platform/report/TTextPrintable.h"

class TDataSet;

class TReportDBText : public TTextPrintable {
public:
    using TTextPrintable::TTextPrintable;

    TDataSet* DataSet() const { return m_dataSet; }
    void SetDataSet(TDataSet* dataSet);
    const QString& DataField() const { return m_dataField; }
    void SetDataField(const QString& name) { m_dataField = name; }

    // Empty when the data set is missing, closed or empty; raises
    // EDatabaseError when the field does not exist.
    QString PrintText(const TPrintContext& context) const override;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TDataSet* m_dataSet = nullptr;
    QString m_dataField;
};
