#pragma once
// The interstate exits page of the declaration editor.

#include "declarations/pages/InterstatePage.h"

class TfrmDetOpInterSaidas : public InterstatePage {
    Q_OBJECT
public:
    explicit TfrmDetOpInterSaidas(TComponent* owner);
};
