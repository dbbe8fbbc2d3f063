#pragma once
// Files that hold the user's data for the user alone: the database copies,
// the archives, the transmission file. Such a file is readable and writable
// by its owner only (0600), whatever the process's umask and whatever mode
// a file of that name had before.

#include <QByteArray>

class PrivateFile {
public:
    // open(2) of `name` (in the file system's encoding) with `flags`, which
    // hold O_CREAT, and O_CLOEXEC; an interrupted call is retried. Returns
    // the descriptor of the file, now 0600, or -1 with errno set.
    static int Open(const QByteArray& name, int flags);
};
