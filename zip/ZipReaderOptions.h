#pragma once
// The settings of a reader, as one value: what its directory reading and
// its extraction runs follow. A run may change some of them for good (it
// empties FilesList, takes a new Password from OnBadPassword, records the
// IncompleteZipMode a handler chose).

#include "zip/ZipTypes.h"

#include <QString>
#include <QStringList>

struct ZipReaderOptions {
    QString DestDir;
    QString RootDir;
    bool RecreateDirs = false;
    TUZOverwriteMode OverwriteMode = TUZOverwriteMode::Prompt;
    QStringList FilesList;
    bool DoAll = false;
    TIncompleteZipMode IncompleteZipMode = TIncompleteZipMode::izAssumeMulti;
    bool KeepZipOpen = false;
    bool DoProcessMessages = true;
    bool RetainAttributes = true;
    bool ReplaceReadOnly = false;
    bool FlushFilesOnClose = false;
    bool OEMConvert = true;
    QString Password;
    bool CheckDiskLabels = true;
};
