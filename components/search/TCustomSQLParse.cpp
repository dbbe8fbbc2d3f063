#include "components/search/TCustomSQLParse.h"

#include "components/search/SQLClauses.h"

#include <QRegularExpression>

TCustomSQLParse::TCustomSQLParse(TComponent* owner) : TComponent(owner) {}

QStringList TCustomSQLParse::TextLines(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString TCustomSQLParse::SQLText() const {
    QString text;
    for (const QString& line : m_sql)
        text += line + QStringLiteral("\r\n");
    return text;
}

void TCustomSQLParse::SetSQLText(const QString& text) {
    SetSQL(TextLines(text));
}

void TCustomSQLParse::SetSQL(const QStringList& lines) {
    m_sql = lines;
    const QString text = SQLText();
    m_clauses[scSelect] = TextLines(ExtractSelect(text));
    m_clauses[scFrom] = TextLines(ExtractFrom(text));
    m_clauses[scWhere] = TextLines(ExtractWhere(text));
    m_clauses[scGroupBy] = TextLines(ExtractGroupBy(text));
    m_clauses[scHaving] = TextLines(ExtractHaving(text));
    m_clauses[scOrderBy] = TextLines(ExtractOrderBy(text));
    BuildSQL();
    Change();
}

void TCustomSQLParse::SetClause(TSQLClause clause, QStringList lines) {
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    m_clauses[clause] = lines;
    BuildSQL();
    Change();
}

void TCustomSQLParse::BuildSQL() {
    m_sql.clear();
    for (const QStringList& clause : m_clauses)
        m_sql += clause;
}

void TCustomSQLParse::Change() {
    if (OnChange)
        OnChange(this);
}
