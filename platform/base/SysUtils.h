#pragma once
// Conversion and formatting routines with the program's fixed formats
// (FormatSettings). Every conversion that fails raises EConvertError naming
// the text that did not convert.

#include "platform/base/Currency.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <cstdint>

// ---- numbers to text --------------------------------------------------------

// Formats a number with a picture such as "#,##0.00", "#.00", "###,### KB" or
// "00.000.000/0000-00":
//   0  digit, shown as 0 when the number has none there
//   #  digit, shown only when the number has one there
//   .  decimal point (the first one); a picture with several dots uses them
//      all as literal characters and shows the number without decimals
//   ,  anywhere in the picture: group thousands with FormatSettings'
//      separator
//   "xx" 'xx'  literal text; any other character is literal too
//   ;  sections: positive;negative;zero (an empty section uses the first)
// Rounds half away from zero to the decimals the picture shows.
QString FormatFloat(const QString& format, double value);
// The same, exactly, for money: no binary floating point on the way.
QString FormatFloat(const QString& format, Currency value);

// Shortest text of up to 15 significant digits: "1234,5", "0,29", "1E20",
// "1,5E-6" (scientific beyond 15 integer digits or below 0,00001).
QString FloatToStr(double value);
// Money with its significant decimals only: "0,29", "10", "-1234,5678".
QString CurrToStr(Currency value);
QString IntToStr(std::int64_t value);

// ---- text to numbers ----------------------------------------------------------

// Decimal integers, with optional sign and surrounding blanks.
int StrToInt(const QString& text);
std::int64_t StrToInt64(const QString& text);
int StrToIntDef(const QString& text, int defaultValue);
std::int64_t StrToInt64Def(const QString& text, std::int64_t defaultValue);
// Numbers with the decimal comma, optionally with thousands grouped by dots
// in groups of three ("1.234,56", "1234,56", ",50", "-3", "1,5E3").
double StrToFloat(const QString& text);
// Exact money from the same texts (without an exponent); more than four
// decimals round half away from zero.
Currency StrToCurr(const QString& text);
bool TryStrToFloat(const QString& text, double& value);
bool TryStrToCurr(const QString& text, Currency& value);

// ---- dates ----------------------------------------------------------------------

// "dd/mm/yyyy"; also "d/m/yyyy", two-digit years ("d/m/yy", placed by
// FormatSettings::TwoDigitYearCenturyWindow from the year of SystemClock) and
// "d/m" (the year of SystemClock).
QDate StrToDate(const QString& text);
bool TryStrToDate(const QString& text, QDate& value);
// A date as StrToDate reads it, optionally followed by "hh:nn" or "hh:nn:ss".
QDateTime StrToDateTime(const QString& text);
QString DateToStr(const QDate& date);
// The date, followed by " hh:nn:ss" unless the time is midnight.
QString DateTimeToStr(const QDateTime& value);
// Date and time pictures: d dd m mm yy yyyy h hh n nn s ss z zzz, "/" and ":"
// (the separators of FormatSettings), "c" (short date and long time), quoted
// literal text; "m" right after an hour means minutes.
QString FormatDateTime(const QString& format, const QDateTime& value);
QString FormatDateTime(const QString& format, const QDate& value);

// ---- Format ------------------------------------------------------------------------

// printf-like formatting: %[-][width][.precision]type with type
//   s  text (precision cuts it)        d  integer (precision: minimum digits)
//   u  unsigned integer                x  upper-case hexadecimal (as d)
//   f  fixed decimals (default 2)      n  as f, with thousands grouped
// and %% for a percent sign. Numbers use FormatSettings' separators. A missing
// argument or one of the wrong kind raises EConvertError.
QString Format(const QString& format, const QVariantList& args);
