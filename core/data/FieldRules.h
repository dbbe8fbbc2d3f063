#pragma once
// Field rules shared by the register and declaration data sets.

#include "platform/base/Currency.h"

#include <QString>

class TField;

// A DDD is refused when it has exactly one character or reads as the integer
// 0 (or as no integer at all); an empty DDD is left to the field's Required.
bool AreaCodeInvalid(const QString& texto);
// A telephone or fax is refused when it reads as the integer 0 (or as no
// integer at all); an empty one is left to the field's Required.
bool TelephoneInvalid(const QString& texto);

// Text entry that clears the field when the text is blank and otherwise
// stores it as typed.
void SetTextOrNull(TField* field, const QString& texto);

// A typed amount: converted exactly and cut toward zero to hundredths
// (10,999 -> 10,99). Raises EConvertError for a text that is no amount.
Currency TypedAmount(const QString& texto);
