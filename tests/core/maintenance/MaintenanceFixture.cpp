#include "tests/core/maintenance/MaintenanceFixture.h"

#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>

MaintenanceFixture::MaintenanceFixture() {
    m_live = m_program.Database();
    EXPECT_TRUE(m_program.CopyDatabase());
    live.SetName(QStringLiteral("ibLive"));
    live.SetDatabaseName(m_live);
    live.SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
}

MaintenanceFixture::~MaintenanceFixture() {
    if (live.Connected())
        live.Close();
}

QString MaintenanceFixture::Scalar(const QString& file, const QString& sql) {
    TIBDatabase database;
    database.SetDatabaseName(file);
    database.SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    TIBSQL query;
    query.SetDatabase(&database);
    query.SetTransaction(&transaction);
    database.Open();
    transaction.StartTransaction();
    query.SetSQLText(sql);
    query.ExecQuery();
    const QString value = query.Eof() ? QString() : query.Fields(0).AsString();
    query.Close();
    transaction.Commit();
    database.Close();
    return value;
}

void MaintenanceFixture::Execute(const QString& file, const QStringList& statements) {
    TIBDatabase database;
    database.SetDatabaseName(file);
    database.SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    TIBSQL query;
    query.SetDatabase(&database);
    query.SetTransaction(&transaction);
    database.Open();
    transaction.StartTransaction();
    for (const QString& statement : statements) {
        query.SetSQLText(statement);
        query.ExecQuery();
        query.Close();
    }
    transaction.Commit();
    database.Close();
}

QByteArray MaintenanceFixture::ReadAll(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void MaintenanceFixture::WriteAll(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray MaintenanceFixture::Digest(const QString& file) {
    return QCryptographicHash::hash(ReadAll(file), QCryptographicHash::Sha256).toHex();
}

PeerResult MaintenanceFixture::Peer(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    PeerResult result;
    if (!process.waitForFinished(120000))
        return result;
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

void MaintenanceFixture::PythonZip(const QString& archive, const QStringList& files) {
    QStringList arguments{
        QStringLiteral("-c"),
        QStringLiteral("import sys, zipfile, os\n"
                       "with zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED) as z:\n"
                       "    for f in sys.argv[2:]:\n"
                       "        z.write(f, os.path.basename(f))\n"),
        archive};
    arguments += files;
    const PeerResult result = Peer(QStringLiteral("python3"), arguments);
    ASSERT_EQ(result.exitCode, 0) << result.output.toStdString();
}

QStringList MaintenanceFixture::Leftovers(const QString& folder, const QString& prefix) {
    return QDir(folder).entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Dirs | QDir::Hidden |
                                                                   QDir::System | QDir::NoDotAndDotDot);
}

void MaintenanceFixture::CreateForeignDatabase(const QString& file) {
    TIBDatabase::CreateDatabase(file);
    Execute(file,
            {QStringLiteral("CREATE TABLE CLIENTES (ID INTEGER NOT NULL PRIMARY KEY, NOME VARCHAR(40))")});
    Execute(file, {QStringLiteral("INSERT INTO CLIENTES VALUES (1, 'Outro programa')")});
}
