#include "platform/report/TReportGroup.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/report/TBandReport.h"

TReportGroup::TReportGroup(TComponent* owner) : TReportBand(owner, TBandType::rbGroupHeader) {}

void TReportGroup::SetExpression(const QString& expression) {
    TReportExpression parsed = TReportExpression::Parse(expression);
    if (parsed.Kind() != TReportExpression::TKind::ekField)
        throw Exception(QStringLiteral("A group expression must name a field: '%1'").arg(expression));
    m_expression = parsed;
    m_text = expression;
}

void TReportGroup::SetFooterBand(TReportBand* band) {
    m_footerBand = band;
    if (m_footerBand) {
        FreeNotification(m_footerBand);
        m_footerBand->SetBandType(TBandType::rbGroupFooter);
    }
}

QString TReportGroup::CurrentValue(TDataSet* defaultDataSet) const {
    if (m_text.isEmpty())
        return QString();
    TDataSet* dataSet = defaultDataSet;
    if (!m_expression.DataSetName().isEmpty() && Parent())
        dataSet = Parent()->FindDataSet(m_expression.DataSetName());
    if (!dataSet || !dataSet->Active() || dataSet->IsEmpty())
        return QString();
    return dataSet->FieldByName(m_expression.FieldName())->AsString();
}

void TReportGroup::Notification(TComponent* component, TOperation operation) {
    TReportBand::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_footerBand)
        m_footerBand = nullptr;
}
