#pragma once
// The register of the declaring taxpayers (DMDef.cdsContribuintes). The
// registration is typed when a taxpayer is included and cannot be changed
// afterwards; a taxpayer with declarations cannot be deleted. A taxpayer
// whose registration or CNPJ fails its check digits is refused before it is
// stored. Search finds a taxpayer by registration or name and places the
// register on it; print shows the one-click listing, then the taxpayer
// listing.

#include "components/forms/TfrmModCadastroMidas.h"

class TDataSet;
class TDataSource;
class TDataSetSearch;
class TDBEdit;
class TIBQuery;
class TIBTransaction;
class TPanel;

class TfrmCadContribuintes : public TfrmModCadastroMidas {
    Q_OBJECT
public:
    TfrmCadContribuintes(TComponent* owner, int documentId);

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyPress(TObject* sender, QChar& key);
    void fsnCadastroSearch(TObject* sender);
    void fsnCadastroNewRecord(TDataSet* dataSet);
    void fsnCadastroBeforePost(TDataSet* dataSet);
    void fsnCadastroBeforeDelete(TDataSet* dataSet);
    void fsnCadastroPrint(TObject* sender);
    void dsCadContribuintesStateChange(TObject* sender);

    TPanel* pnCadastro;
    TDataSource* dsCadContribuintes;
    TDBEdit* dbeNumInscricao;
    TDBEdit* dbeCNPJ_CPF;
    TDBEdit* dbeRazaoSocial;
    TDBEdit* dbeEMail;
    TDBEdit* dbeDDDTelefone;
    TDBEdit* dbeTelefone;
    TDBEdit* dbeDDDFax;
    TDBEdit* dbeFax;
    TIBTransaction* ibtPesquisa;
    TIBQuery* ibqPesquisa;
    TDataSetSearch* dssContribuinte;

private:
    void BuildFields();
    void BuildListing();
    void BuildSearch();
};
