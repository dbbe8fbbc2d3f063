#pragma once
// Values written into SQL text as literals, for the few statements that are
// assembled as text rather than bound. Every quoted value goes through
// SqlQuoted, so a typed apostrophe can never end a literal early.

#include <QString>
#include <QVariant>

// 'text' with every apostrophe doubled.
QString SqlQuoted(const QString& text);

// The literal of a value: null for an invalid or null value; integers as
// digits; Currency exactly, with a dot and without trailing zeros; other
// numbers with a dot and 15 significant digits; dates as 'yyyy-MM-dd' and
// date-times as 'yyyy-MM-dd hh:mm:ss'; booleans as 1 or 0; anything else as
// its quoted text. Never depends on the locale.
QString SqlLiteral(const QVariant& value);
