#pragma once
// Putting a finished file in place of another so that a crash or a power cut
// leaves either the old file or the whole new one: the new file's data are
// flushed to disk, it is renamed over the old one in one step, and the
// folder's entry is flushed too.

#include <QString>

class DurableFile {
public:
    // Flushes source, renames it to target (replacing it) and flushes the
    // folder of target. Raises Exception, in Portuguese and with the reason,
    // when any step fails; source is then still there, target untouched
    // unless the rename itself went through.
    static void Replace(const QString& source, const QString& target);
    // Flushes the data of one file or folder to disk; raises Exception.
    static void Sync(const QString& path);
};
