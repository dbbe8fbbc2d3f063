#pragma once
// Puts the database back from a zip archive made by the backup (one file,
// pieces name.001, name.002, ..., or disks; a set is restored from any of its
// pieces, the later ones found through the zip component's OnGetNextDisk).
//
// Before anything is unpacked the archive's directory is checked: an
// encrypted archive, one holding a name too long for a file, or one whose
// declared content is larger than a backup can be or than the room left in
// the work folder, is refused. The archive is then unpacked into a private
// work folder. The unpacked file is either a database file, copied (never
// one that depends on a shadow or continuation file it lacks), or a backup
// file, rebuilt by the engine's restore service (never with a shadow file);
// either way the result is written to a new file beside the live database,
// never over it. That file must then open as a database of this program (a
// bare connection: its PARAMETROS_DEF holds a data version), carry data this
// program can use or update, and pass the caller's own check; only then is
// it renamed over the live file in one step. On any failure, abort or kill
// the live database stays byte for byte as it was, and the next restore
// removes what a killed one left.

#include <QString>
#include <functional>

class TIBDatabase;
class TZipWriter;

class RestoreFromArchive {
public:
    // The restored file beside the live one: prefix, six characters, suffix.
    static const QString RestoredPrefix;
    static const QString RestoredSuffix;

    RestoreFromArchive(TIBDatabase& database, TZipWriter& zip);

    std::function<void(const QString&)> Status;
    // Asked between the restore service's lines; true stops the restore.
    std::function<bool()> Cancelled;
    // The caller's check of the restored file before it goes into place
    // (true: not usable, the restore is cancelled).
    std::function<bool(const QString& file)> Refuse;

    // Restores from archive. Raises Exception with the reason.
    void Run(const QString& archive);

    // The data version of a database file, read through a bare connection;
    // raises Exception when the file is not a database of this program.
    static QString DataVersionOf(const QString& file, const QStringList& params);

private:
    // Unpacks archive into folder after CheckContent; returns the file unpacked.
    QString Unpack(const QString& archive, const QString& folder);
    // The piece of a set named name.NNN that holds the set's directory: the
    // one chosen, or a later one found through the zip component's
    // OnGetNextDisk (EUserCanceled when the user refuses a disk).
    QString LastPiece(const QString& archive);
    // Refuses, before anything is unpacked, an encrypted archive, one holding
    // a name too long for a file, and one whose declared content exceeds a
    // backup's size or the work folder's room.
    void CheckContent(const QString& archive, const QString& folder) const;
    // True when file opens as a database; raises Exception when it is one
    // that defines a shadow or continuation in a file it cannot open.
    bool OpensAsDatabase(const QString& file, const QString& archive) const;
    void CopyFile(const QString& from, const QString& to) const;
    void RunRestoreService(const QString& backupFile, const QString& target);
    void Say(const QString& text) const;

    TIBDatabase& m_database;
    TZipWriter& m_zip;
};
