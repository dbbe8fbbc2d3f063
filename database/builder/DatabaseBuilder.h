#pragma once
// Makes a database file from SQL scripts: creates it (page size 4096, default
// character set WIN1252, dialect 3) under a temporary name beside the target,
// runs every statement of the scripts in order, committing after each DDL
// statement, at each COMMIT and at the end, and only then renames it to the
// target. On failure the partial file is deleted and BuildError tells which
// script and statement failed and why.

#include "platform/os/Exceptions.h"

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
    // The temporary name the file has while it is built.
    static QString BuildingName(const QString& target);
};
