#pragma once
// The page over the subpages of the accumulated export credit balance: what
// they show of its evolution.

#include "declarations/pages/InformationPage.h"

class TfrmDetDemSaldoAcumulado : public InformationPage {
    Q_OBJECT
public:
    explicit TfrmDetDemSaldoAcumulado(TComponent* owner);
};
