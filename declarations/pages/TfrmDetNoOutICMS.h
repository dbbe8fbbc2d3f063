#pragma once
// Node page of the other ICMS due: its no-movement box, which cannot be
// changed for periods before 2002.

#include "declarations/pages/NoMovementPage.h"

class TfrmDetNoOutICMS : public NoMovementPage {
    Q_OBJECT
public:
    explicit TfrmDetNoOutICMS(TComponent* owner);
};
