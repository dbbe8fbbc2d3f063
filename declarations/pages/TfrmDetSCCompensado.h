#pragma once
// Export credit balances compensated with debit balances of other
// establishments, one row per invoice.

#include "declarations/pages/CreditBalancePage.h"

class TfrmDetSCCompensado : public CreditBalancePage {
    Q_OBJECT
public:
    explicit TfrmDetSCCompensado(TComponent* owner);

protected:
    void fraMidasNavigator1BeforePost(TDataSet* dataSet) override;
};
