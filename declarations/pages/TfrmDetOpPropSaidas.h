#pragma once
// The own-operation exits page of the declaration editor.

#include "declarations/pages/OwnOperationsPage.h"

class TfrmDetOpPropSaidas : public OwnOperationsPage {
    Q_OBJECT
public:
    explicit TfrmDetOpPropSaidas(TComponent* owner);
};
