#pragma once
// The entries or the exits of the declarant's own operations, one row per
// fiscal operation code: a row is inserted with a code chosen among those of
// the period not yet on the page, and holds the accounting value, tax base,
// tax, exempt and other operations of that code.

#include "declarations/pages/GridPage.h"

class TDBComboBox;
class TDataSet;

class OwnOperationsPage : public GridPage {
    Q_OBJECT
public:
    // Entries or exits: the names and words that differ.
    struct Shape {
        QString formName, caption, dataSourceName, help;
        QString taxEditName;  // dbeVlImpCreditado / dbeVlImpDebitado
        QString creditWord;   // "Crédito" / "Débito"
        QString creditedWord; // "Creditado" / "Debitado"
    };

    OwnOperationsPage(TComponent* owner, TClientDataSet* rows, TClientDataSet* codes, const Shape& shape);

    void PreparaQuadro() override;
    void FormClose(TObject* sender, TCloseAction& action);
    void dsStateChange(TObject* sender);
    void dsDataChange(TObject* sender, TField* field);
    void fraNUBNavigator1BeforeInsert(TDataSet* dataSet);
    void fraNUBNavigator1NewRecord(TDataSet* dataSet);
    void fraMidasNavigator1BeforePost(TDataSet* dataSet);

    TDBComboBox* dbcCFOPs;
    TDBEdit* dbeVlContabil;
    TDBEdit* dbeVlBaseCalculo;
    TDBEdit* dbeVlImposto;
    TDBEdit* dbeVlIsentas;
    TDBEdit* dbeVlOutras;
    TDBMemo* dbmDescCFOP;
    TDataSource* dsCFOPs;

private:
    void BuildFields(const Shape& shape);
    // The code field of the page's set.
    TField* CodeField() const;
    TClientDataSet* m_codes;
};
