#pragma once
// The common shape of the editor's pages that list rows of one detail table
// of the declaration: a help text, the navigator that inserts, edits,
// deletes and applies at once, the fields of the current row, the grid of
// every row, and a reconcile dialog on the page's own data set, so that a
// row the database refuses is shown and stays correctable.
//
// Typed text keeps no apostrophe, whether typed or pasted. Focusing a field
// or moving to another row shows its hint in the footer.

#include "declarations/pages/TfrmDetalheDEF.h"

#include "platform/ui/UiTypes.h"

#include <initializer_list>

class TClientDataSet;
class TDBEdit;
class TDBGrid;
class TDBMemo;
class TDataSource;
class TField;
class TMemo;
class TPanel;
class TReconcileDialog;
class TfraMidasNavigator;
struct GridColumn;

class GridPage : public TfrmDetalheDEF {
    Q_OBJECT
public:
    struct Shape {
        QString formName;       // "frmDetOpPropEntradas"
        QString caption;        // "Entradas"
        QString dataSourceName; // "dsEntradas"
        QStringList helpText;   // the lines of Memo1
        unsigned features = 0;  // of the navigator
        int fieldsHeight = 150; // room of the row's fields
    };

    GridPage(TComponent* owner, TClientDataSet* dataSet, const Shape& shape);

    // The buttons of a page whose rows are inserted, edited and deleted.
    static unsigned RowFeatures();
    // The page's shape out of the names, help and buttons its family gives.
    template <class Family> static Shape ShapeOf(const Family& family, unsigned features = RowFeatures()) {
        return {family.formName, family.caption, family.dataSourceName, QStringList(family.help), features};
    }

    TClientDataSet* DataSet() const { return m_dataSet; }

    TMemo* Memo1;
    TfraMidasNavigator* fraMidasNavigator1;
    TPanel* pnlCampos;
    TDBGrid* dbgDetalhes;
    TDataSource* dsDetalhe;
    TReconcileDialog* ReconcileDialog1;

protected:
    // A caption over a data-aware edit of the page's data set in pnlCampos.
    TDBEdit* FieldEdit(const QString& name, const QString& caption, const QString& field, int left, int top,
                       int width);
    TDBMemo* FieldMemo(const QString& name, const QString& caption, const QString& field, int left, int top,
                       int width, int height);
    void SetGridColumns(std::initializer_list<GridColumn> columns);
    // Shows a control as editable (window colour) or not (info background).
    static void ShowEditable(class TWinControl* control, bool editable);
    // Installs the apostrophe guard over the page; call once all fields exist.
    void GuardApostrophes();

    void FocusedFieldChanged(TObject* sender);

private:
    void BuildHelpAndNavigator(const Shape& shape);
    TClientDataSet* m_dataSet;
};
