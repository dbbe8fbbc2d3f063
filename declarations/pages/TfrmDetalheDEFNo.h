#pragma once
// The template of the pages of a tree node that edit the declaration row
// itself (no-movement flags, balances, observations): closing the page posts
// a pending edit of its data set and applies it at once, refused changes
// going to the page's reconcile dialog.

#include "declarations/pages/TfrmDetalheDEF.h"

class TReconcileDialog;

class TfrmDetalheDEFNo : public TfrmDetalheDEF {
    Q_OBJECT
public:
    explicit TfrmDetalheDEFNo(TComponent* owner);

    void FormClose(TObject* sender, TCloseAction& action);

    TReconcileDialog* rdDetalheNo;
};
