#include "platform/report/TReportExpression.h"

#include "platform/base/Exceptions.h"

#include <QRegularExpression>

TReportExpression TReportExpression::Parse(const QString& text) {
    static const QRegularExpression reference(
        QStringLiteral(R"(^(?:([A-Za-z_]\w*)\s*\.\s*)?([A-Za-z_]\w*)$)"));
    static const QRegularExpression sum(QStringLiteral(R"(^SUM\s*\(\s*(.*?)\s*\)$)"),
                                        QRegularExpression::CaseInsensitiveOption);
    const QString trimmed = text.trimmed();
    TReportExpression expression;
    QString body = trimmed;
    if (trimmed.compare(QLatin1String("COUNT"), Qt::CaseInsensitive) == 0) {
        expression.m_kind = TKind::ekCount;
        return expression;
    }
    const QRegularExpressionMatch sumMatch = sum.match(trimmed);
    if (sumMatch.hasMatch()) {
        expression.m_kind = TKind::ekSum;
        body = sumMatch.captured(1);
    }
    const QRegularExpressionMatch match = reference.match(body);
    if (!match.hasMatch())
        throw Exception(QStringLiteral("Invalid report expression '%1'").arg(text));
    expression.m_dataSetName = match.captured(1);
    expression.m_fieldName = match.captured(2);
    return expression;
}
