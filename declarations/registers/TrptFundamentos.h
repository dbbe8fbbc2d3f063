#pragma once
// The listing of the legal grounds (occurrences), each with its history of
// validity periods, legislation and complementary data.

#include "declarations/registers/OccurrenceListing.h"

class TrptFundamentos : public OccurrenceListing {
public:
    explicit TrptFundamentos(TComponent* owner = nullptr);
};
