#pragma once
// Export credit balances compensated by their holder itself.

#include "declarations/pages/CreditBalancePage.h"

class TfrmDetSCCompProprio : public CreditBalancePage {
    Q_OBJECT
public:
    explicit TfrmDetSCCompProprio(TComponent* owner);

protected:
    void fraMidasNavigator1BeforePost(TDataSet* dataSet) override;
};
