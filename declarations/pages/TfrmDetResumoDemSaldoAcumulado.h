#pragma once
// "Apuração dos Saldos": the evolution of the export credit balance in the
// month, from the own operations and the credit-balance rows, with the three
// values the declarant states (previous balance, credits tied to exports,
// provision) edited here on the declaration row. The sheet follows the three
// values as they are typed, posted or cancelled.

#include "declarations/pages/TfrmDetalheDEF.h"

class TDBEdit;
class TDataSet;
class TField;
class TMemo;
class TPanel;
class TReconcileDialog;
class TfraMidasNavigator;

class TfrmDetResumoDemSaldoAcumulado : public TfrmDetalheDEF {
    Q_OBJECT
public:
    explicit TfrmDetResumoDemSaldoAcumulado(TComponent* owner);

    void PreparaQuadro() override;
    void dsSaldoCredorDataChange(TObject* sender, TField* field);
    void fraMidasNavigator1AfterCancel(TDataSet* dataSet);
    // Every computed panel (Tag 1) back to "0,00".
    void ZeraPaineis();

    TMemo* Memo1;
    TfraMidasNavigator* fraMidasNavigator1;
    TPanel* pnlSaldos;
    TDataSource* dsSaldoCredor;
    TReconcileDialog* ReconcileDialog1;
    TDBEdit* dbeSaldoAnterior;
    TDBEdit* dbeCreditosICMS;
    TDBEdit* dbeProvisao;
    TPanel* pnlSaidasExterior;
    TPanel* pnlTotSaidas;
    TPanel* pnlProporcao;
    TPanel* pnlCreditosPeriodo;
    TPanel* pnlDebitosPeriodos;
    TPanel* pnlSaldoAjustadoPeriodo;
    TPanel* pnldoCredorAcumulado;
    TPanel* pnlCompTransferencia;
    TPanel* pnlCompProprio;
    TPanel* pnlTransferencias;
    TPanel* pnlSaldoProxPeriodo;

private:
    void BuildHeader();
    void BuildFigures();
    void Calcula();
};
