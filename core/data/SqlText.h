#pragma once
// Keys spliced into SQL text are read as integers and written back as
// digits, so nothing a user typed ever becomes SQL (texts are quoted by
// SqlQuoted of the database layer).

#include <QString>

// The key text as the integer it holds (blanks around it allowed); raises
// EConvertError for anything else.
QString KeySQL(const QString& chave);
