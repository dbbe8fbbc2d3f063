#pragma once
// Export credit balances received from another taxpayer, with the
// administrative process that authorised them.

#include "declarations/pages/CreditBalancePage.h"

class TfrmDetSCRecebido : public CreditBalancePage {
    Q_OBJECT
public:
    explicit TfrmDetSCRecebido(TComponent* owner);

protected:
    void fraMidasNavigator1BeforePost(TDataSet* dataSet) override;
};
