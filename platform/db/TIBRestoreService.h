#pragma once
// Rebuilds a database (DatabaseName, one or more files) from BackupFile
// through the engine's restore task. Without the Replace option an existing
// target is refused before anything starts, so a restore only ever writes
// over a file it was asked to replace.

#include "platform/db/TIBCustomService.h"

#include <QFlags>

class TIBRestoreService : public TIBCustomService {
    Q_OBJECT
public:
    enum Option {
        DeactivateIndexes = 0x0100,
        NoShadow = 0x0200,
        NoValidityCheck = 0x0400,
        OneRelationAtATime = 0x0800,
        Replace = 0x1000,
        CreateNewDB = 0x2000,
        UseAllSpace = 0x4000,
    };
    Q_DECLARE_FLAGS(OptionSet, Option)

    explicit TIBRestoreService(TComponent* owner = nullptr);

    QStringList& DatabaseName() { return m_databaseName; }
    void SetDatabaseName(const QStringList& names) { m_databaseName = names; }
    QStringList& BackupFile() { return m_backupFile; }
    void SetBackupFile(const QStringList& files) { m_backupFile = files; }
    // CreateNewDB by default.
    OptionSet Options() const { return m_options; }
    void SetOptions(OptionSet options) { m_options = options; }
    // 0: the page size of the backup.
    int PageSize() const { return m_pageSize; }
    void SetPageSize(int size) { m_pageSize = size; }
    // 0: the engine's default.
    int PageBuffers() const { return m_pageBuffers; }
    void SetPageBuffers(int buffers) { m_pageBuffers = buffers; }
    bool Verbose() const { return m_verbose; }
    void SetVerbose(bool verbose) { m_verbose = verbose; }

    // Raises EDatabaseError when a target exists and Replace is not set.
    void ServiceStart() override;

private:
    QStringList m_databaseName;
    QStringList m_backupFile;
    OptionSet m_options = CreateNewDB;
    int m_pageSize = 0;
    int m_pageBuffers = 0;
    bool m_verbose = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TIBRestoreService::OptionSet)
