#pragma once
// Reading and writing the SQL text of a data set whatever its class: queries
// keep it in SQL (lines), client data sets in CommandText.

#include <QString>

class TDataSet;

// "SQL", "CommandText", or the empty text for a data set without either (or
// no data set).
QString GetSQLProperty(const TDataSet* dataSet);
// Raises Exception "Não há propriedade SQL neste DataSet (%s)" for a data set
// without SQL text; no data set passes.
void CheckSQLProperty(const TDataSet* dataSet);
// The SQL text; empty without a data set or an SQL property.
QString GetDataSetSQL(const TDataSet* dataSet);
// Nothing without a data set; raises as CheckSQLProperty for one without an
// SQL property. Errors of the data set's own setter pass on.
void SetDataSetSQL(TDataSet* dataSet, const QString& text);
