#pragma once
// The own-operation entries page of the declaration editor.

#include "declarations/pages/OwnOperationsPage.h"

class TfrmDetOpPropEntradas : public OwnOperationsPage {
    Q_OBJECT
public:
    explicit TfrmDetOpPropEntradas(TComponent* owner);
};
