#pragma once
// Takes the destination of the transmission file and writes it with the
// declarations selected in the generation window that owns the dialog.
//
// The destination starts as "ZEB" + date and time + ".zeb" in the user's
// home folder (the program's "C:\"); "Procurar" picks another folder for
// it (a cancelled choice keeps the one there was). Generating asks before
// it replaces an existing file, then writes the file and records the
// transmission all or nothing (TransmissionGenerator): a failure shows
// message 269 once, leaves no file and stamps nothing, and the selection
// stays. Each button closes the dialog after its action, whether the action
// succeeded or not.

#include "core/forms/TfrmModDialogo.h"

class TAction;
class TActionList;
class TButton;
class TEdit;
class TGroupBox;
class TLabel;
class TSpeedButton;
class TfrmGeracao;

class TfrmDlgGeracao : public TfrmModDialogo {
    Q_OBJECT
public:
    explicit TfrmDlgGeracao(TComponent* owner);
    ~TfrmDlgGeracao() override;

    void FormCreate(TObject* sender);
    void acProcurarExecute(TObject* sender);
    void acGerarExecute(TObject* sender);
    void acSairExecute(TObject* sender);

    // The name of the file of this run, "ZEB" + year, month, day, hour,
    // minute and second + ".zeb".
    const QString& TargetFileName() const { return m_targetFileName; }

    TGroupBox* gbDestino;
    TLabel* lblDestino;
    TEdit* edtDiretorio;
    TSpeedButton* btnSelecionar;
    TButton* btnConfirmar;
    TButton* btnCancelar;
    TActionList* alGeracao;
    TAction* acProcurar;
    TAction* acGerar;
    TAction* acSair;

private:
    void BuildActions();
    void BuildDestination();
    void BuildButtons();
    // The generation window whose selected rows are generated.
    TfrmGeracao* GenerationWindow() const;

    QString m_targetFileName;
};
