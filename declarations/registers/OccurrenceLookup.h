#pragma once
// The shape of the lookups of occurrences (the legal grounds of adjustments
// and the purposes of the export credit balance): the code, sub-type, type
// and description of the current occurrence on top, its history below
// (following the current occurrence), search by the occurrence's text over
// the view of the active ones. A lookup differs from another in the names
// its Shape gives and in what it shows of the history.

#include "components/forms/TfrmModCadastroMidas.h"

#include <QStringList>

class TClientDataSet;
class TDataSetSearch;
class TDataSource;
class TDBEdit;
class TIBQuery;
class TIBTransaction;
class TLabel;
class TPanel;

class OccurrenceLookup : public TfrmModCadastroMidas {
    Q_OBJECT
public:
    struct Shape {
        QString formName;
        QString caption;
        int clientHeight;
        TClientDataSet* occurrences;
        TClientDataSet* history;
        QString sourceName;
        QString historySourceName;
        QString searchName;
        QStringList searchText; // the query over the view of the occurrences
        QString searchCaption;  // the column of the occurrence's text
    };

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void fsnCadastroSearch(TObject* sender);
    void fsnCadastroPrint(TObject* sender);

    TPanel* pnCadastro;
    TDBEdit* dbeCodigo;
    TDBEdit* dbeSubTipo;
    TDBEdit* dbeTipo;
    TDBEdit* dbeDescricao;
    TLabel* lblHistorico;
    TIBTransaction* ibtPesquisa;
    TIBQuery* ibqPesquisa;

protected:
    static constexpr int kClientWidth = 680;
    static constexpr int kMargin = 12;

    OccurrenceLookup(TComponent* owner, int documentId, const Shape& shape);
    // The lookup's own listing, previewed by the print button.
    virtual void PreviewListing() = 0;

    TDataSource* m_source;
    TDataSource* m_history;
    TDataSetSearch* m_search;

private:
    void BuildHeader();
    void BuildSearch();

    const Shape m_shape;
};
