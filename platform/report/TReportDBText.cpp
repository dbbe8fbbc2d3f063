#include "platform/report/TReportDBText.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"

void TReportDBText::SetDataSet(TDataSet* dataSet) {
    m_dataSet = dataSet;
    if (m_dataSet)
        FreeNotification(m_dataSet);
}

QString TReportDBText::PrintText(const TPrintContext&) const {
    if (!m_dataSet || !m_dataSet->Active() || m_dataSet->IsEmpty() || m_dataField.isEmpty())
        return QString();
    return m_dataSet->FieldByName(m_dataField)->DisplayText();
}

void TReportDBText::Notification(TComponent* component, TOperation operation) {
    TTextPrintable::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_dataSet)
        m_dataSet = nullptr;
}
