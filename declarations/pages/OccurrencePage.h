#pragma once
// The common shape of the editor's pages whose rows stand under a legal
// ground (other credits and debits, reversals, deductions, special terms,
// other ICMS due): each row names a ground of the page's occurrence kind,
// valid in the declaration's period, carries an amount, complementary data
// whose meaning the ground dictates, and a free description.
//
// The ground is chosen only while a row is inserted; posting checks, in
// order, that the ground is one offered, that the amount is at least 0,01
// and that each complementary datum fits its type. A refusal shows its
// message, focuses the control to correct and keeps the row in edit.
//
// The legal-ground set is shared by every such page: the page filters it to
// its kind and closes it when it closes.

#include "declarations/pages/GridPage.h"

class TDBComboValues;
class TDBText;
class TDataSet;
class TWinControl;

class OccurrencePage : public GridPage {
    Q_OBJECT
public:
    // What differs between the pages.
    struct Shape {
        QString formName;       // "frmDetOpPropOutCreditos"
        QString caption;        // "Outros Créditos"
        QString dataSourceName; // "dsOutrosCreditos"
        QString help;
        QString valueField;  // "VL_OUTRO_CREDITO"
        int occurrence = 0;  // TP_OCORRENCIA of the grounds offered
        QString computation; // TP_APURACAO of the grounds and rows; empty: any
        QString description; // "DescOcorrencia" or "DescFundamento" (and ...Comp)
        int data = 2;        // complementary data shown and checked
        QString gridName = QStringLiteral("dbgDetalhes");
    };

    OccurrencePage(TComponent* owner, TClientDataSet* rows, const Shape& shape);

    void PreparaQuadro() override;
    void FormClose(TObject* sender, TCloseAction& action);
    void dsStateChange(TObject* sender);
    void dsDataChange(TObject* sender, TField* field);
    void fraNUBNavigator1BeforeInsert(TDataSet* dataSet);
    void fraNUBNavigator1NewRecord(TDataSet* dataSet);
    void fraMidasNavigator1BeforePost(TDataSet* dataSet);
    void dbmDescComplementarKeyPress(TObject* sender, QChar& key);
    void dbeDadoComp1Enter(TObject* sender);

    // The complementary-datum edit of number 1 to Shape::data.
    TDBEdit* DatumEdit(int numero) const;

    TDBComboValues* dbcvCFOPs;
    TDBEdit* dbeVlContabil;
    TDBEdit* dbeDadoComp1;
    TDBEdit* dbeDadoComp2;
    TDBEdit* dbeDadoComp3; // only on pages with three data
    TDBText* dbtComplemento1;
    TDBText* dbtComplemento2;
    TDBText* dbtComplemento3;
    TDBMemo* dbmDescComplementar;
    TDBMemo* dbmDescFundamento;
    TDBMemo* dbmDescComplemento;
    TDataSource* dsFundamentos;

protected:
    // The rules of a post, each refusing with its message and focus.
    void RequireOfferedOccurrence();
    void RequireMinimumValue(TDataSet* dataSet);
    // Puts the legal-ground set on the row's ground.
    void LocateLegalGround(TDataSet* dataSet);
    void RequireValidDatum(TDataSet* dataSet, int numero);
    [[noreturn]] void Refuse(const QString& texto, TWinControl* foco);

    TClientDataSet* LegalGrounds() const;

private:
    void BuildFields();
    void BuildColumns();
    Shape m_shape;
};
