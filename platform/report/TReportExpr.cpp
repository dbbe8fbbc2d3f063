#include "platform/report/TReportExpr.h"

#include "platform/base/SysUtils.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TNumericField.h"
#include "platform/report/TBandReport.h"
#include "platform/report/TReportBand.h"

void TReportExpr::SetExpression(const QString& expression) {
    m_expression = TReportExpression::Parse(expression);
    m_text = expression;
    Reset();
}

TDataSet* TReportExpr::SourceDataSet() const {
    if (!Parent() || !Parent()->Parent())
        return nullptr;
    return Parent()->Parent()->FindDataSet(m_expression.DataSetName());
}

void TReportExpr::Accumulate(const TDataSet* dataSet) {
    if (m_expression.Kind() == TReportExpression::TKind::ekField)
        return;
    TDataSet* source = SourceDataSet();
    if (!source || source != dataSet)
        return;
    ++m_count;
    if (m_expression.Kind() == TReportExpression::TKind::ekSum) {
        const TField* field = source->FieldByName(m_expression.FieldName());
        if (!field->IsNull())
            m_total += field->AsCurrency();
    }
}

void TReportExpr::Reset() {
    m_total = Currency();
    m_count = 0;
}

QString TReportExpr::FormatNumber(Currency value) const {
    return m_mask.isEmpty() ? CurrToStr(value) : FormatFloat(m_mask, value);
}

QString TReportExpr::PrintText(const TPrintContext&) const {
    switch (m_expression.Kind()) {
    case TReportExpression::TKind::ekSum:
        return FormatNumber(m_total);
    case TReportExpression::TKind::ekCount:
        return m_mask.isEmpty() ? QString::number(m_count)
                                : FormatFloat(m_mask, static_cast<double>(m_count));
    case TReportExpression::TKind::ekField:
        break;
    }
    TDataSet* source = SourceDataSet();
    if (m_text.isEmpty() || !source || !source->Active() || source->IsEmpty())
        return QString();
    const TField* field = source->FieldByName(m_expression.FieldName());
    if (m_mask.isEmpty() || field->IsNull() || !dynamic_cast<const TNumericField*>(field))
        return field->DisplayText();
    return FormatNumber(field->AsCurrency());
}
