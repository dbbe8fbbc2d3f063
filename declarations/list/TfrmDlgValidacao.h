#pragma once
// The validation of the declaration on which the declaration list stands,
// and its findings: one row per finding with an error or warning icon, the
// code, the stored message and the detail, a navigator and the printed list.
//
// Creating the window runs every rule (declarations/validation) and fills
// cdsValidacao, which the list then reads to record the outcome. When the
// run cannot finish (a query failed: message 300 has been shown) creating
// the window raises the silent abort and no window remains, so nothing is
// recorded. A finding whose code has no stored message is shown as an
// error ("Erro não descrito na tabela de Erros!", Icone "E").

#include "core/forms/TfrmModDocumento.h"

class QPainter;
class TAction;
class TActionList;
class TClientDataSet;
class TColumn;
class TDBGrid;
class TDBMemo;
class TDataSet;
class TDataSource;
class TField;
class TGroupBox;
class TImage;
class TImageList;
class TLabel;
class TVCLToolbar;

class TfrmDlgValidacao : public TfrmModDocumento {
    Q_OBJECT
public:
    TfrmDlgValidacao(TComponent* owner, int documentId);
    ~TfrmDlgValidacao() override;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    // Runs the rules on the current row of DMDef.cdsSelDeclaracao.
    void Validacao();
    // Appends one finding with the stored message and kind of its code.
    void PutErro(int codigo, const QString& detalhe);

    void cdsValidacaoCalcFields(TDataSet* dataSet);
    void dsValidacaoDataChange(TObject* sender, TField* field);
    void dbgValidacaoDrawColumnCell(TObject* sender, QPainter& painter, const QRect& rect, int dataCol,
                                    TColumn* column, unsigned state);
    void acFirstExecute(TObject* sender);
    void acPriorExecute(TObject* sender);
    void acNextExecute(TObject* sender);
    void acLastExecute(TObject* sender);
    // Previews the printed list of the findings (TrptErrosValidacao).
    void acPrintExecute(TObject* sender);
    void acSairExecute(TObject* sender);

    // Pictures of imlValidacao.
    static constexpr int ErrorImage = 0;
    static constexpr int WarningImage = 1;

    TVCLToolbar* VCLToolbar1;
    TVCLToolbar* tbNavegacao;
    TDBGrid* dbgValidacao;
    TLabel* lblMensagem;
    TDBMemo* DBMemo1;
    TLabel* lblDescricao;
    TDBMemo* DBMemo2;
    TGroupBox* gbLegenda;
    TImage* imgErro;
    TLabel* lblErro;
    TImage* imgAdvertencia;
    TLabel* lblAdvertencia;
    TClientDataSet* cdsValidacao;
    TDataSource* dsValidacao;
    TImageList* imlValidacao;
    TActionList* alValidacao;
    TAction* acFirst;
    TAction* acPrior;
    TAction* acNext;
    TAction* acLast;
    TAction* acPrint;
    TAction* acSair;

private:
    void BuildActionList();
    void BuildResultSet();
    void BuildControls();
};
