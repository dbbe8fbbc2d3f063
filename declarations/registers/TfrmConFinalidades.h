#pragma once
// The lookup of the purposes of the export credit balance
// ("finalidades", DMDefBasica.cdsFinalidades) with the history of each one
// (cdsFinalHist, following the current purpose). Search lists the active
// purposes (calculation type E).

#include "components/forms/TfrmModCadastroMidas.h"

class TDataSet;
class TDataSource;
class TDataSetSearch;
class TDBEdit;
class TDBGrid;
class TIBQuery;
class TIBTransaction;
class TLabel;
class TPanel;

class TfrmConFinalidades : public TfrmModCadastroMidas {
    Q_OBJECT
public:
    TfrmConFinalidades(TComponent* owner, int documentId);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void fsnCadastroSearch(TObject* sender);
    void fsnCadastroPrint(TObject* sender);

    TPanel* pnCadastro;
    TDataSource* dsConFinalidades;
    TDataSource* dsConHistFinalidades;
    TDBEdit* dbeCodigo;
    TDBEdit* dbeSubTipo;
    TDBEdit* dbeTipo;
    TDBEdit* dbeDescricao;
    TLabel* lblHistorico;
    TDBGrid* dbgHistorico;
    TIBTransaction* ibtPesquisa;
    TIBQuery* ibqPesquisa;
    TDataSetSearch* dssFinalidades;
};
