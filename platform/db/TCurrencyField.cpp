#include "platform/db/TCurrencyField.h"

TCurrencyField::TCurrencyField(TComponent* owner) : TFloatField(owner, ftCurrency, true) {}
