#pragma once
// The declarations that may go into a transmission file: validated without
// errors, with the check box on only those not yet generated. The user
// selects several (Ctrl) and the generation dialog writes the file.
//
// The window filters the shared DMDef.cdsSelDeclaracao (so the declaration
// list shows the same rows while both are open) and closes it when it closes.

#include "core/forms/TfrmModDocumento.h"

class QPainter;
class TAction;
class TActionList;
class TCheckBox;
class TColumn;
class TDBGrid;
class TDataSource;
class TImageList;
class TStatusBar;
class TVCLToolbar;

class TfrmGeracao : public TfrmModDocumento {
    Q_OBJECT
public:
    TfrmGeracao(TComponent* owner, int documentId);
    ~TfrmGeracao() override;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void acGerarExecute(TObject* sender);
    void acSairExecute(TObject* sender);
    void cbNao_GeradasClick(TObject* sender);
    void dbgGeracaoDrawColumnCell(TObject* sender, QPainter& painter, const QRect& rect, int dataCol,
                                  TColumn* column, unsigned state);

    // The filters of the declarations offered: not yet generated, and all.
    static const QString NotGeneratedFilter;
    static const QString AllFilter;
    // The picture of ilGeracao that marks a generated declaration.
    static constexpr int GeneratedImage = 1;

    TVCLToolbar* VCLToolbar1;
    TCheckBox* cbNao_Geradas;
    TDBGrid* dbgGeracao;
    TStatusBar* sbGeracao;
    TDataSource* dsGeracao;
    TImageList* ilGeracao;
    TActionList* alGeracao;
    TAction* acGerar;
    TAction* acSair;

private:
    void BuildActions();
    void BuildToolbar();
    void BuildGrid();
};
