#pragma once
// The page of the deductions of the declarant's own operations.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetOpPropDeducoes : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetOpPropDeducoes(TComponent* owner);
};
