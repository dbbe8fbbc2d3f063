#pragma once
// The branch page of the interstate operations: what its two subpages
// detail, by state.

#include "declarations/pages/InformationPage.h"

class TfrmDetOpInterestaduais : public InformationPage {
    Q_OBJECT
public:
    explicit TfrmDetOpInterestaduais(TComponent* owner);
};
