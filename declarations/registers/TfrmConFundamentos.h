#pragma once
// The lookup of the legal grounds of adjustments ("ocorrências",
// DMDefBasica.cdsFundamentos) with the history of each one (cdsFundHist,
// following the current ground). The legislation and the types of the
// complementary data of the current history row show in a detail panel,
// toggled by a double click on the history or by the "Dados
// Complementares" button. Search lists the active grounds of own
// operations, tax substitution and other ICMS.

#include "components/forms/TfrmModCadastroMidas.h"

class TDataSet;
class TDataSource;
class TButton;
class TDataSetSearch;
class TDBEdit;
class TDBGrid;
class TDBMemo;
class TIBQuery;
class TIBTransaction;
class TLabel;
class TPanel;
class TSpeedButton;

class TfrmConFundamentos : public TfrmModCadastroMidas {
    Q_OBJECT
public:
    TfrmConFundamentos(TComponent* owner, int documentId);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void fsnCadastroSearch(TObject* sender);
    void fsnCadastroPrint(TObject* sender);
    void DBGrid1DblClick(TObject* sender);
    void btnFecharDetalheClick(TObject* sender);

    TPanel* pnCadastro;
    TDataSource* dsConFundamentos;
    TDataSource* dsConHistFundamento;
    TDBEdit* dbeCodigo;
    TDBEdit* dbeSubTipo;
    TDBEdit* dbeTipo;
    TDBEdit* dbeDescricao;
    TLabel* lblHistorico;
    TSpeedButton* sbDadosComplementares;
    TDBGrid* DBGrid1;
    TPanel* pnlDetalhe;
    TDBMemo* dbmLegislacao;
    TDBEdit* dbeTpDadoComp1;
    TDBEdit* dbeTpDadoComp2;
    TDBEdit* dbeTpDadoComp3;
    TButton* btnFecharDetalhe;
    TIBTransaction* ibtPesquisa;
    TIBQuery* ibqPesquisa;
    TDataSetSearch* dssFundamentos;
};
