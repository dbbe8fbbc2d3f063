#pragma once
// The page of the amounts of the declarant's own operations with a special term of payment.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetOpPropPrazosEspeciais : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetOpPropPrazosEspeciais(TComponent* owner);
};
