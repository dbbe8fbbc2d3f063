#pragma once
// The page of the other debits of the tax-substitution computation.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetSubTribOutDebitos : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetSubTribOutDebitos(TComponent* owner);
};
