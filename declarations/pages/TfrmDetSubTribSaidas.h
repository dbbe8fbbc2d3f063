#pragma once
// The tax-substitution exits page of the declaration editor.

#include "declarations/pages/SubstitutionOperationsPage.h"

class TfrmDetSubTribSaidas : public SubstitutionOperationsPage {
    Q_OBJECT
public:
    explicit TfrmDetSubTribSaidas(TComponent* owner);
};
