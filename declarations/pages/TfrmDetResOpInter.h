#pragma once
// The summary of the interstate operations: the entries and exits by state
// added up over the states.

#include "declarations/pages/TfrmDetalheDEF.h"

class TPanel;

class TfrmDetResOpInter : public TfrmDetalheDEF {
    Q_OBJECT
public:
    explicit TfrmDetResOpInter(TComponent* owner);

    void PreparaQuadro() override;

    TPanel* pnlVlContabilEntradas;
    TPanel* pnlBaseCalculoEntradas;
    TPanel* pnlPetroleoEntradas;
    TPanel* pnlOutrosProdutos;
    TPanel* pnlOutOpEntradas;
    TPanel* pnlContContrib;
    TPanel* pnlContNaoContrib;
    TPanel* pnlBaseContrib;
    TPanel* pnlBaseNaoContrib;
    TPanel* pnlOutOp;
    TPanel* pnlImpCobrado;
};
