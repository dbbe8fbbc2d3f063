#pragma once
// The page of the deductions of the tax-substitution computation.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetSubTribDeducoes : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetSubTribDeducoes(TComponent* owner);
};
