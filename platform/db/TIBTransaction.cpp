#include "platform/db/TIBTransaction.h"

#include "platform/db/EIBError.h"
#include "platform/db/FbClient.h"
#include "platform/db/IBParamBlock.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"

#include <utility>

static_assert(sizeof(TIBTransaction::Handle) == sizeof(isc_tr_handle));

namespace {

// One entry of the engine's transaction-existence block (a TEB). The length
// is a long so that readers of either width see the same value.
struct TransactionEntry {
    TIBDatabase::Handle* database;
    long tpbLength;
    const char* tpb;
};

const std::pair<const char*, std::uint8_t> TpbWords[] = {
    {"consistency", isc_tpb_consistency},
    {"concurrency", isc_tpb_concurrency},
    {"read_committed", isc_tpb_read_committed},
    {"rec_version", isc_tpb_rec_version},
    {"no_rec_version", isc_tpb_no_rec_version},
    {"wait", isc_tpb_wait},
    {"nowait", isc_tpb_nowait},
    {"read", isc_tpb_read},
    {"write", isc_tpb_write},
};

} // namespace

TIBTransaction::TIBTransaction(TComponent* owner) : TComponent(owner) {}

TIBTransaction::~TIBTransaction() {
    DatabaseClosing();
    for (TIBSQL* statement : std::vector<TIBSQL*>(m_statements))
        statement->TransactionDestroyed();
    if (m_database)
        m_database->DetachTransaction(this);
}

void TIBTransaction::SetDefaultDatabase(TIBDatabase* database) {
    if (database == m_database)
        return;
    if (InTransaction())
        throw EDatabaseError(QStringLiteral("Cannot change the database of an active transaction."));
    if (m_database)
        m_database->DetachTransaction(this);
    m_database = database;
    if (m_database)
        m_database->AttachTransaction(this);
}

QByteArray TIBTransaction::BuildTransactionParams(bool readOnly) const {
    QStringList words = m_params;
    if (readOnly && words.isEmpty())
        words << QStringLiteral("concurrency") << QStringLiteral("wait"); // the engine's default
    if (words.isEmpty())
        return QByteArray();
    IBParamBlock tpb(isc_tpb_version3);
    for (QString word : words) {
        word = word.trimmed().toLower();
        if (word.isEmpty())
            continue;
        if (word.startsWith(QLatin1String("isc_tpb_")))
            word = word.mid(8);
        if (readOnly && (word == QLatin1String("write") || word == QLatin1String("read")))
            continue; // the access is added once, at the end
        bool known = false;
        for (const auto& [name, tag] : TpbWords) {
            if (word == QLatin1String(name)) {
                tpb.AddTag(tag);
                known = true;
                break;
            }
        }
        if (!known)
            throw EDatabaseError(QStringLiteral("Unknown transaction parameter %1.").arg(word));
    }
    if (readOnly)
        tpb.AddTag(isc_tpb_read);
    return tpb.Bytes();
}

void TIBTransaction::StartTransaction() {
    Start(false);
}

void TIBTransaction::StartReadOnly() {
    Start(true);
}

void TIBTransaction::Start(bool readOnly) {
    if (InTransaction())
        throw EDatabaseError(QStringLiteral("The transaction %1 is already active.").arg(Name()));
    if (!m_database)
        throw EDatabaseError(QStringLiteral("The transaction %1 has no database.").arg(Name()));
    m_database->CheckConnected();
    const QByteArray tpb = BuildTransactionParams(readOnly);
    TransactionEntry entry{m_database->HandlePtr(), static_cast<long>(tpb.size()),
                           tpb.isEmpty() ? nullptr : tpb.constData()};
    ISC_STATUS_ARRAY status{};
    FbClient::Instance().start_multiple(status, &m_handle, 1, &entry);
    EIBError::Check(status);
}

void TIBTransaction::CheckInTransaction() const {
    if (!InTransaction())
        throw EDatabaseError(QStringLiteral("The transaction %1 is not active.").arg(Name()));
}

void TIBTransaction::Commit() {
    CheckInTransaction();
    ISC_STATUS_ARRAY status{};
    FbClient::Instance().commit_transaction(status, &m_handle);
    EIBError::Check(status);
    m_handle = 0;
    EndCursors();
}

void TIBTransaction::Rollback() {
    CheckInTransaction();
    ISC_STATUS_ARRAY status{};
    FbClient::Instance().rollback_transaction(status, &m_handle);
    EIBError::Check(status);
    m_handle = 0;
    EndCursors();
}

void TIBTransaction::EndCursors() {
    for (TIBSQL* statement : std::vector<TIBSQL*>(m_statements))
        statement->TransactionEnded();
}

void TIBTransaction::DatabaseClosing() {
    if (!InTransaction())
        return;
    ISC_STATUS_ARRAY status{};
    FbClient::Instance().rollback_transaction(status, &m_handle);
    // A failed rollback leaves nothing to do: the engine drops the
    // transaction with the connection.
    m_handle = 0;
    EndCursors();
}

void TIBTransaction::DatabaseDestroyed() {
    m_handle = 0;
    m_database = nullptr;
}

void TIBTransaction::AttachStatement(TIBSQL* statement) {
    m_statements.push_back(statement);
}

void TIBTransaction::DetachStatement(TIBSQL* statement) {
    std::erase(m_statements, statement);
}
