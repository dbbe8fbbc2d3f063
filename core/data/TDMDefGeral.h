#pragma once
// The general data module: the program's one database connection and the
// scratch query -> provider -> client-set chains through which the other
// modules run ad-hoc SQL, plus the sequence counters of PARAMETROS_DEF.
//
// At start-up (DataModuleCreate) it connects to Dados/dbdef.gdb in the
// program's folder, has the data version checked (and updated) after every
// connection, and writes the automatic backup Backup/dbdef.gbk. A connection
// that cannot be made or whose data are refused, at start-up or when it is
// made again later (after a backup or a restore), is reported in a message
// box, leaves Failed() set and ends the run through EndRun: the
// program never goes on without its database.

#include "platform/base/Currency.h"
#include "platform/base/TComponent.h"

#include <QString>
#include <functional>

class TClientDataSet;
class TIBBackupService;
class TDataSetProvider;
class TIBDatabase;
class TIBQuery;
class TIBSQL;
class TIBTransaction;

class TDMDefGeral : public TComponent {
public:
    explicit TDMDefGeral(TComponent* owner = nullptr);
    ~TDMDefGeral() override;

    // Runs a statement in its own transaction: committed and true, or rolled
    // back and false. Nothing is shown.
    bool ExecutaSQL(const QString& sql);
    // Opens cdsAuxiliar on the query text; false on any failure (nothing shown).
    // The rows stand in cdsAuxiliar until the next call.
    bool AbreConsulta(const QString& sql);
    // The same on cdsPutErro.
    bool AbreConsultaPutErro(const QString& sql);
    // Takes the next number of the counter row idParametro of PARAMETROS_DEF,
    // stores it and returns it. A failure shows the message of code 300 and
    // aborts silently.
    QString ProximoSequencial(int idParametro);
    // TX_PARAM1 of parameter 1.
    QString LeVersaoDados();
    // VL_PARAM1 of parameter 2: the largest amount a money field accepts.
    Currency LeValorMaximo();

    // Start-up: connects and, when the data version passed, makes the
    // automatic backup.
    void DataModuleCreate();
    // True once a start-up step failed in a way that ends the program.
    bool Failed() const { return m_failed; }
    // Connects to Dados/dbdef.gdb of the program's folder. A missing file, a
    // refused connection, a damaged database or refused data are reported;
    // false then, with Failed() set and the run ended (EndRun).
    bool ConectaBanco();
    // Before connecting: waits for the database server (at most ten
    // attempts to start it, one second apart); aborts silently when it
    // cannot be started or the database file is missing.
    void ibDBDefBeforeConnect(TObject* sender);
    // After connecting: the data-version check; refused data disconnect,
    // set Failed() and end the run. A database without its data version (no
    // PARAMETROS_DEF, no row 1, an empty version) is damaged: reported as
    // such, with the advice to restore a backup, and the run ends the same way.
    void ibDBDefAfterConnect(TObject* sender);

    // The folder of the automatic backup, created when missing; empty (after
    // a message) when it cannot be created.
    QString PastaBackup();
    // Writes the backup of the database to Backup/dbdef.gbk: first to a
    // temporary file in that folder (dbdef-XXXXXX.gbk), flushed to disk and
    // renamed over dbdef.gbk only when the backup succeeded, so a failure
    // keeps the last good backup; temporary files that an interrupted run
    // left behind go first. Failures are reported; start-up goes on. The
    // connection is made again afterwards (ConectaBanco, so a refusal ends the
    // run). The work is synchronous, but ProcessEvents runs between the
    // service's output lines; when it answers that the run is ending, the
    // backup stops, its temporary file goes and Failed() is set.
    void BackupAutomatico();

    // Data fix-ups after a restore, run by ApplyRestoreFixUps when
    // the restored data are at version "0.3.3.4".
    bool OcorrenciaExiste();
    void IncluiOcorrencia();
    bool CampoTamanhoNove();
    void CorrigeTamanhoCampo();
    // Runs the fix-ups (occurrence first, then the field size) when the
    // connected data are at version "0.3.3.4"; true when they ran.
    bool ApplyRestoreFixUps();

    // The folder that holds Dados/ and Backup/: the executable's folder
    // unless set (tests).
    QString ProgramFolder() const;
    void SetProgramFolder(const QString& pasta) { m_programFolder = pasta; }
    // Makes the window shown while the automatic backup runs, owned by the
    // given owner (freed when the backup ends). The window layer sets it;
    // without it no window is shown.
    std::function<TComponent*(TComponent* owner)> MakeBackupWindow;
    // Called between the output lines of the backup service: lets pending
    // events run, so that the backup window stays alive, and answers false
    // once the run is being ended. Not set: nothing runs and the backup goes on.
    std::function<bool()> ProcessEvents;
    // Ends the run; called once a connection or its data are refused (see
    // Failed). The window layer sets it.
    std::function<void()> EndRun;
    // Runs the program's repair of its database; offered when the data
    // version cannot be read. The window layer sets it; without it the
    // message only names the way out.
    std::function<void()> RepairDatabase;

    // The names of the backup's temporary files: prefix, six characters, suffix.
    static const QString TemporaryBackupPrefix;
    static const QString TemporaryBackupSuffix;

    TIBDatabase* ibDBDef;
    TIBTransaction* ibtSQLAuxiliar;
    TIBTransaction* ibtAuxiliar;
    TIBTransaction* ibtGeracao;
    TIBTransaction* ibtPutErro;
    TIBSQL* ibsqlAuxiliar;
    TIBQuery* ibqAuxiliar;
    TDataSetProvider* dspAuxiliar;
    TClientDataSet* cdsAuxiliar;
    TIBQuery* ibqGeracao;
    TDataSetProvider* dspGeracao;
    TClientDataSet* cdsGeracao;
    TIBQuery* ibqPutErro;
    TDataSetProvider* dspPutErro;
    TClientDataSet* cdsPutErro;
    TIBBackupService* ibBkp;
    TIBSQL* IBSQL_0334_OCORRENCIA_Atualiza;
    TIBSQL* IBSQL;

private:
    bool OpenIn(TClientDataSet* dataSet, const QString& sql);
    // Sets Failed() and ends the run.
    void Fail();
    // Closes the connection, shows the message and fails.
    void Refuse(const QString& mensagem);
    // The backup into the folder; false only when the run ending stopped it.
    bool WriteBackup(const QString& pasta);
    void RunBackup(const QString& arquivo);
    void RemoveInterruptedBackups(const QString& pasta);

    bool m_failed = false;
    QString m_programFolder;
};

// The module of the run (the last one created).
extern TDMDefGeral* DMDefGeral;
