#pragma once
// The listing of the purposes of the export credit balance, each with its
// history of validity periods and complementary data.

#include "declarations/registers/OccurrenceListing.h"

class TrptFinalidades : public OccurrenceListing {
public:
    explicit TrptFinalidades(TComponent* owner = nullptr);
};
