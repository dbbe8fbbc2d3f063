#pragma once
// The summary sheet of the internal tax substitution: base and withheld tax
// of the entries and exits, and the balance of the substitution.

#include "declarations/pages/BalanceSheetPage.h"

class TfrmDetResSubTributaria : public BalanceSheetPage {
    Q_OBJECT
public:
    explicit TfrmDetResSubTributaria(TComponent* owner);

protected:
    PeriodSummary Sheet() override;
};
