#pragma once
// The branch page of the summaries: a framed, empty sheet; its subpages
// hold the figures.

#include "declarations/pages/TfrmDetalheDEF.h"

class TBevel;

class TfrmDetResumos : public TfrmDetalheDEF {
    Q_OBJECT
public:
    explicit TfrmDetResumos(TComponent* owner);

    TBevel* Bevel1;
};
