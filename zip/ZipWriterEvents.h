#pragma once
// The events a writer adds to a reader's: the writer carries them as
// members, and hands them as one value to its workers (the Zip run, the file
// collector), which fire them with the writer as the sender.

#include "platform/base/TEvent.h"
#include "zip/TEndCentral.h"
#include "zip/TZipHeaderInfo.h"
#include "zip/ZipTypes.h"

#include <QString>
#include <cstdint>

using TStartZipEvent =
    TEvent<TObject*, const QString& /*FName*/, TZipHeaderInfo& /*ZipHeader*/, bool& /*Skip*/>;
using TStartZipInfo = TEvent<TObject*, int /*NumFiles*/, qint64 /*TotalBytes*/,
                             TEndCentral& /*EndCentralRecord*/, bool& /*StopNow*/>;
using TEndZipFileEvent = TEvent<TObject*, const QString& /*FName*/, qint64 /*UncompressedSize*/,
                                qint64 /*CompressedSize*/, qint64 /*CurrentZipSize*/>;
using TDisposeEvent = TEvent<TObject*, const QString& /*FName*/, bool& /*Skip*/>;
using TNoSuchFileEvent = TEvent<TObject*, const QString& /*FName*/>;
using TZipComplete = TEvent<TObject*, int /*FileCount*/>;
using TUpdateEvent = TEvent<TObject*, TUpdateAction /*UDAction*/, int /*FileIndex*/>;
using TPrepareNextDisk = TEvent<TObject*, int /*DiskNum*/>;
using TOnRecursingFile = TEvent<TObject*, const QString& /*FName*/>;
using TDeleteEvent = TEvent<TObject*, const QString& /*FName*/, bool& /*Skip*/>;
using TEncryptEvent = TEvent<TObject*, std::uint8_t* /*buffer*/, int /*length*/, const QString& /*Password*/>;

struct ZipWriterEvents {
    TStartZipEvent OnStartZip;
    TStartZipInfo OnStartZipInfo;
    TEndZipFileEvent OnEndZip;
    TDisposeEvent OnDisposeFile;
    TNoSuchFileEvent OnNoSuchFile;
    TZipComplete OnZipComplete;
    TUpdateEvent OnUpdate;
    TPrepareNextDisk OnPrepareNextDisk;
    TOnRecursingFile OnRecursingFile;
    // Deleting entries from an archive: no operation of the program does it,
    // and the event is never raised.
    TDeleteEvent OnDeleteEntry;
    // When assigned, encrypts every block written of an entry with a
    // password (its 12-byte header first) in place of the built-in encryption.
    TEncryptEvent OnEncrypt;
};
