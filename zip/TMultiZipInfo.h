#pragma once
// How the writer spreads an archive over several disks (mmSpan) or piece
// files (mmBlocks), and how both sides treat the disks' volume labels.

#include "zip/ZipTypes.h"

#include <QtGlobal>

class TMultiZipInfo {
public:
    // Pieces are never smaller than this.
    static constexpr qint64 MinBlockSize = 65536;

    qint64 BlockSize = 1457600;          // room of every piece after the first
    qint64 FirstBlockSize = 1457600;     // room of the first piece
    qint64 SaveOnFirstDisk = 0;          // bytes kept free on the first disk
    bool SaveZipInfoOnFirstDisk = false; // write a copy of the directory (.zfc) after a set
    TMultiMode MultiMode = TMultiMode::mmNone;
    bool CheckDiskLabels = true; // the reader checks each disk's label
    bool WriteDiskLabels = true; // the writer labels each finished disk
};
