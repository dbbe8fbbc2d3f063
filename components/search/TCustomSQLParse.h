#pragma once
// Keeps an SQL text and its six clauses (SELECT, FROM, WHERE, GROUP BY,
// HAVING, ORDER BY) in step both ways: setting the SQL splits it into the
// clauses and lays the SQL out again as the clauses joined in that order;
// setting a clause (trimmed of blank first and last lines) rebuilds the SQL.
// SaveSQL and RestoreSQL keep one copy of the SQL, so that every search
// starts from the same text.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"

#include <QStringList>
#include <array>

enum TSQLClause { scSelect, scFrom, scWhere, scGroupBy, scHaving, scOrderBy };

class TCustomSQLParse : public TComponent {
    Q_OBJECT
public:
    explicit TCustomSQLParse(TComponent* owner = nullptr);

    const QStringList& SQL() const { return m_sql; }
    void SetSQL(const QStringList& lines);
    // The lines, each ended by a carriage return and line feed.
    QString SQLText() const;
    void SetSQLText(const QString& text);

    const QStringList& Clause(TSQLClause clause) const { return m_clauses[clause]; }
    void SetClause(TSQLClause clause, QStringList lines);

    void SaveSQL() { m_saved = m_sql; }
    void RestoreSQL() { SetSQL(m_saved); }

    // Runs after every change of the SQL or a clause; Sender is the component.
    TNotifyEvent OnChange;

    // A text as lines: a final line break ends the last line.
    static QStringList TextLines(const QString& text);

protected:
    virtual void Change();

private:
    void BuildSQL();

    QStringList m_sql;
    QStringList m_saved;
    std::array<QStringList, 6> m_clauses;
};
