#pragma once
// The page of the debit reversals of the declarant's own operations.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetOpPropEstDebitos : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetOpPropEstDebitos(TComponent* owner);
};
