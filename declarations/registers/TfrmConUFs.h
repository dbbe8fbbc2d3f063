#pragma once
// The lookup of the states (DMDefBasica.cdsUFs): name and abbreviation.

#include "components/forms/TfrmModCadastroMidas.h"

class TDataSet;
class TDataSource;
class TDataSetSearch;
class TDBEdit;
class TIBQuery;
class TIBTransaction;
class TPanel;

class TfrmConUFs : public TfrmModCadastroMidas {
    Q_OBJECT
public:
    TfrmConUFs(TComponent* owner, int documentId);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void fsnCadastroSearch(TObject* sender);
    void fsnCadastroPrint(TObject* sender);

    TPanel* pnCadastro;
    TDataSource* dsUFs;
    TDBEdit* dbeNomeUF;
    TDBEdit* dbeSiglaUF;
    TIBTransaction* ibtPesquisa;
    TIBQuery* ibqUFs;
    TDataSetSearch* dssUFs;
};
