#include "platform/db/TIBDatabase.h"

#include "platform/db/ConnectionRegistry.h"
#include "platform/db/SqlLiteral.h"

#include "platform/db/EIBError.h"
#include "platform/db/FbClient.h"
#include "platform/db/IBParamBlock.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

static_assert(sizeof(TIBDatabase::Handle) == sizeof(isc_db_handle));

namespace {

const QString ConnectionCharacterSet = QStringLiteral("UTF8");

// True when a process holds the file for itself, as the engine does in its
// Super mode. An engine set to share its files (Classic, SuperClassic) lets
// other processes in as well, coordinated only through a lock folder that
// other users and programs need not share.
bool HeldExclusively(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

} // namespace

TIBDatabase::TIBDatabase(TComponent* owner) : TComponent(owner) {
    ConnectionRegistry::Instance().Register(this);
}

TIBDatabase::~TIBDatabase() {
    ConnectionRegistry::Instance().Unregister(this);
    try {
        Close();
    } catch (const std::exception&) {
        // The connection is gone either way; nothing to report to.
    }
    for (TIBSQL* statement : std::vector<TIBSQL*>(m_statements))
        statement->DatabaseDestroyed();
    for (TIBTransaction* transaction : std::vector<TIBTransaction*>(m_transactions))
        transaction->DatabaseDestroyed();
    if (m_defaultTransaction)
        m_defaultTransaction->RemoveFreeNotification(this);
}

void TIBDatabase::SetDatabaseName(const QString& name) {
    if (name == m_databaseName)
        return;
    if (Connected())
        throw EDatabaseError(
            QStringLiteral("Cannot change the database name while connected to %1.").arg(m_databaseName));
    m_databaseName = name;
}

void TIBDatabase::SetSQLDialect(int dialect) {
    if (dialect != 1 && dialect != 3)
        throw EDatabaseError(QStringLiteral("Invalid SQL dialect %1.").arg(dialect));
    if (Connected() && dialect != m_sqlDialect)
        throw EDatabaseError(QStringLiteral("Cannot change the SQL dialect while connected."));
    m_sqlDialect = dialect;
}

void TIBDatabase::SetDefaultTransaction(TIBTransaction* transaction) {
    if (transaction == m_defaultTransaction)
        return;
    if (m_defaultTransaction)
        m_defaultTransaction->RemoveFreeNotification(this);
    m_defaultTransaction = transaction;
    if (transaction) {
        transaction->FreeNotification(this);
        if (!transaction->DefaultDatabase())
            transaction->SetDefaultDatabase(this);
    }
}

void TIBDatabase::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == m_defaultTransaction)
        m_defaultTransaction = nullptr;
}

void TIBDatabase::SetConnected(bool connected) {
    if (connected)
        Open();
    else
        Close();
}

QString TIBDatabase::ParamValue(const QString& name) const {
    for (const QString& line : m_params) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        const QString key = (eq < 0 ? line : line.left(eq)).trimmed();
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return eq < 0 ? QString() : line.mid(eq + 1).trimmed();
    }
    return QString();
}

QByteArray TIBDatabase::BuildConnectParams() const {
    IBParamBlock dpb(isc_dpb_version1);
    QString user = ParamValue(QStringLiteral("user_name"));
    dpb.AddString(isc_dpb_user_name, (user.isEmpty() ? QStringLiteral("SYSDBA") : user).toUtf8());
    const QString password = ParamValue(QStringLiteral("password"));
    if (!password.isEmpty())
        dpb.AddString(isc_dpb_password, password.toUtf8());
    const QString role = ParamValue(QStringLiteral("sql_role_name"));
    if (!role.isEmpty())
        dpb.AddString(isc_dpb_sql_role_name, role.toUtf8());
    const QString charset = ParamValue(QStringLiteral("lc_ctype"));
    if (!charset.isEmpty() && charset.compare(ConnectionCharacterSet, Qt::CaseInsensitive) != 0)
        throw EDatabaseError(
            QStringLiteral("Connection character set %1 is not supported; only UTF8 is.").arg(charset));
    dpb.AddString(isc_dpb_lc_ctype, ConnectionCharacterSet.toLatin1());
    dpb.AddSizedInt(isc_dpb_sql_dialect, m_sqlDialect);
    return dpb.Bytes();
}

