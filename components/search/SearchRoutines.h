#pragma once
// Searching a query's rows by one column: checking the typed value against
// the column's type, the condition for it, and rewriting the query's SQL with
// that condition and an ordering by the column.
//
// Types: string (ftString, ftWideString), integer (ftSmallint, ftInteger,
// ftWord), real (ftFloat, ftCurrency, ftBCD), date (ftDate, ftDateTime);
// other types take no check and give no condition.
//
// The condition never carries typed text as SQL: a string is quoted with its
// apostrophes doubled, a number is written as the number it converts to (dot
// decimal), a date (typed dd/mm/yyyy) in ISO form.

#include <QString>

class TDataSet;
class TField;

// The error text for a value that does not fit the field's type; empty when
// it fits (also for no field or an empty value).
QString ValidateSearchValue(const TField* field, const QString& value);
// Raises Exception with that text.
void CheckSearchValue(const TField* field, const QString& value);
// Raises Exception "DataSet não foi definido", "SearchField não foi definido"
// or "Field '%s' not found".
void CheckSearchField(const TDataSet* dataSet, const QString& fieldName);
// "(UPPER(NAME) LIKE 'VALUE%')", "(NAME = 12.5)", "(NAME >= '2005-03-05')", ...;
// empty for an empty value or a type without conditions. Raises as
// CheckSearchValue for a value that does not fit.
QString BuildSearchCondition(const TField* field, const QString& value, bool exact);
// Runs the data set's SQL (sqlText, or its current SQL when empty) with the
// condition added to its WHERE clause (an existing clause kept whole inside
// parentheses) and ordered by the field; returns the record count, -1 without
// data set or field. When the new SQL fails, the data set gets the searched
// SQL back (reopened when it was open) and the error passes on.
int ApplySearch(TDataSet* dataSet, const QString& fieldName, const QString& value, const QString& sqlText,
                bool exact);
