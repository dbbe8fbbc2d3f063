#pragma once
// Splitting an SQL text into its clauses by a scan of words.
//
// ExtractClause finds the clause keyword (SELECT, FROM, WHERE, GROUP, HAVING
// or ORDER) as a whole word outside quoted text and comments, and collects the
// words from there up to the next clause keyword. A run of blanks (spaces,
// tabs) between words becomes one blank; a run holding line breaks keeps its
// line breaks. Quoted text and comments are taken whole, as written. The
// clause starts with its keyword; it is empty when the keyword is absent or
// not one of the six.

#include <QString>
#include <QStringList>

// The clause keywords in the order in which clauses are joined.
const QStringList& SQLClauseKeywords();

QString ExtractClause(const QString& keyword, const QString& sqlText);
QString ExtractSelect(const QString& sqlText);
QString ExtractFrom(const QString& sqlText);
QString ExtractWhere(const QString& sqlText);
QString ExtractGroupBy(const QString& sqlText);
QString ExtractHaving(const QString& sqlText);
QString ExtractOrderBy(const QString& sqlText);
