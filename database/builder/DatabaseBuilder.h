#pragma once
// Makes the program's database file.
//
// Build creates a file from SQL scripts (page size 4096, default character
// set WIN1252, dialect 3) under a temporary name beside the target, runs
// every statement of the scripts in order, committing after each DDL
// statement, at each COMMIT and at the end, and only then renames it to the
// target. Schema and seed together make the data of the oldest supported
// version.
//
// Update takes such a file through the updater the program uses, up to the
// program's version, into a new target: the update path runs on every build.
//
// On failure the partial file is deleted and BuildError tells what failed.

#include "platform/base/Exceptions.h"

#include <QString>
#include <QStringList>

class DatabaseBuilder {
public:
    class BuildError : public Exception {
    public:
        using Exception::Exception;
    };

    // Replaces `target` when it exists, but only after a successful build.
    static void Build(const QString& target, const QStringList& scripts);
    // Copies `source` and brings the copy to the program's version: every
    // group of update scripts for its data version, then the script that
    // adds legal ground 276, which current data must hold (the groups bring
    // it only to data of 0.3.3.3). Any failing script or error box fails
    // the update. Replaces `target` only on success.
    static void Update(const QString& source, const QString& target);
    // The temporary name the file has while it is built.
    static QString BuildingName(const QString& target);
};
