#pragma once
// The interstate entries page of the declaration editor.

#include "declarations/pages/InterstatePage.h"

class TfrmDetOpInterEntradas : public InterstatePage {
    Q_OBJECT
public:
    explicit TfrmDetOpInterEntradas(TComponent* owner);
};
