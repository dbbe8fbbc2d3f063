#pragma once
// The page of the debit reversals of the tax-substitution computation.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetSubTribEstDebitos : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetSubTribEstDebitos(TComponent* owner);
};