void TIBDatabase::Open() {
    if (Connected())
        return;
    BeforeConnect(this);
    if (m_databaseName.isEmpty())
        throw EDatabaseError(QStringLiteral("No database file name was given."));
    const QFileInfo file(m_databaseName);
    if (!file.exists())
        throw EDatabaseError(
            QStringLiteral("O arquivo do banco de dados não foi encontrado: %1").arg(m_databaseName));
    if (!file.isFile())
        throw EDatabaseError(QStringLiteral("%1 não é um arquivo de banco de dados.").arg(m_databaseName));

    const FbClient& fb = FbClient::Instance();
    const QByteArray dpb = BuildConnectParams();
    const QByteArray path = QFile::encodeName(m_databaseName);
    ISC_STATUS_ARRAY status{};
    Handle handle = 0;
    fb.attach_database(status, 0, path.constData(), &handle, static_cast<short>(dpb.size()), dpb.constData());
    if (status[0] == isc_arg_gds && status[1] != 0) {
        const EIBError error = EIBError::FromStatus(
            status, QStringLiteral("Não foi possível abrir o banco de dados %1:").arg(m_databaseName));
        if (error.HasErrorCode(isc_already_opened))
            throw EIBError(QStringLiteral("O arquivo %1 já está aberto por outro programa (outra cópia deste "
                                          "programa, talvez de outro usuário, ou uma ferramenta do banco de "
                                          "dados). Feche-o e tente novamente.")
                               .arg(m_databaseName),
                           error.SQLCode(), error.ErrorCodes());
        throw error;
    }
    if (!HeldExclusively(m_databaseName)) {
        fb.detach_database(status, &handle);
        throw EDatabaseError(
            QStringLiteral("O motor de banco de dados abriu o arquivo %1 em modo compartilhado (ServerMode "
                           "Classic ou SuperClassic na configuração do Firebird): outro programa poderia "
                           "gravá-lo ao mesmo tempo sem coordenação. O programa exige ServerMode = Super.")
                .arg(m_databaseName));
    }
    m_handle = handle;
    AfterConnect(this);
}

void TIBDatabase::Close() {
    if (!Connected())
        return;
    BeforeDisconnect(this);
    for (TIBSQL* statement : std::vector<TIBSQL*>(m_statements))
        statement->DatabaseClosing();
    for (TIBTransaction* transaction : std::vector<TIBTransaction*>(m_transactions))
        transaction->DatabaseClosing();
    ISC_STATUS_ARRAY status{};
    FbClient::Instance().detach_database(status, &m_handle);
    // Whatever the engine answered, this connection is over.
    m_handle = 0;
    EIBError::Check(status, QStringLiteral("Erro ao fechar o banco de dados %1:").arg(m_databaseName));
    AfterDisconnect(this);
}

bool TIBDatabase::TestConnected() const {
    if (!Connected())
        return false;
    const char items[] = {isc_info_ods_version, isc_info_end};
    char answer[64];
    ISC_STATUS_ARRAY status{};
    Handle handle = m_handle;
    FbClient::Instance().database_info(status, &handle, sizeof items, items, sizeof answer, answer);
    return !(status[0] == isc_arg_gds && status[1] != 0);
}

void TIBDatabase::CheckConnected() const {
    if (!Connected())
        throw EDatabaseError(QStringLiteral("The database %1 is not connected.").arg(m_databaseName));
}

void TIBDatabase::CreateDatabase(const QString& path, int pageSize, const QString& defaultCharacterSet) {
    if (QFileInfo::exists(path))
        throw EDatabaseError(
            QStringLiteral("Cannot create the database %1: the file already exists.").arg(path));
    for (QChar c : defaultCharacterSet)
        if (!c.isLetterOrNumber() && c != QLatin1Char('_'))
            throw EDatabaseError(QStringLiteral("Invalid character set name %1.").arg(defaultCharacterSet));
    const QString statement = QStringLiteral("CREATE DATABASE %1 USER 'SYSDBA' PAGE_SIZE %2 "
                                             "DEFAULT CHARACTER SET %3")
                                  .arg(SqlQuoted(path))
                                  .arg(pageSize)
                                  .arg(defaultCharacterSet);
    const FbClient& fb = FbClient::Instance();
    const QByteArray text = statement.toUtf8();
    ISC_STATUS_ARRAY status{};
    Handle db = 0;
    Handle tr = 0;
    fb.dsql_execute_immediate(status, &db, &tr, 0, text.constData(), 3, nullptr);
    EIBError::Check(status, QStringLiteral("Cannot create the database %1:").arg(path));
    fb.detach_database(status, &db);
    EIBError::Check(status, QStringLiteral("Error while closing the new database %1:").arg(path));
}

void TIBDatabase::AttachTransaction(TIBTransaction* transaction) {
    m_transactions.push_back(transaction);
}

void TIBDatabase::DetachTransaction(TIBTransaction* transaction) {
    std::erase(m_transactions, transaction);
}

void TIBDatabase::AttachStatement(TIBSQL* statement) {
    m_statements.push_back(statement);
}

void TIBDatabase::DetachStatement(TIBSQL* statement) {
    std::erase(m_statements, statement);
}
