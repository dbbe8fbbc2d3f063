#pragma once
// The page of the other credits of the tax-substitution computation.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetSubTribOutCreditos : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetSubTribOutCreditos(TComponent* owner);
};
