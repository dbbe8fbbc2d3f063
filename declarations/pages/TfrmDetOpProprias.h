#pragma once
// Node page of the own operations: no movement, previous credit balance and
// observation. Marking the own operations without movement also marks every
// other branch that has no movement and folds it in the editor's tree.

#include "declarations/pages/NoMovementPage.h"

class TfrmDetOpProprias : public NoMovementPage {
    Q_OBJECT
public:
    explicit TfrmDetOpProprias(TComponent* owner);

protected:
    void BranchMarked() override;
};
