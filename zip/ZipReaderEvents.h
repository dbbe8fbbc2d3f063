#pragma once
// The events of a reader: the reader carries them as members, and hands
// them as one value to its workers (the directory reading, the extraction
// run), which fire them with the reader as the sender.

#include "platform/base/TEvent.h"
#include "zip/ZipTypes.h"

#include <QString>
#include <cstdint>

using TStartUnzipInfo = TEvent<TObject*, int /*NumFiles*/, qint64 /*TotalBytes*/, bool& /*StopNow*/>;
using TFilePercentDone = TEvent<TObject*, int /*Percent*/>;
using TTotalPercentDone = TEvent<TObject*, int /*Percent*/>;
using TStartUnZipEvent = TEvent<TObject*, int /*FileIndex*/, QString& /*FName*/, bool& /*Skip*/>;
using TEndUnZipEvent = TEvent<TObject*, int /*FileIndex*/, const QString& /*FName*/>;
using TPromptForOverwrite = TEvent<TObject*, bool& /*OverWriteIt*/, int /*FileIndex*/, QString& /*FName*/>;
using TSkippingFile =
    TEvent<TObject*, TSkipReason /*Reason*/, const QString& /*FName*/, int /*FileIndex*/, bool& /*Retry*/>;
using TBadPassword = TEvent<TObject*, int /*FileIndex*/, QString& /*NewPassword*/>;
using TBadCRC = TEvent<TObject*, quint32 /*CalcCRC*/, quint32 /*StoredCRC*/, int /*FileIndex*/>;
using TIncompleteZip = TEvent<TObject*, TIncompleteZipMode& /*IncompleteMode*/>;
using TGetNextDisk = TEvent<TObject*, int /*NextDisk*/, QString& /*FName*/>;
using TUnZipComplete = TEvent<TObject*, int /*FileCount*/>;
using TGetNextBuffer = TEvent<TObject*, char*& /*Buffer*/, const QString& /*FName*/, int /*AmountUsed*/,
                              int /*BufferNum*/, bool& /*Quit*/>;
using TDecryptEvent = TEvent<TObject*, std::uint8_t* /*buffer*/, int /*length*/, const QString& /*Password*/>;

struct ZipReaderEvents {
    TStartUnzipInfo OnStartUnZipInfo;
    TFilePercentDone OnFilePercentDone;
    TTotalPercentDone OnTotalPercentDone;
    TStartUnZipEvent OnStartUnZip;
    TEndUnZipEvent OnEndUnZip;
    TPromptForOverwrite OnPromptForOverwrite;
    TSkippingFile OnSkippingFile;
    TBadPassword OnBadPassword;
    TBadCRC OnBadCRC;
    TIncompleteZip OnInCompleteZip;
    // Installed by the constructor: names the next piece (the extension
    // replaced by the disk number, "%3.3d"), or for disks asks the user.
    TGetNextDisk OnGetNextDisk;
    TUnZipComplete OnUnZipComplete;
    // Extraction into a caller's memory buffer: no operation of the program
    // extracts so, and the event is never raised.
    TGetNextBuffer OnGetNextBuffer;
    // When assigned, decrypts the compressed data of encrypted entries (the
    // blocks after the 12-byte header, which the built-in keys check) in
    // place of the built-in decryption; stored data always use the built-in one.
    TDecryptEvent OnDecrypt;
};
