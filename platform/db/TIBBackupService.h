#pragma once
// Writes a backup of DatabaseName into BackupFile (one or more files) through
// the engine's backup task. An existing backup file is overwritten.

#include "platform/db/TIBCustomService.h"

#include <QFlags>

class TIBBackupService : public TIBCustomService {
    Q_OBJECT
public:
    enum Option {
        IgnoreChecksums = 0x01,
        IgnoreLimbo = 0x02,
        MetadataOnly = 0x04,
        NoGarbageCollection = 0x08,
        OldMetadataDesc = 0x10,
        NonTransportable = 0x20,
        ConvertExtTables = 0x40,
    };
    Q_DECLARE_FLAGS(OptionSet, Option)

    explicit TIBBackupService(TComponent* owner = nullptr);

    const QString& DatabaseName() const { return m_databaseName; }
    void SetDatabaseName(const QString& name) { m_databaseName = name; }
    QStringList& BackupFile() { return m_backupFile; }
    void SetBackupFile(const QStringList& files) { m_backupFile = files; }
    OptionSet Options() const { return m_options; }
    void SetOptions(OptionSet options) { m_options = options; }
    bool Verbose() const { return m_verbose; }
    void SetVerbose(bool verbose) { m_verbose = verbose; }
    int BlockingFactor() const { return m_blockingFactor; }
    void SetBlockingFactor(int factor) { m_blockingFactor = factor; }

    void ServiceStart() override;

private:
    QString m_databaseName;
    QStringList m_backupFile;
    OptionSet m_options;
    bool m_verbose = false;
    int m_blockingFactor = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TIBBackupService::OptionSet)
