// Times the transmission file side by side with a plain fetch of the same
// rows through the database layer (the same seventeen queries per
// declaration, every column read), in one run, passes alternating:
//  - one big declaration (2,000 entries, 2,000 exits, 500 rows in each
//    occurrence and credit-balance table; 9,503 lines): target under 300 ms;
//  - 100 declarations of a tenth of the big one (95,102 lines) and 10 big
//    declarations (95,012 lines): target within twice the plain fetch.
// A file of 100 big declarations would need 950,102 lines, more than the
// five-digit line number holds; the writer refuses it.
// With the argument "quick" only the single big declaration is timed.

#include "bench/BenchMedian.h"
#include "declarations/transmission/TransmissionGenerator.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TransactionScope.h"
#include "tests/support/database/DeclarationFixture.h"
#include "tests/support/database/TempDatabase.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

namespace {

constexpr int Passes = 11;

double Milliseconds(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Reads every row the file would carry, each column as a value, and nothing more.
class PlainFetch {
public:
    PlainFetch(TIBDatabase& database, const std::vector<RecordLayout>& layouts) {
        m_transaction.SetDefaultDatabase(&database);
        m_transaction.SetParams(
            {QStringLiteral("concurrency"), QStringLiteral("nowait"), QStringLiteral("read")});
        TransactionScope scope(m_transaction);
        for (const RecordLayout& layout : layouts) {
            QStringList columns;
            for (const LayoutField& field : layout.Fields)
                columns << field.Column;
            auto query = std::make_unique<TIBSQL>();
            query->SetDatabase(&database);
            query->SetTransaction(&m_transaction);
            query->SetSQLText(QStringLiteral("SELECT %1 FROM %2 WHERE SQ_DECLARACAO = ?")
                                  .arg(columns.join(QStringLiteral(", ")), layout.Table));
            query->Prepare();
            m_queries.push_back(std::move(query));
        }
        scope.Commit();
    }

    // The number of values read.
    long long Run(const std::vector<int>& keys) {
        long long values = 0;
        TransactionScope scope(m_transaction);
        for (const int key : keys)
            for (const auto& query : m_queries) {
                query->Params(0).SetInteger(key);
                for (query->ExecQuery(); !query->Eof(); query->Next())
                    for (int i = 0; i < query->FieldCount(); ++i)
                        values += query->Fields(i).AsVariant().isValid() ? 1 : 0;
                query->Close();
            }
        scope.Commit();
        return values;
    }

private:
    TIBTransaction m_transaction;
    std::vector<std::unique_ptr<TIBSQL>> m_queries;
};

void SideBySide(const char* what, TIBDatabase& database, TransmissionGenerator& generator, PlainFetch& fetch,
                const std::vector<int>& keys, const QString& folder) {
    std::vector<double> generation;
    std::vector<double> plain;
    const QString path = QDir(folder).filePath(QStringLiteral("bench.zeb"));
    const QDateTime moment(QDate(2011, 3, 5), QTime(14, 30, 15));
    const std::vector<DeclarationKey> declarations(keys.begin(), keys.end());
    long long values = 0;
    for (int i = 0; i <= Passes; ++i) { // the first pass warms up
        QElapsedTimer clock;
        clock.start();
        values = fetch.Run(keys);
        const double fetched = Milliseconds(clock);
        QFile::remove(path);
        clock.restart();
        generator.Generate(path, declarations, QStringLiteral("0.3.3.4"), moment, false);
        const double generated = Milliseconds(clock);
        if (i > 0) {
            plain.push_back(fetched);
            generation.push_back(generated);
        }
    }
    const double g = Median(generation);
    const double p = Median(plain);
    std::printf("%-38s file %8.1f ms   plain fetch %8.1f ms   ratio %.2f   (%lld values, %lld bytes)\n", what,
                g, p, g / p, values, static_cast<long long>(QFileInfo(path).size()));
    QFile::remove(path);
    (void)database;
}

} // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && QByteArray(argv[1]) == "quick";
    try {
        TempDatabase banco;
        TIBDatabase& database = banco.Database();
        DeclarationFixture fixture(database);
        fixture.Taxpayer();
        auto add = [&](int sq, int entries, int exits, int rows) {
            DeclarationFixture::Declaration d;
            d.sq = sq;
            d.ano = 2011;
            d.mes = 1;
            d.validacao = QDate(2011, 2, 1);
            d.comErro = QStringLiteral("N");
            fixture.AddDeclaration(d);
            fixture.FillRows(sq, entries, exits, rows);
        };
        std::vector<int> tenths;
        for (int sq = 1; sq <= (quick ? 0 : 100); ++sq) {
            add(sq, DeclarationFixture::BigEntries / 10, DeclarationFixture::BigExits / 10,
                DeclarationFixture::BigRowsPerTable / 10);
            tenths.push_back(sq);
        }
        std::vector<int> bigs;
        for (int sq = 101; sq <= (quick ? 101 : 110); ++sq) {
            add(sq, DeclarationFixture::BigEntries, DeclarationFixture::BigExits,
                DeclarationFixture::BigRowsPerTable);
            bigs.push_back(sq);
        }
        TransmissionGenerator generator(database);
        PlainFetch fetch(database, generator.ReadLayout());
        SideBySide("1 big declaration", database, generator, fetch, {101}, banco.Folder());
        if (quick)
            return 0;
        SideBySide("100 declarations of a tenth", database, generator, fetch, tenths, banco.Folder());
        SideBySide("10 big declarations", database, generator, fetch, bigs, banco.Folder());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
