#pragma once
// The settings a writer adds to a reader's, as one value: what its Zip runs
// follow.

#include "zip/TMultiZipInfo.h"
#include "zip/ZipTypes.h"

#include <QString>
#include <QStringList>

struct ZipWriterOptions {
    int PackLevel = 6;
    bool Recurse = false;
    bool Dispose = false;
    bool StorePaths = false;
    bool RelativePaths = false;
    bool StoreVolumes = false;
    TZipAction ZipAction = TZipAction::zaUpdate;
    TMultiZipInfo MultiZipInfo;
    QString TempPath;
    QStringList ExcludeList;
    QStringList NoCompressList;
    bool AddDirEntriesOnRecurse = false;
    bool Store83Names = false;
    bool SkipIfArchiveBitNotSet = false;
    bool ResetArchiveBitOnZip = false;
};
