// Times the validation of the big declaration (2,000 entries, 2,000 exits,
// 500 rows in each occurrence and credit-balance table): once as a
// taxpayer's first declaration, once with a big declaration in the month
// before (whose balances the run computes too); each once on a quiet disk and
// once while a child process writes and flushes a file beside the database
// without pause. Targets: 30 ms quiet, and no more than 1.2 times that under
// the disk load.

#include "core/data/TDMDef.h"
#include "core/data/TDMDefAux.h"
#include "core/data/TDMDefBasica.h"
#include "core/data/TDMDefGeral.h"
#include "declarations/validation/DeclarationValidator.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBDatabase.h"
#include "tests/support/database/DeclarationFixture.h"
#include "tests/support/database/TempDatabase.h"

#include <QElapsedTimer>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int Passes = 20;

// A child process that writes and flushes 64 KiB blocks to a file in
// `folder` until the object goes away.
class DiskLoad {
public:
    explicit DiskLoad(const QString& folder) {
        // Made before the fork: the child of a threaded process only makes system calls.
        const QByteArray path = (folder + QStringLiteral("/load.bin")).toLocal8Bit();
        const std::vector<char> block(64 * 1024, 'x');
        m_child = fork();
        if (m_child != 0)
            return;
        const int file = open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        for (int n = 0;; ++n) {
            if (n % 256 == 0)
                lseek(file, 0, SEEK_SET);
            if (write(file, block.data(), block.size()) < 0 || fsync(file) != 0)
                _exit(1);
        }
    }
    ~DiskLoad() {
        if (m_child <= 0)
            return;
        kill(m_child, SIGKILL);
        waitpid(m_child, nullptr, 0);
    }
    DiskLoad(const DiskLoad&) = delete;
    DiskLoad& operator=(const DiskLoad&) = delete;

private:
    pid_t m_child = -1;
};

// Median and extremes of the passes over the declaration, and its finding count.
void Time(const char* what, TClientDataSet& list, int sq) {
    if (!list.Locate(QStringLiteral("SQ_DECLARACAO"), sq))
        throw Exception(QStringLiteral("No declaration %1").arg(sq));
    int findings = 0;
    DeclarationValidator validator(DeclarationHeader::Of(list), [&](int, const QString&) { ++findings; });
    validator.Validacao(); // warm-up: statements prepared, pages cached
    std::vector<double> times;
    for (int i = 0; i < Passes; ++i) {
        findings = 0;
        QElapsedTimer clock;
        clock.start();
        validator.Validacao();
        times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-45s min %6.1f ms  median %6.1f ms  max %6.1f ms  (%d findings, %d passes)\n", what,
                times.front(), times[times.size() / 2], times.back(), findings, Passes);
}

} // namespace

int main() {
    try {
        TempDatabase banco(false);
        TDMDefGeral geral;
        geral.ibDBDef->SetDatabaseName(banco.Path());
        geral.ibDBDef->Open();
        TDMDefBasica basica;
        TDMDef def;
        TDMDefAux aux;
        DeclarationFixture fixture(*geral.ibDBDef);
        fixture.Taxpayer();
        for (int sq = 1; sq <= 2; ++sq) {
            fixture.AddDeclaration({.sq = sq, .ano = 2011, .mes = sq});
            fixture.FillBig(sq);
        }
        def.cdsSelDeclaracao->Open();
        Time("big declaration, first of the taxpayer", *def.cdsSelDeclaracao, 1);
        Time("big declaration after a big one", *def.cdsSelDeclaracao, 2);
        {
            DiskLoad load(banco.Folder());
            Time("first of the taxpayer, disk load", *def.cdsSelDeclaracao, 1);
            Time("after a big one, disk load", *def.cdsSelDeclaracao, 2);
        }
        geral.ibDBDef->Close();
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
