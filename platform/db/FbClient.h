#pragma once
// The Firebird client library, bound at run time. The program looks for
// libfbclient.so.2 beside its executable first, then lets the system's loader
// find it; when neither loads, Instance() raises EDatabaseError naming what was
// tried. Every call into the engine goes through the function table below.
//
// The embedded engine keeps its lock files in FIREBIRD_LOCK. Unless the
// environment already says otherwise, the folder is set, before the library
// loads, to "firebird" in the user's private runtime folder (PrivateFolder):
// made for this user alone and refused, with the reason, when another user
// could reach it. Its sort files go to the same folder (FIREBIRD_TMP).
//
// The library takes SIGINT and SIGTERM for itself the first time it attaches
// anything, and then only shuts its connections down, leaving the process
// running. Loading it here makes it do so at once and gives the signals back
// to whatever handled them before, so that they end the program as the
// program decides.
//
// The process never leaves with the engine running: once its work is over,
// before it exits, the program shuts the engine down in order (ShutDown). A
// service task still in flight (a maintenance task the program ends part-way)
// is told to stop and waited for, and every attachment is closed. Left to the
// exit handlers, the engine would tear down while such a task still runs.

#include <ibase.h>

#include <QString>
#include <QStringList>

class FbClient {
public:
    // Loads the first candidate that opens (absolute paths or bare names for
    // the system loader). Raises EDatabaseError when none does.
    explicit FbClient(const QStringList& candidates);
    ~FbClient();
    FbClient(const FbClient&) = delete;
    FbClient& operator=(const FbClient&) = delete;

    // The program's one instance, loaded on first use.
    static const FbClient& Instance();
    // Where the program looks, in order.
    static QStringList DefaultCandidates();
    // Shuts the engine down in order when the library was loaded; nothing may
    // use it afterwards. Called once the program's work is over.
    static void ShutDown();

    // The absolute path of the file the loader mapped for it.
    QString LoadedFile() const;

    decltype(&isc_attach_database) attach_database = nullptr;
    decltype(&isc_detach_database) detach_database = nullptr;
    decltype(&isc_database_info) database_info = nullptr;
    decltype(&isc_start_multiple) start_multiple = nullptr;
    decltype(&isc_commit_transaction) commit_transaction = nullptr;
    decltype(&isc_rollback_transaction) rollback_transaction = nullptr;
    decltype(&isc_dsql_execute_immediate) dsql_execute_immediate = nullptr;
    decltype(&isc_dsql_allocate_statement) dsql_allocate_statement = nullptr;
    decltype(&isc_dsql_prepare) dsql_prepare = nullptr;
    decltype(&isc_dsql_describe) dsql_describe = nullptr;
    decltype(&isc_dsql_describe_bind) dsql_describe_bind = nullptr;
    decltype(&isc_dsql_execute) dsql_execute = nullptr;
    decltype(&isc_dsql_execute2) dsql_execute2 = nullptr;
    decltype(&isc_dsql_fetch) dsql_fetch = nullptr;
    decltype(&isc_dsql_free_statement) dsql_free_statement = nullptr;
    decltype(&isc_dsql_sql_info) dsql_sql_info = nullptr;
    decltype(&isc_open_blob2) open_blob2 = nullptr;
    decltype(&isc_create_blob2) create_blob2 = nullptr;
    decltype(&isc_get_segment) get_segment = nullptr;
    decltype(&isc_put_segment) put_segment = nullptr;
    decltype(&isc_close_blob) close_blob = nullptr;
    decltype(&isc_cancel_blob) cancel_blob = nullptr;
    decltype(&isc_service_attach) service_attach = nullptr;
    decltype(&isc_service_detach) service_detach = nullptr;
    decltype(&isc_service_start) service_start = nullptr;
    decltype(&isc_service_query) service_query = nullptr;
    decltype(&fb_interpret) interpret = nullptr;
    decltype(&isc_sqlcode) sqlcode = nullptr;
    decltype(&isc_vax_integer) vax_integer = nullptr;
    decltype(&fb_shutdown) shutdown = nullptr;

private:
    void Bind();
    // Lets the library take the signals now, then puts back what was there.
    void LeaveSignalsAlone() const;
    void* Symbol(const char* name) const;
    void* m_handle = nullptr;
    QString m_path;
};
