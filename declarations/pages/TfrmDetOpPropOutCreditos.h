#pragma once
// The page of the other credits of the declarant's own operations.

#include "declarations/pages/OccurrencePage.h"

class TfrmDetOpPropOutCreditos : public OccurrencePage {
    Q_OBJECT
public:
    explicit TfrmDetOpPropOutCreditos(TComponent* owner);
};
