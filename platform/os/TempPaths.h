#pragma once
// Temporary files and folders, each created with a unique name (mkstemp,
// mkdtemp) so that no other process can have made or foreseen it.

#include <QString>

class TempPaths {
public:
    // The system temporary folder, without a trailing separator.
    static QString TempFolder();
    // Creates an empty file named prefix + six random characters (+ suffix)
    // in folder (the temporary folder when empty) and returns its path.
    // Failure raises Exception.
    static QString CreateFile(const QString& prefix, const QString& suffix = QString(),
                              const QString& folder = QString());
    // Creates a folder named prefix + six random characters, readable only by
    // this user, in folder (the temporary folder when empty) and returns its
    // path. Failure raises Exception.
    static QString CreateFolder(const QString& prefix, const QString& folder = QString());
};
