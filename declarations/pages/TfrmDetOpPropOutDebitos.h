#pragma once
// The page of the other debits of the declarant's own operations.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetOpPropOutDebitos : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetOpPropOutDebitos(TComponent* owner);
};
