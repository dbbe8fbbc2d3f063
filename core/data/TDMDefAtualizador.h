#pragma once
// The data-version updater: brings the reference data of an older database
// (code tables, legal grounds, rule messages) up to the program's version by
// running fixed SQL scripts, grouped by the data version they apply to, and
// then stamps the program's version into PARAMETROS_DEF.
//
// The scripts are data, embedded with the program (core/data/updates/): one
// statement per line, blank lines skipped. Each is loaded into the TIBSQL
// component of its name; ibSQLDef runs every line in turn.
//
// The updater has its own connection (ibDBDef) on the database file it is
// pointed at, also while the program's connection to the same file stays
// open, and runs one update in one transaction of ibtSQLDef.

#include "platform/base/TComponent.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class TIBDatabase;
class TIBSQL;
class TIBTransaction;

class TDMDefAtualizador : public TComponent {
public:
    // Result codes of Atualiza.
    static constexpr int SuccessCode = 0;
    static constexpr int UpdateFailedCode = 999;

    explicit TDMDefAtualizador(TComponent* owner = nullptr);
    // Disconnects ibDBDef; an update still open is rolled back.
    ~TDMDefAtualizador() override;

    // Runs the scripts for data at version versaoDados and stamps the
    // program's version, all in one transaction. Every outcome is reported in
    // message boxes and sets ResultCode: SuccessCode when the data are now
    // current (or were already), UpdateFailedCode when the data are too
    // old or the update failed and nothing of it was kept. Scripts whose
    // failure does not stop the update are listed in FailedScripts.
    void Atualiza(const QString& versaoDados);

    int ResultCode() const { return m_resultCode; }
    void SetResultCode(int resultado) { m_resultCode = resultado; }
    // Names of the scripts of the last Atualiza that stopped on an error.
    const QStringList& FailedScripts() const { return m_failedScripts; }

    // TX_PARAM1 of parameter 1 of the connected database. Raises the engine's
    // error when it cannot be read.
    QString LeVersaoDados();
    // Runs one script in a transaction of its own and commits it; on an error
    // rolls back and raises it, naming the script and its line.
    void ApplyScript(TIBSQL* script);

    // The script components, in their declaration order.
    const std::vector<TIBSQL*>& Scripts() const { return m_scripts; }

    TIBDatabase* ibDBDef;
    TIBTransaction* ibtQryDef;
    TIBSQL* ibQryDef;
    TIBTransaction* ibtSQLDef;
    TIBSQL* ibSQLDef;
    TIBSQL* ibSQLCodes;
    TIBSQL* ibSQLGrupoCFOP;
    TIBSQL* IBSQL_0324_CFOP;
    TIBSQL* IBSQL_0324_ZFM;
    TIBSQL* IBSQL_0324_OCO;
    TIBSQL* IBSQL_0325_OCO;
    TIBSQL* IBSQL_0325_ERRO;
    TIBSQL* IBSQL_0326_CFOP_1;
    TIBSQL* IBSQL_0326_OCO;
    TIBSQL* IBSQL_0326_ERRO;
    TIBSQL* IBSQL_0326_CFOP_2;
    TIBSQL* IBSQL_0330_CFOP_1;
    TIBSQL* IBSQL_0331_ANISTIA;
    TIBSQL* IBSQL_0332_OCORRENCIA;
    TIBSQL* IBSQL_0334_OCORRENCIA;

private:
    TIBSQL* MakeScript(const QString& nome);
    void RunGroups(const QString& versaoDados);
    // Runs every line of the script; an error is raised naming the script
    // and the line.
    void RunScript(TIBSQL* script);
    // The same, but an error only ends the script and is recorded.
    void TryScript(TIBSQL* script);
    // The box of a group: success when every one of its scripts ran clean,
    // otherwise the scripts that failed.
    void ReportGroup(const QString& textoSucesso, const std::vector<TIBSQL*>& scripts);
    void StampSystemVersion();

    // A group's box, shown once the update is committed.
    struct Notice {
        bool isError;
        QString text;
    };

    int m_resultCode = SuccessCode;
    QStringList m_failedScripts;
    QHash<QString, QString> m_scriptErrors;
    std::vector<Notice> m_notices;
    std::vector<TIBSQL*> m_scripts;
};
