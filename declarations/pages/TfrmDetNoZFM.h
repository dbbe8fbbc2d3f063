#pragma once
// Node page of the exempt sales to the free-trade areas: its no-movement
// box, which cannot be changed for periods before 2002.

#include "declarations/pages/NoMovementPage.h"

class TfrmDetNoZFM : public NoMovementPage {
    Q_OBJECT
public:
    explicit TfrmDetNoZFM(TComponent* owner);
};
