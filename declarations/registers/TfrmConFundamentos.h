#pragma once
// The lookup of the legal grounds of adjustments ("ocorrências",
// DMDefBasica.cdsFundamentos) with the history of each one (cdsFundHist,
// following the current ground). The legislation and the types of the
// complementary data of the current history row show in a detail panel,
// toggled by a double click on the history or by the "Dados
// Complementares" button. Search lists the active grounds of own
// operations, tax substitution and other ICMS.

#include "declarations/registers/OccurrenceLookup.h"

class TButton;
class TDBGrid;
class TDBMemo;
class TSpeedButton;

class TfrmConFundamentos : public OccurrenceLookup {
    Q_OBJECT
public:
    TfrmConFundamentos(TComponent* owner, int documentId);

    void FormCreate(TObject* sender);
    void DBGrid1DblClick(TObject* sender);
    void btnFecharDetalheClick(TObject* sender);

    TDataSource* dsConFundamentos;
    TDataSource* dsConHistFundamento;
    TSpeedButton* sbDadosComplementares;
    TDBGrid* DBGrid1;
    TPanel* pnlDetalhe;
    TDBMemo* dbmLegislacao;
    TDBEdit* dbeTpDadoComp1;
    TDBEdit* dbeTpDadoComp2;
    TDBEdit* dbeTpDadoComp3;
    TButton* btnFecharDetalhe;
    TDataSetSearch* dssFundamentos;

protected:
    void PreviewListing() override;

private:
    void BuildDetail();
};
