#pragma once
// The page of the amounts of the tax-substitution computation with a special term of payment.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetSubTribPrazosEspeciais : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetSubTribPrazosEspeciais(TComponent* owner);
};
