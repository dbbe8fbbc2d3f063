#pragma once
// The list of every declaration of every taxpayer, from which declarations
// are created, opened in the editor, deleted, rectified, validated and
// filtered. Its status columns show a mark for validated and generated
// declarations and another for declarations with errors.
//
// The list works on the shared DMDef.cdsSelDeclaracao; the filter dialog
// reads and writes the filter state kept here.

#include "core/forms/TfrmModDocumento.h"

#include <QVariant>

class TAction;
class TActionList;
class TColumn;
class TDBGrid;
class TDataSet;
class TDataSource;
class TImageList;
class TLabel;
class TVCLToolbar;
class QPainter;

class TfrmSelDeclaracao : public TfrmModDocumento {
    Q_OBJECT
public:
    TfrmSelDeclaracao(TComponent* owner, int documentId);
    ~TfrmSelDeclaracao() override;

    void FormCreate(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void acIncluirExecute(TObject* sender);
    void acAlterarExecute(TObject* sender);
    void acExcluirExecute(TObject* sender);
    void acRetificarExecute(TObject* sender);
    void acValidarExecute(TObject* sender);
    void acImprimirExecute(TObject* sender);
    void acFiltrarExecute(TObject* sender);
    void acSairExecute(TObject* sender);
    void alDeclaracaoUpdate(TAction* action, bool& handled);
    // Enter on a row opens it in the editor, as a double click does.
    void dbgSelDeclaracaoKeyDown(TObject* sender, int& key, TShiftState shift);
    void dbgSelDeclaracaoDrawColumnCell(TObject* sender, QPainter& painter, const QRect& rect, int dataCol,
                                        TColumn* column, unsigned state);

    // The index of the filter dialog's registration item equal to `texto`
    // (items compared from 1 on); 0, the empty item, when none is.
    int SelecionaInscricao(const QStringList& itens, const QString& texto) const;
    // Inserts the rectifying declaration of the current row and, when
    // `copiaValores`, copies its detail rows, all in one transaction that
    // leaves nothing behind when any part fails. The new key; 0 after a
    // failure, which has been reported.
    int CriaDeclaracaoRetificadora(bool copiaValores);
    // Records today's validation of the current row, with errors ("S") or
    // without ("N"); any failure is reported and aborts, leaving the row
    // as it was.
    void GravaValidos(const QString& flag);
    // Whether a validation's findings hold an error (Icone "E").
    static bool VerificaTemErro(TDataSet* resultado);

    // The filter state the filter dialog reads and writes.
    QString RegistrationFilter;
    bool ValidatedFilter = false;
    bool WithErrorsFilter = false;
    bool GeneratedFilter = false;
    // The key of the last rectifying declaration created during the run.
    QString LastRectifying;

    TVCLToolbar* vclTSelDeclaracao;
    TLabel* lblFiltro;
    TDBGrid* dbgSelDeclaracao;
    TDataSource* dsSelDeclaracao;
    TActionList* alDeclaracao;
    TAction* acIncluir;
    TAction* acAlterar;
    TAction* acExcluir;
    TAction* acRetificar;
    TAction* acValidar;
    TAction* acImprimir;
    TAction* acFiltrar;
    TAction* acSair;
    TImageList* imlDeclaracao;

    // Images of imlDeclaracao that mark a validated or generated
    // declaration and one with errors.
    static constexpr int ValidatedImage = 5;
    static constexpr int WithErrorsImage = 6;

private:
    void BuildActions();
    void BuildToolbar();
    void BuildGrid();
    // Opens DMDef.cdsDeclaracao on the current row, or on the declaration of
    // key `chave`; false (after the message) when it is not there.
    bool OpenCurrentDeclaration(const QString& mensagem);
    bool OpenDeclaration(const QVariant& chave, const QString& mensagem);
    void OpenEditor();
    // The current row's value of a field, as text.
    QString CurrentValue(const QString& campo) const;
};

// The list window while it is open.
extern TfrmSelDeclaracao* frmSelDeclaracao;
