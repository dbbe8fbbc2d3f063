// The automatic backup of a large database (about 160 MB): how long the
// backup takes and how long, at worst, the backup window goes without its
// events being processed. Once with the service's output lines driving the
// window (the program's way), once as one wait for the whole service, the
// way a backup without output lines would run. Prints the figures.

#include "core/data/TDMDefGeral.h"
#include "platform/db/TIBBackupService.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/database/TempDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

// Rows of about 200 bytes that do not compress: some 160 MB of pages.
constexpr int Rows = 600000;

void Fill(const QString& path) {
    TIBDatabase database;
    database.SetDatabaseName(path);
    database.Open();
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    TIBSQL sql;
    sql.SetDatabase(&database);
    sql.SetTransaction(&transaction);
    sql.SetParamCheck(false);
    for (const QString& statement :
         {QStringLiteral("CREATE TABLE HISTORICO (ID INTEGER NOT NULL PRIMARY KEY, TEXTO VARCHAR(180), "
                         "VALOR NUMERIC(18,4))"),
          QStringLiteral(
              "EXECUTE BLOCK AS DECLARE I INTEGER = 0; BEGIN WHILE (I < %1) DO BEGIN "
              "INSERT INTO HISTORICO VALUES (:I, UUID_TO_CHAR(GEN_UUID()) || UUID_TO_CHAR(GEN_UUID()) || "
              "UUID_TO_CHAR(GEN_UUID()) || UUID_TO_CHAR(GEN_UUID()) || UUID_TO_CHAR(GEN_UUID()), "
              ":I * 1.5); I = I + 1; END END")
              .arg(Rows)}) {
        transaction.StartTransaction();
        sql.SetSQLText(statement);
        sql.ExecQuery();
        sql.Close();
        transaction.Commit();
    }
    database.Close();
}

} // namespace

int main() {
    ScriptedPrompter prompter;
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("Dados"));
    const QString path = folder.filePath(QStringLiteral("Dados/dbdef.gdb"));
    QFile::copy(TempDatabase::BuiltDatabase(), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    Fill(path);
    std::printf("database                          %8.1f MB\n",
                static_cast<double>(QFileInfo(path).size()) / (1024 * 1024));

    // The program's way: the window's events run between the service's lines.
    TDMDefGeral geral;
    geral.SetProgramFolder(folder.path());
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    int lines = 0;
    geral.ProcessEvents = [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
        ++lines;
        return true;
    };
    geral.ConectaBanco();
    clock.start();
    geral.BackupAutomatico();
    const qint64 total = clock.elapsed();
    longest = std::max(longest, total - last);
    std::printf("backup, lines driving the window  %8lld ms, %d lines, longest gap %lld ms\n",
                static_cast<long long>(total), lines, static_cast<long long>(longest));
    geral.ibDBDef->Close();

    // One wait for the whole service: the window's events wait as long.
    TIBBackupService service;
    service.Attach();
    service.SetVerbose(false);
    service.SetOptions(TIBBackupService::IgnoreLimbo | TIBBackupService::NonTransportable);
    service.SetDatabaseName(path);
    service.SetBackupFile({folder.filePath(QStringLiteral("silencioso.gbk"))});
    clock.restart();
    service.ServiceStart();
    int quietLines = 0;
    qint64 quietLast = 0;
    qint64 quietLongest = 0;
    while (!service.Eof()) {
        service.GetNextLine();
        const qint64 now = clock.elapsed();
        quietLongest = std::max(quietLongest, now - quietLast);
        quietLast = now;
        ++quietLines;
    }
    const qint64 quiet = clock.elapsed();
    service.Detach();
    std::printf("backup, one wait for the service  %8lld ms, %d lines, longest gap %lld ms\n",
                static_cast<long long>(quiet), quietLines, static_cast<long long>(quietLongest));
    return 0;
}
