#pragma once
// Node page of the internal tax substitution: no movement, previous credit
// balance and observation.

#include "declarations/pages/NoMovementPage.h"

class TfrmDetSubTribInterna : public NoMovementPage {
    Q_OBJECT
public:
    explicit TfrmDetSubTribInterna(TComponent* owner);
};
