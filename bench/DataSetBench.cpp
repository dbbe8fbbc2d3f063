// Client data set against the client library itself: open and walk 100,000
// rows of 20 columns beside a raw fetch of the same statement through the
// library's own calls (allocate, prepare, describe, execute, fetch), in pairs
// taken in turn so both see the same load; then the memory of the open (its
// peak and what it holds once open, per row), a filter, and 10,000 inserts
// applied. Prints the figures.

#include "bench/BenchMedian.h"
#include "platform/db/FbClient.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TField.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <stdexcept>
#include <vector>

namespace {

constexpr int Rows = 100000;
constexpr int Inserts = 10000;
constexpr int Pairs = 15;
const char* const Select = "SELECT * FROM BIG";

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

// One entry of the library's transaction-existence block.
struct TransactionEntry {
    TIBDatabase::Handle* database;
    long tpbLength;
    const char* tpb;
};

void Check(const ISC_STATUS* status) {
    if (status[0] == 1 && status[1] != 0)
        throw std::runtime_error("client library call failed");
}

// The statement fetched through the client library's calls alone, every
// column into its own buffer; returns the rows read (and counts non-null
// values into `checksum`).
int RawFetch(TIBDatabase& database, qint64& checksum) {
    const FbClient& fb = FbClient::Instance();
    ISC_STATUS_ARRAY status{};
    isc_tr_handle transaction = 0;
    static const char tpb[] = {isc_tpb_version3, isc_tpb_read_committed, isc_tpb_rec_version, isc_tpb_nowait,
                               isc_tpb_read};
    TransactionEntry entry{database.HandlePtr(), sizeof tpb, tpb};
    fb.start_multiple(status, &transaction, 1, &entry);
    Check(status);
    isc_stmt_handle statement = 0;
    fb.dsql_allocate_statement(status, database.HandlePtr(), &statement);
    Check(status);
    std::vector<char> area(XSQLDA_LENGTH(20));
    auto* sqlda = reinterpret_cast<XSQLDA*>(area.data());
    sqlda->version = SQLDA_VERSION1;
    sqlda->sqln = 20;
    fb.dsql_prepare(status, &transaction, &statement, 0, Select, 3, sqlda);
    Check(status);
    std::vector<std::vector<char>> buffers(static_cast<std::size_t>(sqlda->sqld));
    std::vector<short> nulls(static_cast<std::size_t>(sqlda->sqld));
    for (int i = 0; i < sqlda->sqld; ++i) {
        XSQLVAR& column = sqlda->sqlvar[i];
        const auto index = static_cast<std::size_t>(i);
        buffers[index].resize(static_cast<std::size_t>(column.sqllen) + sizeof(short));
        column.sqldata = buffers[index].data();
        column.sqlind = &nulls[index];
    }
    fb.dsql_execute(status, &transaction, &statement, 3, nullptr);
    Check(status);
    int rows = 0;
    while (fb.dsql_fetch(status, &statement, 3, sqlda) == 0) {
        for (short null : nulls)
            checksum += null == 0;
        ++rows;
    }
    fb.dsql_free_statement(status, &statement, DSQL_drop);
    fb.commit_transaction(status, &transaction);
    Check(status);
    return rows;
}

// One figure of /proc/self/status in KiB (VmRSS, VmHWM).
long StatusKiB(const char* name) {
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(name) + ':';
    for (const QByteArray& line : file.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLong();
    return -1;
}

// Starts the peak resident size afresh from the current one.
void ResetPeak() {
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (file.open(QIODevice::WriteOnly))
        file.write("5");
}

void OpenAndWalk(TClientDataSet& cds, qint64& checksum) {
    cds.Open();
    for (cds.First(); !cds.Eof(); cds.Next())
        for (TField* field : cds.Fields())
            checksum += field->Value().isValid();
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

    TComponent module;
    auto* query = new TIBQuery(&module);
    query->SetDatabase(&database);
    query->SetTransaction(&transaction);
    query->SetSQLText(QString::fromLatin1(Select));
    auto* provider = new TDataSetProvider(&module);
    provider->SetName(QStringLiteral("dspBig"));
    provider->SetDataSet(query);
    auto* cds = new TClientDataSet(&module);
    cds->SetProviderName(QStringLiteral("dspBig"));

    // Memory of one open, measured first while the heap is fresh.
    malloc_trim(0);
    const long rssBefore = StatusKiB("VmRSS");
    const std::size_t heapBefore = mallinfo2().uordblks;
    ResetPeak();
    qint64 checksum = 0;
    OpenAndWalk(*cds, checksum);
    const long peak = StatusKiB("VmHWM");
    const std::size_t heapHeld = mallinfo2().uordblks;
    const long rssHeld = StatusKiB("VmRSS");
    std::printf("memory per row of the open (KiB): peak %.2f (VmHWM %ld -> %ld KiB), held %.2f (heap), "
                "%.2f (VmRSS)\n",
                static_cast<double>(peak - rssBefore) / Rows, rssBefore, peak,
                static_cast<double>(heapHeld - heapBefore) / 1024.0 / Rows,
                static_cast<double>(rssHeld - rssBefore) / Rows);
    cds->Close();

    // Time: raw fetch and open + walk in turn, the first of each pair alternating.
    std::vector<double> raw, client, ratios;
    for (int pair = 0; pair < Pairs; ++pair) {
        double times[2] = {};
        for (int side = 0; side < 2; ++side) {
            const bool rawSide = (side + pair) % 2 == 0;
            QElapsedTimer timer;
            timer.start();
            if (rawSide) {
                if (RawFetch(database, checksum) != Rows)
                    throw std::runtime_error("raw fetch lost rows");
            } else {
                OpenAndWalk(*cds, checksum);
                cds->Close();
            }
            times[rawSide ? 0 : 1] = static_cast<double>(timer.nsecsElapsed()) / 1e6;
        }
        raw.push_back(times[0]);
        client.push_back(times[1]);
        ratios.push_back(times[1] / times[0]);
    }
    std::printf("%d pairs, 100,000 x 20 (ms)                min    median\n", Pairs);
    std::printf("  raw client-library fetch              %7.1f  %7.1f\n",
                *std::min_element(raw.begin(), raw.end()), Median(raw));
    std::printf("  client data set open + walk           %7.1f  %7.1f\n",
                *std::min_element(client.begin(), client.end()), Median(client));
    std::printf("  ratio of each pair                    %7.2f  %7.2f\n",
                *std::min_element(ratios.begin(), ratios.end()), Median(ratios));

    QElapsedTimer timer;
    OpenAndWalk(*cds, checksum);
    timer.start();
    cds->SetFilter(QStringLiteral("ID < 50000 AND S2 = 'texto'"));
    cds->SetFiltered(true);
    Report("filter (50,000 pass)", timer.elapsed());
    std::printf("  filtered count %d\n", cds->RecordCount());
    cds->Close();
    cds->SetFiltered(false);

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
