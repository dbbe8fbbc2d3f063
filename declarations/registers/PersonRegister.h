#pragma once
// The shape of the registers of the people a declaration names (the legal
// representatives and the accountants): name, area code and telephone, all
// three required, each missing one refused with its own message and the
// focus on its edit. A new record takes its key from the register's counter
// when it is created, so a cancelled insert still uses a number. Search
// finds by name and places the register on the row. The registers differ
// only in the names their Shape gives.

#include "components/forms/TfrmModCadastroMidas.h"

class TClientDataSet;
class TDataSet;
class TDataSource;
class TDataSetSearch;
class TDBEdit;
class TIBQuery;
class TIBTransaction;
class TPanel;

class PersonRegister : public TfrmModCadastroMidas {
    Q_OBJECT
public:
    // One of the three fields: its edit's name and caption, its column.
    struct Field {
        QString edit;
        QString caption;
        QString column;
        int missingMessage; // the rule message when it is left empty
    };
    struct Shape {
        QString formName;
        QString caption;
        QString dataSourceName;
        QString searchName;
        QString table; // as the search's query names it
        QString key;
        int counter; // the counter the key is taken from
        Field name;
        Field areaCode;
        Field telephone;
        // Whether the print button prints the template's listing before it
        // previews the register's own.
        bool printsTemplateListing;
    };

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyPress(TObject* sender, QChar& key);
    void fsnCadastroSearch(TObject* sender);
    void fsnCadastroNewRecord(TDataSet* dataSet);
    void fsnCadastroBeforePost(TDataSet* dataSet);
    void fsnCadastroPrint(TObject* sender);

    TPanel* pnCadastro;
    TIBTransaction* ibtPesquisa;
    TIBQuery* ibqPesquisa;

protected:
    PersonRegister(TComponent* owner, int documentId, TClientDataSet* dataSet, const Shape& shape);
    // The register's own listing, previewed by the print button.
    virtual void PreviewListing() = 0;

    TDataSource* m_source;
    TDBEdit* m_name;
    TDBEdit* m_areaCode;
    TDBEdit* m_telephone;
    TDataSetSearch* m_search;

private:
    void BuildFields();
    void BuildSearch();

    TClientDataSet* m_dataSet;
    const Shape m_shape;
};
