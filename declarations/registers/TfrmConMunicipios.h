#pragma once
// The lookup of the municipalities (DMDefBasica.cdsMunicipios) with the
// periods in which each belonged to a free-trade area (cdsMunicipiosALC,
// following the current municipality). Search finds by name.

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

class TfrmConMunicipios : public TfrmModCadastroMidas {
    Q_OBJECT
public:
    TfrmConMunicipios(TComponent* owner, int documentId);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void fsnCadastroSearch(TObject* sender);
    void fsnCadastroPrint(TObject* sender);

    TPanel* pnCadastro;
    TDataSource* dsConMunicipios;
    TDataSource* dsConMunicipiosALC;
    TDBEdit* dbeMunicipio;
    TDBEdit* dbeUF;
    TLabel* lblPeriodos;
    TDBGrid* dbgMunicipiosALC;
    TIBTransaction* ibtPesquisa;
    TIBQuery* ibqPesquisa;
    TDataSetSearch* dssMunicipios;

private:
    void BuildHeader();
    void BuildSearch();
};
