#pragma once
// The page over the subpage of the export credit balances received from
// other taxpayers.

#include "declarations/pages/InformationPage.h"

class TfrmDetDeclSaldosRecebidos : public InformationPage {
    Q_OBJECT
public:
    explicit TfrmDetDeclSaldosRecebidos(TComponent* owner);
};
