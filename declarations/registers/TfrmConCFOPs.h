#pragma once
// The lookup of the fiscal operation codes (DMDefBasica.cdsCFOPs) with the
// history of each code (cdsCFOPsHist, following the current code). The
// descriptions of the current history row show in a detail panel, toggled
// by a double click on the history or by the "Descrições" button.

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

class TfrmConCFOPs : public TfrmModCadastroMidas {
    Q_OBJECT
public:
    TfrmConCFOPs(TComponent* owner, int documentId);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void fsnCadastroSearch(TObject* sender);
    void fsnCadastroPrint(TObject* sender);
    void dbgCFOPsDblClick(TObject* sender);
    void btnFecharDetalheClick(TObject* sender);

    TPanel* pnCadastro;
    TDataSource* dsCFOPs;
    TDataSource* dsCFOPsHist;
    TDBEdit* dbeCodigo;
    TDBEdit* dbeNatureza;
    TDBEdit* dbeDataInicio;
    TDBEdit* dbeDataFim;
    TLabel* lblHistorico;
    TSpeedButton* sbDescricoes;
    TDBGrid* dbgCFOPs;
    TPanel* pnlDetalhe;
    TDBMemo* dbmNaturezaCFOP;
    TDBMemo* dbmDescricao;
    TButton* btnFecharDetalhe;
    TIBTransaction* ibtPesquisa;
    TIBQuery* ibqPesquisa;
    TDataSetSearch* dssCFOPs;

private:
    void BuildHeader();
    void BuildDetail();
    void BuildSearch();
};
