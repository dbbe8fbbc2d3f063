#pragma once
// One UnZip run of a reader: selects the entries, then extracts each one
// through the input stage (its compressed data in blocks, decrypted, across
// disks) and the output stage (size check, CRC, progress) into a new file
// beside its target, which replaces the target only when the entry's CRC is
// right. Nothing is written outside the destination folder.

#include "zip/TInflater.h"
#include "zip/TZipHeaderInfo.h"
#include "zip/ZipReaderEvents.h"
#include "zip/ZipReaderOptions.h"
#include "zip/ZipTypes.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class ConfinedFolder;
class TZipCrypt;
class ZipArchive;
class ZipEventSink;

class TZipExtractor {
public:
    // Extracts from `archive` as `options` say (a run empties FilesList and
    // may take a new Password), firing `events`.
    TZipExtractor(ZipArchive& archive, ZipReaderOptions& options, ZipReaderEvents events, ZipEventSink& sink);
    ~TZipExtractor();
    // Returns the number of entries extracted.
    int Run();

private:
    enum class Outcome { Extracted, Skipped, Retry };
    struct Target;

    int ExtractAll();
    // Extracts one entry; the folders made for an entry that is not
    // extracted go again.
    Outcome Extract(int index);
    Outcome ExtractTo(int index, Target& target);
    // Makes the target's folders, remembering the first one that was missing.
    bool MakeFolders(Target& target);
    void RemoveFoldersMade(const Target& target);
    // Positions the archive at the entry's data; false (after the event) when
    // its local header is missing or disagrees with its central record.
    bool SeekData(int index, const TZipHeaderInfo& entry, QString* displayName);
    // Where the entry goes; false (after the event) when its name would leave the destination.
    bool MakeTarget(int index, const TZipHeaderInfo& entry, Target& target);
    // Reads and checks the encryption header; *keys are then ready for the data.
    bool CheckPassword(int index, const TZipHeaderInfo& entry, const QString& fileName,
                       std::unique_ptr<TZipCrypt>* keys);
    bool MayOverwrite(int index, const TZipHeaderInfo& entry, Target& target);
    // Decodes into the open file; false (after the event) when the data do not decode.
    bool Decode(int index, const TZipHeaderInfo& entry, TZipCrypt* crypt, int handle, const QString& fileName,
                std::uint32_t* crc);
    // Decodes the entry's method from input into output; raises EZipDataError
    // for data that do not decode.
    void DecodeMethod(const TZipHeaderInfo& entry, qint64 compressed, TByteSource& input, TByteSink& output);
    // True when a folder on the way to the target is a link.
    bool LinkOnTheWay(const Target& target) const;
    void Skip(TSkipReason reason, const QString& fileName, int index, const TZipHeaderInfo& entry);
    // The end of the entry's data on a single disk: the next entry's local
    // header, else the central directory.
    qint64 DataLimit(const TZipHeaderInfo& entry) const;

    // OnBadPassword asked for a new password and got one.
    bool AskNewPassword(int index);
    // Reads the archive, going on to the next disk of a set when one ends.
    std::function<qint64(std::uint8_t*, qint64)> SpanningRead();

    ZipArchive& m_archive;
    ZipReaderOptions& m_options;
    ZipReaderEvents m_events;
    ZipEventSink& m_sink;
    TObject* m_sender;
    qint64 m_totalBytes = 0;
    qint64 m_bytesDone = 0;
    TInflater m_inflater;
    std::unique_ptr<ConfinedFolder> m_destination;
};
