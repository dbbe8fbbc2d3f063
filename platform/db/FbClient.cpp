#include "platform/db/FbClient.h"

#include "platform/base/Exceptions.h"
#include "platform/os/PrivateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <atomic>
#include <csignal>
#include <dlfcn.h>
#include <link.h>
#include <pthread.h>

namespace {

const char* const LibraryName = "libfbclient.so.2";

QString ExecutableFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

// The embedded engine's lock and sort-file folders must be writable by the
// user running the program (the packaged default is the installer's) and by
// nobody else, who could otherwise plant its lock files or links there.
void PreparePerUserEngineFolders() {
    const bool lockGiven = !qEnvironmentVariableIsEmpty("FIREBIRD_LOCK");
    const bool tmpGiven = !qEnvironmentVariableIsEmpty("FIREBIRD_TMP");
    if (lockGiven && tmpGiven)
        return;
    PrivateFolder::Ensure(PrivateFolder::UserRuntimeFolder());
    const QByteArray native = QFile::encodeName(PrivateFolder::Ensure(PrivateFolder::DefaultEngineFolder()));
    if (!lockGiven)
        qputenv("FIREBIRD_LOCK", native);
    if (!tmpGiven)
        qputenv("FIREBIRD_TMP", native);
}

// The library once loaded, until the engine is shut down.
std::atomic<const FbClient*> g_loaded{nullptr};

// The signals the library would keep for itself.
constexpr int KeptSignals[] = {SIGINT, SIGTERM};

} // namespace

FbClient::FbClient(const QStringList& candidates) {
    QStringList failures;
    for (const QString& candidate : candidates) {
        m_handle = ::dlopen(QFile::encodeName(candidate).constData(), RTLD_NOW | RTLD_LOCAL);
        if (m_handle) {
            m_path = candidate;
            break;
        }
        failures << QStringLiteral("%1 (%2)").arg(candidate, QString::fromLocal8Bit(::dlerror()));
    }
    if (!m_handle)
        throw EDatabaseError(
            QStringLiteral("Não foi possível carregar a biblioteca cliente do Firebird. Tentativas: %1")
                .arg(failures.join(QStringLiteral("; "))));
    try {
        Bind();
    } catch (...) {
        ::dlclose(m_handle);
        throw;
    }
    LeaveSignalsAlone();
}

void FbClient::LeaveSignalsAlone() const {
    // Blocked meanwhile, a signal waits for the handler that comes back.
    sigset_t blocked;
    sigemptyset(&blocked);
    for (const int signal : KeptSignals)
        sigaddset(&blocked, signal);
    sigset_t previousMask;
    pthread_sigmask(SIG_BLOCK, &blocked, &previousMask);
    struct sigaction previous[std::size(KeptSignals)]{};
    for (std::size_t i = 0; i < std::size(KeptSignals); ++i)
        ::sigaction(KeptSignals[i], nullptr, &previous[i]);

    // Any attachment makes the library install its handlers; an empty
    // service name fails without touching a database.
    ISC_STATUS_ARRAY status{};
    isc_svc_handle handle = 0;
    service_attach(status, 0, "", &handle, 0, nullptr);
    if (handle != 0)
        service_detach(status, &handle);

    for (std::size_t i = 0; i < std::size(KeptSignals); ++i)
        ::sigaction(KeptSignals[i], &previous[i], nullptr);
    pthread_sigmask(SIG_SETMASK, &previousMask, nullptr);
}

QString FbClient::LoadedFile() const {
    link_map* map = nullptr;
    if (::dlinfo(m_handle, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name)
        return m_path;
    return QFileInfo(QFile::decodeName(map->l_name)).absoluteFilePath();
}

FbClient::~FbClient() {
    if (m_handle)
        ::dlclose(m_handle);
}

QStringList FbClient::DefaultCandidates() {
    QStringList candidates;
    const QString beside = ExecutableFolder() + QLatin1Char('/') + QLatin1String(LibraryName);
    if (QFileInfo::exists(beside))
        candidates << beside;
    candidates << QLatin1String(LibraryName);
    return candidates;
}

const FbClient& FbClient::Instance() {
    static const FbClient& instance = []() -> const FbClient& {
        PreparePerUserEngineFolders();
        // Kept for the whole run: the engine's own threads live in the library.
        const FbClient* loaded = new FbClient(DefaultCandidates());
        g_loaded.store(loaded);
        return *loaded;
    }();
    return instance;
}

void FbClient::ShutDown() {
    const FbClient* loaded = g_loaded.exchange(nullptr);
    if (!loaded)
        return;
    // A service task notices the shutdown at its next step; a backup's takes
    // well under this, and the wait ends as soon as every task has.
    constexpr unsigned TimeoutMs = 60000;
    loaded->shutdown(TimeoutMs, fb_shutrsn_app_stopped);
}

void* FbClient::Symbol(const char* name) const {
    void* symbol = ::dlsym(m_handle, name);
    if (!symbol)
        throw EDatabaseError(QStringLiteral("A biblioteca cliente do Firebird %1 não tem a função %2.")
                                 .arg(m_path, QLatin1String(name)));
    return symbol;
}

void FbClient::Bind() {
    auto bind = [this](auto& slot, const char* name) {
        slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(Symbol(name));
    };
    bind(attach_database, "isc_attach_database");
    bind(detach_database, "isc_detach_database");
    bind(database_info, "isc_database_info");
    bind(start_multiple, "isc_start_multiple");
    bind(commit_transaction, "isc_commit_transaction");
    bind(rollback_transaction, "isc_rollback_transaction");
    bind(dsql_execute_immediate, "isc_dsql_execute_immediate");
    bind(dsql_allocate_statement, "isc_dsql_allocate_statement");
    bind(dsql_prepare, "isc_dsql_prepare");
    bind(dsql_describe, "isc_dsql_describe");
    bind(dsql_describe_bind, "isc_dsql_describe_bind");
    bind(dsql_execute, "isc_dsql_execute");
    bind(dsql_execute2, "isc_dsql_execute2");
    bind(dsql_fetch, "isc_dsql_fetch");
    bind(dsql_free_statement, "isc_dsql_free_statement");
    bind(dsql_sql_info, "isc_dsql_sql_info");
    bind(open_blob2, "isc_open_blob2");
    bind(create_blob2, "isc_create_blob2");
    bind(get_segment, "isc_get_segment");
    bind(put_segment, "isc_put_segment");
    bind(close_blob, "isc_close_blob");
    bind(cancel_blob, "isc_cancel_blob");
    bind(service_attach, "isc_service_attach");
    bind(service_detach, "isc_service_detach");
    bind(service_start, "isc_service_start");
    bind(service_query, "isc_service_query");
    bind(interpret, "fb_interpret");
    bind(sqlcode, "isc_sqlcode");
    bind(vax_integer, "isc_vax_integer");
    bind(shutdown, "fb_shutdown");
}
