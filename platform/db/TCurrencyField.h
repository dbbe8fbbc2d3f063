#pragma once
// A money column: a float field with Currency set.

#include "platform/db/TFloatField.h"

class TCurrencyField : public TFloatField {
public:
    explicit TCurrencyField(TComponent* owner = nullptr);
};
