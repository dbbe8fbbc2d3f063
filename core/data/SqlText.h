#pragma once
// Values spliced into SQL text: keys are read as integers and written back
// as digits, texts are quoted with their apostrophes doubled, so nothing a
// user typed ever becomes SQL.

#include <QString>

// The key text as the integer it holds (blanks around it allowed); raises
// EConvertError for anything else.
QString ChaveSQL(const QString& chave);
// 'texto' with every apostrophe doubled.
QString TextoSQL(const QString& texto);
