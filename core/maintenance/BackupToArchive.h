#pragma once
// Backs the database up into a zip archive: the engine's backup service
// writes the backup into a private work folder, the zip engine packs it into
// an archive staged in a private folder beside the target, the archive is
// read back and every entry checked (CRC and size) by our own reader, and
// only then is it renamed over the target. A failure at any point, or an
// abort, leaves an existing archive as it was and no temporary file behind;
// what a killed run left (its work folder, its staging folder beside the
// target) goes at the next backup.
//
// PieceSize > 0 splits the archive into pieces name.001, name.002, ... of
// that many bytes beside the target, instead of one file.

#include <QString>
#include <QStringList>
#include <functional>

class TIBDatabase;
class TZipWriter;

class BackupToArchive {
public:
    // The staging folders beside the target start with this.
    static const QString StagingPrefix;

    BackupToArchive(TIBDatabase& database, TZipWriter& zip);

    // Each output line of the backup service, and the steps.
    std::function<void(const QString&)> Status;
    // Asked between the service's lines; true stops the backup (EUserCanceled).
    std::function<bool()> Cancelled;
    qint64 PieceSize = 0;

    // Writes the archive target; returns the files written (one, or the
    // pieces in order). Raises Exception (EUserCanceled on abort).
    QStringList Run(const QString& target);

    // The name of the backup file inside the archive: the database's file
    // name with the extension ".bkp".
    static QString BackupFileName(const QString& databaseName);

private:
    void RunBackupService(const QString& backupFile);
    QStringList Pack(const QString& backupFile, const QString& stagedArchive);
    void Verify(const QString& archive, qint64 expectedSize, const QString& scratch);
    void Say(const QString& text) const;

    TIBDatabase& m_database;
    TZipWriter& m_zip;
};
