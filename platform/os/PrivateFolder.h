#pragma once
// Folders for the files that only this user may touch: the single-instance
// lock and socket, the database engine's lock files. A folder that another
// user could have made or reach (a link, a folder of someone else, one open
// to others) is refused, never used as found.

#include <QString>

class PrivateFolder {
public:
    // Where the program keeps its run-time files: "zeb-icms" in the user's
    // runtime folder ($XDG_RUNTIME_DIR) when there is one, otherwise
    // ".zeb-icms" in the user's home folder. Only the path: Ensure makes
    // and checks it.
    static QString UserRuntimeFolder();
    // The database engine's own folder unless the environment names one:
    // "firebird" in the runtime folder.
    static QString DefaultEngineFolder();
    // The database engine's lock folder: $FIREBIRD_LOCK when given, else
    // the default one.
    static QString EngineFolder();

    // Creates folder (for this user alone, mode 0700) when it is missing and
    // checks it: a real folder, not a link, owned by this user, with no
    // access for anybody else. Returns the folder; a folder that fails
    // raises Exception saying which and why.
    static QString Ensure(const QString& folder);
};
