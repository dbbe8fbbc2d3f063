#pragma once
// A private database file holding the data of one older version, for the
// updater's tests: a copy of the oldest data the build makes, brought to the
// version asked for by the update scripts that data of that version already
// had, and stamped with it. The file goes away with the object.

#include "tests/support/database/TempDatabase.h"

class DataAtVersion : public TempDatabase {
public:
    explicit DataAtVersion(const QString& version);

    QString Version() const;
};
