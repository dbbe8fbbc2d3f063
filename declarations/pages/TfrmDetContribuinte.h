#pragma once
// The taxpayer page of the declaration editor: the declaring taxpayer's
// register data, and the legal representative and the accountant of the
// declaration, each chosen from its register with a search and stored on the
// declaration row at once.

#include "declarations/pages/TfrmDetalheDEF.h"

class TDBEdit;
class TDataSetSearch;
class TDataSource;
class TIBQuery;
class TIBTransaction;
class TLabel;
class TSpeedButton;

class TfrmDetContribuinte : public TfrmDetalheDEF {
    Q_OBJECT
public:
    explicit TfrmDetContribuinte(TComponent* owner);

    void PreparaQuadro() override;
    void FormClose(TObject* sender, TCloseAction& action);
    void btnSelRepresentanteClick(TObject* sender);
    void btnContabilistaClick(TObject* sender);

    TDataSource* dsDetContribuinte;
    TDataSource* dsDeclaracao;
    TDBEdit* dbeInscricao;
    TDBEdit* dbeRazaoSocial;
    TDBEdit* dbeCNPJ;
    TDBEdit* dbeEMail;
    TDBEdit* dbeDDDTelefone;
    TDBEdit* dbeTelefone;
    TDBEdit* dbeDDDFax;
    TDBEdit* dbeFax;
    TDBEdit* dbeNomeRep;
    TDBEdit* dbeDDDRep;
    TDBEdit* dbeTelRep;
    TDBEdit* dbeNomeCont;
    TDBEdit* dbeDDDCont;
    TDBEdit* dbeTelCont;
    TSpeedButton* btnSelRepresentante;
    TSpeedButton* btnContabilista;
    TIBTransaction* ibtPesquisa;
    TIBQuery* ibqPesqRepresentante;
    TIBQuery* ibqPesqContabilista;
    TDataSetSearch* dssRepresentante;
    TDataSetSearch* dssContabilista;

private:
    void BuildTaxpayer();
    void BuildPeople();
    void BuildSearches();
    // Copies the three fields of the chosen row into the declaration and
    // stores it at once.
    void CopyChoice(TDataSetSearch* search, const QStringList& campos);
    TDBEdit* FieldEdit(const QString& name, TDataSource* source, const QString& field, int left, int top,
                       int width);
};
