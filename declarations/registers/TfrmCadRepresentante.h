#pragma once
// The register of the legal representatives (DMDefAux.cdsRepresentante): name, area code and
// telephone, all three required. A new record takes its key SQ_REPRESENTANTE
// from counter 15 when it is created, so a cancelled insert still uses
// a number. Search finds by name and places the register on the row.

#include "components/forms/TfrmModCadastroMidas.h"

class TDataSet;
class TDataSource;
class TDataSetSearch;
class TDBEdit;
class TIBQuery;
class TIBTransaction;
class TPanel;

class TfrmCadRepresentante : public TfrmModCadastroMidas {
    Q_OBJECT
public:
    TfrmCadRepresentante(TComponent* owner, int documentId);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyPress(TObject* sender, QChar& key);
    void fsnCadastroSearch(TObject* sender);
    void fsnCadastroNewRecord(TDataSet* dataSet);
    void fsnCadastroBeforePost(TDataSet* dataSet);
    void fsnCadastroPrint(TObject* sender);

    TPanel* pnCadastro;
    TDataSource* dsRepresentante;
    TDBEdit* dbeNomeRep;
    TDBEdit* dbeDDDRep;
    TDBEdit* dbeTelRep;
    TIBTransaction* ibtPesquisa;
    TIBQuery* ibqPesquisa;
    TDataSetSearch* dssRepresentante;
};
