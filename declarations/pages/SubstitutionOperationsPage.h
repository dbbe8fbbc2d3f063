#pragma once
// The entries or the exits seen from the internal tax substitution: the rows
// of the own-operations page, of which only the two substitution amounts
// are filled in here. A box limits the list to the codes of CFOP group 1;
// positive substitution amounts stand out in blue.

#include "declarations/pages/GridPage.h"

class TCheckBox;
class TColumn;
class QPainter;
class TDBLookupComboBox;
class TIBQuery;

class SubstitutionOperationsPage : public GridPage {
    Q_OBJECT
public:
    struct Shape {
        QString formName, caption, dataSourceName, help;
        QString taxEditName;  // dbeVlImpCreditado / dbeVlImpDebitado
        QString creditWord;   // "Crédito" / "Débito"
        QString creditedWord; // "Creditado" / "Debitado"
        QString queryName;    // ibqEntradasI / ibqSaidasI
        QString table, alias; // ENTRADA_DECLARADA ED / SAIDA_DECLARADA SD
    };

    SubstitutionOperationsPage(TComponent* owner, TClientDataSet* rows, TClientDataSet* codes,
                               const Shape& shape);

    void PreparaQuadro() override;
    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void cbFiltroClick(TObject* sender);
    void dsStateChange(TObject* sender);
    void dbgDetalhesDrawColumnCell(TObject* sender, QPainter& painter, const QRect& rect, int dataCol,
                                   TColumn* column, unsigned state);

    // The query text the box chooses.
    static QStringList FilteredQuery(const QString& table, const QString& alias);
    static QStringList FullQuery(const QString& table, const QString& alias);

    TDBLookupComboBox* dblcCFOPs;
    TDBEdit* dbeVlContabil;
    TDBEdit* dbeVlBaseCalculo;
    TDBEdit* dbeVlImposto;
    TDBEdit* dbeVlIsentas;
    TDBEdit* dbeVlOutras;
    TDBEdit* dbeBaseCalcSt;
    TDBEdit* dbeVlImpRetidos;
    TDBMemo* dbmDescCFOP;
    TCheckBox* cbFiltro;
    TDataSource* dsCFOPs;

private:
    void BuildCodeFields();
    void BuildAmountFields();
    TClientDataSet* m_codes;
    Shape m_shape;
    bool m_filtered = false;
    bool m_reverting = false;
};
