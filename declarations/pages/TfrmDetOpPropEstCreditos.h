#pragma once
// The page of the credit reversals of the declarant's own operations.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetOpPropEstCreditos : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetOpPropEstCreditos(TComponent* owner);
};
