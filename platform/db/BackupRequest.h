#pragma once
// What a backup run in the worker process (BackupProcess) is asked to do: the
// settings of a TIBBackupService, passed to the worker on its standard input.

#include <QByteArray>
#include <QString>
#include <QStringList>

class TIBBackupService;

struct BackupRequest {
    QStringList params;
    QString databaseName;
    QStringList backupFiles;
    int options = 0;
    bool verbose = false;
    int blockingFactor = 0;

    static BackupRequest Of(TIBBackupService& service);
    // Sets the service up as the request says (not attached, not started).
    void ApplyTo(TIBBackupService& service) const;

    QByteArray Encode() const;
    // Raises EDatabaseError on bytes that are not one whole request.
    static BackupRequest Decode(const QByteArray& bytes);
};
