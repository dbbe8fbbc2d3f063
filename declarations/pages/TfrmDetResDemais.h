#pragma once
// The other summaries: the other ICMS due, the exits to the free-trade
// areas, and the uses of the export credit balance with what is left of it
// for the next period.

#include "declarations/pages/TfrmDetalheDEF.h"

class TDBEdit;
class TPanel;

class TfrmDetResDemais : public TfrmDetalheDEF {
    Q_OBJECT
public:
    explicit TfrmDetResDemais(TComponent* owner);

    void PreparaQuadro() override;

    TDataSource* dsOutrosResumos;
    TDBEdit* dbeSCAnterior;
    TPanel* pnlICMS;
    TPanel* pnlVlNotaFiscal;
    TPanel* pnlNum;
    TPanel* pnlVlIsentasALC;
    TPanel* pnlCompProprio;
    TPanel* pnlCompEstab;
    TPanel* pnlTransf;
    TPanel* pnlCrRecebidos;
    TPanel* pnlSCProxPeriodo;

private:
    void BuildFigures();
    void Calcula();
};
