#pragma once
// The interstate entries or exits, one row per state: a row is inserted
// with a state not yet on the page and holds the amounts of that state.
// Beside the rows stand the totals of the own-operation entries (codes
// beginning with "2") or exits ("6"), computed once when the page opens, so
// that the breakdown by state can be matched against them.

#include "declarations/pages/GridPage.h"

#include <vector>

class TDBLookupComboBox;
class TDataSet;

class InterstatePage : public GridPage {
    Q_OBJECT
public:
    struct Amount {
        QString name;    // "dbeVlContabil"
        QString caption; // "Valor Contábil"
        QString field;   // "VL_CONTABIL"
        int left, top;
    };
    struct Heading {
        QString caption;
        int left, top;
    };
    // Entries or exits: the names, words and amounts that differ.
    struct Shape {
        QString formName, caption, dataSourceName, help;
        QString ownDataSourceName; // dsEntradas / dsSaidas
        QString totalsHeading;     // "Total de Entradas Interestaduais"
        QString exemptPanelName;   // pnlIsentas / pnlImpostoRetido
        QChar codePrefix;          // the first digit of the interstate codes
        std::vector<Amount> amounts;
        std::vector<Heading> headings;
    };

    InterstatePage(TComponent* owner, TClientDataSet* rows, TClientDataSet* ownOperations,
                   const Shape& shape);

    void PreparaQuadro() override;
    void dsInterStateChange(TObject* sender);
    void fraNUBNavigator1BeforeInsert(TDataSet* dataSet);
    void fraNUBNavigator1NewRecord(TDataSet* dataSet);

    TDBLookupComboBox* dblcUFs;
    std::vector<TDBEdit*> dbeValores; // in the order of Shape::amounts
    TMemo* mmTotais;
    TPanel* pnlVlContabil;
    TPanel* pnlBaseCalculo;
    TPanel* pnlIsentas; // pnlImpostoRetido on the exits page
    TPanel* pnlOutras;
    TDataSource* dsUFs;
    TDataSource* dsOperacoes;

private:
    void BuildAmounts(const Shape& shape);
    void BuildTotals(const Shape& shape);
    // The four totals of the own operations of the interstate codes.
    void SumOperations();

    TClientDataSet* m_ownOperations;
    QChar m_codePrefix;
};
