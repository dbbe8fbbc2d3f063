#pragma once
// The page of the credit reversals of the tax-substitution computation.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetSubTribEstCreditos : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetSubTribEstCreditos(TComponent* owner);
};
