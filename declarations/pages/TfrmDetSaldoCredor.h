#pragma once
// The branch page of the export credit balance: what its subpages hold.
// A node page, so the editor lets it go without asking about pending edits.

#include "declarations/pages/TfrmDetalheDEFNo.h"

class TMemo;

class TfrmDetSaldoCredor : public TfrmDetalheDEFNo {
    Q_OBJECT
public:
    explicit TfrmDetSaldoCredor(TComponent* owner);

    TMemo* Memo1;
};
