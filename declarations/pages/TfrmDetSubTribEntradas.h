#pragma once
// The tax-substitution entries page of the declaration editor.

#include "declarations/pages/SubstitutionOperationsPage.h"

class TfrmDetSubTribEntradas : public SubstitutionOperationsPage {
    Q_OBJECT
public:
    explicit TfrmDetSubTribEntradas(TComponent* owner);
};
