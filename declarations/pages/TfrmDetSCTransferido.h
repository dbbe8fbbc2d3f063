#pragma once
// Export credit balances transferred to another taxpayer, with the purpose
// on both sides: the origin's, chosen only while the row is inserted, and
// the addressee's, which can still change and dictates the complementary
// datum. A taxpayer cannot transfer to itself.

#include "declarations/pages/CreditBalancePage.h"

class TfrmDetSCTransferido : public CreditBalancePage {
    Q_OBJECT
public:
    explicit TfrmDetSCTransferido(TComponent* owner);

protected:
    void fraMidasNavigator1BeforePost(TDataSet* dataSet) override;
};
