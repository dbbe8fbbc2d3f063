#pragma once
// The common shape of the node pages that mark a branch of the declaration
// as without movement: a help text, the branch's no-movement box on the
// declaration row and, for the own-operations and internal-substitution
// branches, the previous credit balance and an observation.
//
// Ticking the box sets the flag to "S" (the declaration data set refuses it,
// with its message, while the branch has movement) and folds the branch in
// the editor's tree; clearing it sets "N".

#include "declarations/pages/TfrmDetalheDEFNo.h"

class TDBCheckBox;
class TDBEdit;
class TDBMemo;
class TDataSource;
class TField;
class TLabel;
class TMemo;

class NoMovementPage : public TfrmDetalheDEFNo {
    Q_OBJECT
public:
    struct Shape {
        QString formName;       // "frmDetOpProprias"
        QString caption;        // "Operações Próprias"
        QString flagField;      // "IN_OPER_PROP_SEM_MOV"
        QString checkCaption;   // "Sem movimento de Operações Próprias"
        QString dataSourceName; // "dsOpProprias"
        QStringList helpText;   // the lines of Memo1
        QString balanceField;   // empty: no balance and observation
        QString notesField;
        // The box acts in insert state too, not only in edit state.
        bool actsWhileInserting = false;
        // The box cannot be changed before this year (0: always can).
        int firstEditableYear = 0;
    };

    NoMovementPage(TComponent* owner, const Shape& shape);

    void PreparaQuadro() override;

    void dbcbAtivoClick(TObject* sender);
    void DataChange(TObject* sender, TField* field);
    void dbmObservacoesKeyPress(TObject* sender, QChar& key);

    TDataSource* dsNo;
    TDBCheckBox* dbcbAtivo;
    TMemo* Memo1;
    TLabel* lblSaldoAnterior = nullptr;
    TDBEdit* dbeSaldoAnterior = nullptr;
    TLabel* lblObservacoes = nullptr;
    TDBMemo* dbmObservacoes = nullptr;

protected:
    // Runs after the box set the page's own flag to "S".
    virtual void BranchMarked() {}

    const Shape m_shape;

private:
    void BuildBalanceFields();
};
