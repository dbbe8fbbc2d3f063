#pragma once
// Removes a folder tree safely: links are removed as links and never
// followed, the walk never leaves the folder's file system, and "/", the home
// folder (or a folder holding it) and mount points are refused outright.

#include "platform/os/MountTable.h"

#include <QString>

class TreeRemover {
public:
    // Removes everything inside folder and then folder itself; with onlyFiles
    // the files go and the folders stay. Returns true when everything asked
    // for is gone. With reportErrors the first failure (also a refusal)
    // raises Exception with the system's message instead.
    static bool Remove(const QString& folder, bool onlyFiles, bool reportErrors);
    static bool Remove(const QString& folder, bool onlyFiles, bool reportErrors, const MountTable& mounts);

    // Why folder must not be removed at all; empty when it may be.
    static QString Refusal(const QString& folder, const MountTable& mounts);
};
