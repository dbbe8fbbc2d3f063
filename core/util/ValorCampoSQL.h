#pragma once
// The value of a field written as an SQL literal, for statements that copy
// rows: null, a quoted text with its apostrophes doubled, a number with a dot
// as decimal point whatever the formats, or a date the database reads.

#include <QString>

class TField;

// "null" for a null field; texts in single quotes with embedded quotes
// doubled; integers, floats, currency and BCD values as plain numbers with a
// dot; dates as 'MM/DD/YYYY' (date and time as 'MM/DD/YYYY hh:mm:ss'); any
// other kind of field "null".
QString ValorCampoSQL(const TField* field);
