#pragma once
// The summary sheet of the own operations.

#include "declarations/pages/BalanceSheetPage.h"

class TfrmDetResOpProprias : public BalanceSheetPage {
    Q_OBJECT
public:
    explicit TfrmDetResOpProprias(TComponent* owner);

protected:
    PeriodSummary Sheet() override;
};
