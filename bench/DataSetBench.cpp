// Client data set against plain statements: open and walk 100,000 rows of 20
// columns, filter them, and apply 10,000 inserts. Prints the timings.

#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int Rows = 100000;
constexpr int Inserts = 10000;

void Report(const char* what, qint64 ms) {
    std::printf("%-40s %8lld ms\n", what, static_cast<long long>(ms));
}

void Run(TIBSQL& statement, const QString& sql) {
    statement.SetSQLText(sql);
    statement.Transaction()->StartTransaction();
    statement.ExecQuery();
    statement.Transaction()->Commit();
}

QString Columns() {
    QStringList columns{QStringLiteral("ID INTEGER NOT NULL PRIMARY KEY")};
    for (int i = 1; i < 20; ++i)
        columns << (i % 2 ? QStringLiteral("V%1 NUMERIC(18,4)").arg(i)
                          : QStringLiteral("S%1 VARCHAR(20)").arg(i));
    return columns.join(QStringLiteral(", "));
}

} // namespace

int main() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.gdb"));
    TIBDatabase::CreateDatabase(path);
    TIBDatabase database;
    database.SetDatabaseName(path);
    database.SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
    database.Open();
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    transaction.SetParams(
        {QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
    TIBSQL sql;
    sql.SetDatabase(&database);
    sql.SetTransaction(&transaction);
    Run(sql, QStringLiteral("CREATE TABLE BIG (%1)").arg(Columns()));
    Run(sql, QStringLiteral("CREATE TABLE SINK (%1)").arg(Columns()));
    // The source rows, through one prepared statement.
    sql.SetSQLText(
        QStringLiteral("INSERT INTO BIG VALUES (%1)").arg(QStringList(20, QStringLiteral("?")).join(',')));
    transaction.StartTransaction();
    for (int n = 0; n < Rows; ++n) {
        sql.Params(0).SetInteger(n);
        for (int i = 1; i < 20; ++i) {
            if (i % 2)
                sql.Params(i).SetCurrency(Currency::fromRaw(n * 10000 + i));
            else
                sql.Params(i).SetString(QStringLiteral("texto"));
        }
        sql.ExecQuery();
    }
    transaction.Commit();

    QElapsedTimer timer;
    // Plain fetch through a prepared statement.
    timer.start();
    sql.SetSQLText(QStringLiteral("SELECT * FROM BIG"));
    transaction.StartTransaction();
    sql.ExecQuery();
    qint64 checksum = 0;
    for (; !sql.Eof(); sql.Next())
        for (int i = 0; i < sql.FieldCount(); ++i)
            checksum += sql.Fields(i).AsVariant().isValid();
    sql.Close();
    transaction.Commit();
    Report("plain fetch of 100,000 x 20", timer.elapsed());

    TComponent module;
    auto* query = new TIBQuery(&module);
    query->SetDatabase(&database);
    query->SetTransaction(&transaction);
    query->SetSQLText(QStringLiteral("SELECT * FROM BIG"));
    auto* provider = new TDataSetProvider(&module);
    provider->SetName(QStringLiteral("dspBig"));
    provider->SetDataSet(query);
    auto* cds = new TClientDataSet(&module);
    cds->SetProviderName(QStringLiteral("dspBig"));
    timer.restart();
    cds->Open();
    for (cds->First(); !cds->Eof(); cds->Next())
        for (TField* field : cds->Fields())
            checksum += field->Value().isValid();
    Report("client data set open + walk", timer.elapsed());

    timer.restart();
    cds->SetFilter(QStringLiteral("ID < 50000 AND S2 = 'texto'"));
    cds->SetFiltered(true);
    Report("filter (50,000 pass)", timer.elapsed());
    std::printf("  filtered count %d\n", cds->RecordCount());
    cds->Close();

    // Inserts: plain prepared statement, one transaction.
    QStringList marks(20, QStringLiteral("?"));
    sql.SetSQLText(QStringLiteral("INSERT INTO SINK VALUES (%1)").arg(marks.join(QLatin1Char(','))));
    timer.restart();
    transaction.StartTransaction();
    for (int n = 0; n < Inserts; ++n) {
        sql.Params(0).SetInteger(n);
        for (int i = 1; i < 20; ++i) {
            if (i % 2)
                sql.Params(i).SetCurrency(Currency::fromRaw(n * 10000 + i));
            else
                sql.Params(i).SetString(QStringLiteral("texto"));
        }
        sql.ExecQuery();
    }
    transaction.Commit();
    Report("plain prepared inserts (10,000)", timer.elapsed());

    query->SetSQLText(QStringLiteral("SELECT * FROM SINK WHERE ID < 0"));
    cds->Open();
    for (int n = 0; n < Inserts; ++n) {
        cds->Append();
        cds->Fields()[0]->SetAsInteger(Inserts + n);
        for (int i = 1; i < 20; ++i) {
            if (i % 2)
                cds->Fields()[i]->SetAsCurrency(Currency::fromRaw(n * 10000 + i));
            else
                cds->Fields()[i]->SetAsString(QStringLiteral("texto"));
        }
        cds->Post();
    }
    timer.restart();
    const int failed = cds->ApplyUpdates(0);
    Report("client data set apply (10,000 inserts)", timer.elapsed());
    std::printf("  failed %d, checksum %lld\n", failed, static_cast<long long>(checksum));
    database.Close();
    return 0;
}
