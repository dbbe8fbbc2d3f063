#include "database/builder/DatabaseBuilder.h"

#include "core/data/TDMDefAtualizador.h"
#include "database/builder/ConsolePrompter.h"

#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TSQLScript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString ReadScript(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DatabaseBuilder::BuildError(
            QStringLiteral("%1: cannot read the script: %2").arg(path, file.errorString()));
    return QString::fromUtf8(file.readAll());
}

void RunScripts(const QString& databasePath, const QStringList& scripts) {
    TIBDatabase database;
    database.SetDatabaseName(databasePath);
    TIBTransaction transaction;
    transaction.SetDefaultDatabase(&database);
    TIBSQL statement;
    statement.SetDatabase(&database);
    statement.SetTransaction(&transaction);
    // Scripts hold literals only; ":name" inside PSQL bodies are variables.
    statement.SetParamCheck(false);

    database.Open();
    transaction.StartTransaction();
    for (const QString& script : scripts) {
        QList<TSQLScript::Item> items;
        try {
            items = TSQLScript::Split(ReadScript(script));
        } catch (const DatabaseBuilder::BuildError&) {
            throw;
        } catch (const Exception& error) {
            throw DatabaseBuilder::BuildError(QStringLiteral("%1: %2").arg(script, error.Message()));
        }
        for (qsizetype i = 0; i < items.size(); ++i) {
            const TSQLScript::Item& item = items[i];
            try {
                if (item.kind == TSQLScript::Kind::Commit) {
                    transaction.Commit();
                    transaction.StartTransaction();
                    continue;
                }
                statement.SetSQLText(item.text);
                statement.ExecQuery();
                const bool ddl = statement.SQLType() == TIBSQLStatementType::DDL;
                statement.FreeHandle();
                if (ddl) {
                    // Later statements of the scripts use what this one defined.
                    transaction.Commit();
                    transaction.StartTransaction();
                }
            } catch (const Exception& error) {
                throw DatabaseBuilder::BuildError(QStringLiteral("%1: statement %2 (line %3) failed:\n%4")
                                                      .arg(script)
                                                      .arg(i + 1)
                                                      .arg(item.line)
                                                      .arg(error.Message()));
            }
        }
    }
    transaction.Commit();
    database.Close();
}

void RunUpdater(const QString& databasePath) {
    ConsolePrompter prompter;
    TPrompter::Install install(prompter);
    TDMDefAtualizador atualizador;
    atualizador.ibDBDef->SetDatabaseName(databasePath);
    atualizador.ibDBDef->Open();
    const QString version = atualizador.LeVersaoDados();
    atualizador.Atualiza(version);
    if (atualizador.ResultCode() != TDMDefAtualizador::SuccessCode || prompter.ShowedError())
        throw DatabaseBuilder::BuildError(
            QStringLiteral("%1: the update of data version %2 failed.").arg(databasePath, version));
    atualizador.ApplyScript(atualizador.IBSQL_0334_OCORRENCIA);
    atualizador.ibDBDef->Close();
}

// Renames the finished file over the target.
void Replace(const QString& building, const QString& target) {
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        QFile::remove(building);
        throw DatabaseBuilder::BuildError(QStringLiteral("Cannot replace %1.").arg(target));
    }
    if (!QFile::rename(building, target)) {
        QFile::remove(building);
        throw DatabaseBuilder::BuildError(QStringLiteral("Cannot rename %1 to %2.").arg(building, target));
    }
}

} // namespace

QString DatabaseBuilder::BuildingName(const QString& target) {
    return target + QStringLiteral(".building");
}

void DatabaseBuilder::Build(const QString& target, const QStringList& scripts) {
    const QString building = BuildingName(target);
    QDir().mkpath(QFileInfo(target).absolutePath());
    // A file left by an interrupted build of this target.
    QFile::remove(building);
    try {
        TIBDatabase::CreateDatabase(building);
        RunScripts(building, scripts);
    } catch (const BuildError&) {
        QFile::remove(building);
        throw;
    } catch (const Exception& error) {
        QFile::remove(building);
        throw BuildError(error.Message());
    }
    Replace(building, target);
}

void DatabaseBuilder::Update(const QString& source, const QString& target) {
    const QString building = BuildingName(target);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(building);
    if (!QFile::copy(source, building))
        throw BuildError(QStringLiteral("Cannot copy %1 to %2.").arg(source, building));
    // A copy keeps the permissions of a read-only source.
    QFile::setPermissions(building, QFile::permissions(building) | QFile::WriteOwner | QFile::ReadOwner);
    try {
        RunUpdater(building);
    } catch (const BuildError&) {
        QFile::remove(building);
        throw;
    } catch (const Exception& error) {
        QFile::remove(building);
        throw BuildError(error.Message());
    }
    Replace(building, target);
}
