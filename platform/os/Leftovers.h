#pragma once
// What a run of the program leaves behind when it is killed: work folders,
// partial files. Each kind carries a name only the program gives, so the next
// run of the same kind finds them by that name. One goes only when it is this
// user's own (not a link, owned by the user) and no process holds it open: a
// running copy keeps what it works on open (HeldPath), and so does the
// database engine with its files.

#include <QString>
#include <QStringList>

class Leftovers {
public:
    // Removes the files and folders (with their content) directly in folder
    // whose whole names match pattern, a regular expression; returns the
    // names removed.
    static QStringList Remove(const QString& folder, const QString& pattern);
};
