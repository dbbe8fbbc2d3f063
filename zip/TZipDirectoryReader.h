#pragma once
// Reads the directory of an archive: the end record (or a ".zfc"
// directory copy), the central headers, across the disks of a set, and
// when the directory is damaged rebuilds it from the local headers.

#include "zip/ZipReaderEvents.h"

#include <QByteArray>
#include <QString>
#include <memory>

class TStream;
class TZipHeaderInfo;
class ZipArchive;
class ZipEventSink;
struct ZipReaderOptions;

class TZipDirectoryReader {
public:
    // The archive must be open. OnInCompleteZip may change the options'
    // IncompleteZipMode for good.
    TZipDirectoryReader(ZipArchive& archive, ZipReaderOptions& options, ZipReaderEvents events,
                        ZipEventSink& sink);
    // Fills the archive's directory; raises ENotAZipFile, EIncompleteZip or
    // EBadZipFile as the archive and IncompleteZipMode decide (after a
    // Clear of the archive for EBadZipFile), and EZipTooLarge for an entry
    // whose ZIP64 size is past 32 bits.
    void Read();

    // Bytes scanned between message pumps while rebuilding.
    static constexpr int ScanPumpInterval = 10240;
    // A self-extracting program ahead of the archive is skipped when rebuilding.
    static constexpr qint64 ExeStubSize = 14000;

private:
    // Position of the end record of stream when there is a believable one, else -1.
    qint64 LocateEnd(TStream& stream);
    // Reads the central headers the end record counts from the current
    // position; false when one cannot be read.
    bool ReadCentral(TStream* zfc);
    std::unique_ptr<TZipHeaderInfo> ReadCentralHeader(TStream* zfc);
    // Reads count bytes, going on to the next disk of a set when the current
    // one ends; returns the bytes read.
    qint64 ReadSpanning(TStream* zfc, char* buffer, qint64 count);
    // Rebuilds the directory from the local headers; false when none is found.
    bool Recover();
    qint64 FindLocalHeader(TStream& stream, qint64 start);
    // After the counted headers of a single file: another central header
    // follows inside the directory.
    bool MoreHeadersFollow();
    [[noreturn]] void Bad(const QString& message = QStringLiteral("Not a valid zip file!"));

    TStream& File() const;

    ZipArchive& m_archive;
    ZipReaderOptions& m_options;
    ZipReaderEvents m_events;
    ZipEventSink& m_sink;
    TObject* m_sender;
    bool m_multiDisk = false;
    bool m_recovered = false;
};
