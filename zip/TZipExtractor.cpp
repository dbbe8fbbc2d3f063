#include "zip/TZipExtractor.h"

#include "platform/base/ByteReader.h"
#include "platform/base/TPrompter.h"
#include "platform/os/ConfinedFolder.h"
#include "zip/CipherSource.h"
#include "zip/CrcSink.h"
#include "zip/DosDateTime.h"
#include "zip/TBufferedFileStream.h"
#include "zip/TExploder.h"
#include "zip/TUnreducer.h"
#include "zip/TUnshrinker.h"
#include "zip/TZipCrypt.h"
#include "zip/TZipReader.h"
#include "zip/Wildcard.h"
#include "zip/ZipArchive.h"
#include "zip/ZipEntryPath.h"
#include "zip/ZipEventSink.h"
#include "zip/ZipExceptions.h"
#include "zip/ZipFiles.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <unistd.h>

namespace {

// Passwords asked for one entry before it is given up.
constexpr int kMaxPasswordAttempts = 100;

bool Supported(std::uint16_t method) {
    return method == ZipFormat::MethodStored || method == ZipFormat::MethodShrunk ||
           (method >= ZipFormat::MethodReducedFirst && method <= ZipFormat::MethodReducedLast) ||
           method == ZipFormat::MethodImploded || method == ZipFormat::MethodDeflated;
}

// The built-in decryption with keys.
ByteCipher BuiltIn(TZipCrypt& keys) {
    return [&keys](std::uint8_t* block, std::size_t size) { keys.Decrypt(block, size); };
}

// The entry's compressed bytes in blocks of at most 32 KiB, continued on the
// next disk of a set.
class EntryInput : public TByteSource {
public:
    using Read = std::function<qint64(std::uint8_t*, qint64)>;
    // `read` goes on to the next disk of a set when one ends.
    EntryInput(qint64 bytes, std::function<void()> pump, Read read)
        : m_left(bytes), m_pump(std::move(pump)), m_read(std::move(read)) {}

    std::size_t Fill(std::uint8_t* buffer, std::size_t capacity) override {
        const qint64 n = std::min<qint64>({static_cast<qint64>(capacity), ZipFormat::BlockSize, m_left});
        if (n <= 0)
            return 0;
        m_pump();
        if (m_read(buffer, n) < n)
            throw EFatalUnzipError(QStringLiteral("Premature end of file reached"));
        m_left -= n;
        return static_cast<std::size_t>(n);
    }

private:
    qint64 m_left;
    std::function<void()> m_pump;
    Read m_read;
};

// The extracted file: size check, write, progress.
class EntryOutput : public TByteSink {
public:
    EntryOutput(TStream& file, qint64 size, std::function<void(qint64 written, qint64 block)> progress)
        : m_file(file), m_size(size), m_progress(std::move(progress)) {}

    void Write(const std::uint8_t* data, std::size_t size) override {
        const auto n = static_cast<qint64>(size);
        if (m_written + n > m_size)
            throw EBiggerThanUncompressed(QStringLiteral("File is larger than uncompressed size!"));
        if (m_file.Write(data, n) != n)
            throw ECantWriteUCF(QStringLiteral("Cant write uncompressed file"));
        m_written += n;
        m_progress(m_written, n);
    }

    qint64 Written() const { return m_written; }

private:
    TStream& m_file;
    qint64 m_size;
    std::function<void(qint64, qint64)> m_progress;
    qint64 m_written = 0;
};

} // namespace

// Where an entry goes: a folder below a confined root, and a file name.
struct TZipExtractor::Target {
    QString displayName;
    QStringList folder;
    QString name;
    std::unique_ptr<ConfinedFolder> ownRoot; // when a handler moved the target elsewhere
    const ConfinedFolder* root = nullptr;
    // The first component of folder that was made for this entry, -1 when none.
    qsizetype firstMade = -1;
};

TZipExtractor::TZipExtractor(ZipArchive& archive, ZipReaderOptions& options, ZipReaderEvents events,
                             ZipEventSink& sink)
    : m_archive(archive), m_options(options), m_events(std::move(events)), m_sink(sink),
      m_sender(sink.Sender()) {}

TZipExtractor::~TZipExtractor() = default;

int TZipExtractor::Run() {
    const bool keepOpen = m_options.KeepZipOpen;
    const TZipSortMode sortMode = m_archive.SortMode();
    int extracted = 0;
    const auto ending = [&]() {
        m_options.FilesList.clear();
        if (m_archive.SortMode() != sortMode)
            m_archive.Sort(sortMode);
        m_events.OnUnZipComplete(m_sender, extracted);
        m_options.KeepZipOpen = keepOpen;
        m_sink.CloseZip();
    };
    try {
        m_sink.ReadDirectory();
        m_sink.OpenZip();
        m_options.KeepZipOpen = true;
        const QString& destination = m_options.DestDir;
        if (!destination.isEmpty() && !ZipFiles::FolderExists(destination))
            QDir().mkpath(destination);
        m_destination = std::make_unique<ConfinedFolder>(destination);
        if (m_archive.Spans() && m_archive.SortMode() != TZipSortMode::ByNone)
            m_archive.Sort(TZipSortMode::ByNone);
        extracted = ExtractAll();
    } catch (...) {
        ending();
        throw;
    }
    ending();
    return extracted;
}

int TZipExtractor::ExtractAll() {
    int files = 0;
    m_totalBytes = 0;
    m_bytesDone = 0;
    for (int i = 0; i < m_archive.Count(); ++i) {
        TZipHeaderInfo& entry = m_archive.Entry(i);
        entry.Selected = m_options.DoAll;
        const bool folder = entry.FileName().isEmpty();
        if (folder && !m_options.RecreateDirs) {
            entry.Selected = false;
            continue;
        }
        for (const QString& pattern : m_options.FilesList) {
            if (entry.Selected)
                break;
            entry.Selected = Wildcard::Matches(pattern, entry.FullName());
        }
        if (entry.Selected) {
            ++files;
            m_totalBytes += entry.UncompressedSize;
        }
    }
    bool stop = false;
    m_events.OnStartUnZipInfo(m_sender, files, m_totalBytes, stop);
    if (files == 0 || stop)
        return 0;
    int extracted = 0;
    for (int i = 0; i < m_archive.Count(); ++i) {
        if (!m_options.DoAll && !m_archive.Entry(i).Selected)
            continue;
        Outcome outcome;
        do
            outcome = Extract(i);
        while (outcome == Outcome::Retry);
        if (outcome == Outcome::Extracted)
            ++extracted;
    }
    return extracted;
}

void TZipExtractor::Skip(TSkipReason reason, const QString& fileName, int index,
                         const TZipHeaderInfo& entry) {
    bool retry = false;
    m_events.OnSkippingFile(m_sender, reason, fileName, index, retry);
    if (entry.Selected)
        m_totalBytes -= entry.UncompressedSize;
}

bool TZipExtractor::LinkOnTheWay(const Target& target) const {
    QStringList reached;
    for (const QString& part : target.folder) {
        if (target.root->Lookup(reached, part) == ConfinedFolder::Kind::Link)
            return true;
        reached.append(part);
    }
    return false;
}

qint64 TZipExtractor::DataLimit(const TZipHeaderInfo& entry) const {
    const std::vector<TZipHeaderInfo*>& entries = m_archive.Entries().Entries();
    const auto after = std::upper_bound(entries.begin(), entries.end(), entry.RelativeOffset,
                                        [](std::uint32_t offset, const TZipHeaderInfo* item) {
                                            return item->DiskNumberStart > 0 || offset < item->RelativeOffset;
                                        });
    if (after != entries.end() && (*after)->DiskNumberStart == 0)
        return (*after)->RelativeOffset;
    return m_archive.EndCentral().CentralOffset;
}

bool TZipExtractor::MakeTarget(int index, const TZipHeaderInfo& entry, Target& target) {
    const ZipEntryPath path = ZipEntryPath::Of(entry, m_options.RootDir, m_options.RecreateDirs);
    target.displayName = path.Shown(m_options.DestDir);
    target.folder = path.Folders();
    target.name = path.Name();
    target.root = m_destination.get();
    if (!path.IsSafe()) {
        Skip(TSkipReason::srUnsafeName, target.displayName, index, entry);
        return false;
    }
    return true;
}

bool TZipExtractor::SeekData(int index, const TZipHeaderInfo& entry, QString* displayName) {
    const bool multiDisk = m_archive.Spans();
    if (multiDisk && entry.DiskNumberStart != m_archive.CurrentDisk())
        m_sink.AskForNewDisk(entry.DiskNumberStart + 1);
    TStream& archive = m_archive.File();
    archive.SetPosition(entry.RelativeOffset);
    char fixed[ZipFormat::LocalHeaderSize];
    bool agrees = archive.ReadFully(fixed, sizeof fixed) == static_cast<qint64>(sizeof fixed);
    qint64 dataStart = 0;
    if (agrees) {
        ByteReader local(fixed, sizeof fixed);
        agrees = local.U32() == ZipFormat::LocalHeaderSignature;
        local.Skip(2);
        const std::uint16_t flags = local.U16();
        agrees = agrees && local.U16() == entry.CompressionMethod &&
                 (flags & ZipFormat::FlagEncrypted) == (entry.Flag & ZipFormat::FlagEncrypted);
        local.Seek(26);
        const std::uint16_t nameLength = local.U16();
        const std::uint16_t extraLength = local.U16();
        QByteArray name(nameLength, Qt::Uninitialized);
        agrees =
            agrees && archive.ReadFully(name.data(), nameLength) == nameLength && name == entry.StoredName();
        dataStart =
            static_cast<qint64>(entry.RelativeOffset) + ZipFormat::LocalHeaderSize + nameLength + extraLength;
        if (!multiDisk)
            agrees = agrees && dataStart + entry.CompressedSize <= DataLimit(entry);
        archive.SetPosition(dataStart);
    }
    if (!agrees) {
        Skip(TSkipReason::srDataError, *displayName, index, entry);
    }
    return agrees;
}

bool TZipExtractor::CheckPassword(int index, const TZipHeaderInfo& entry, const QString& fileName,
                                  std::unique_ptr<TZipCrypt>* keys) {
    if (entry.CompressedSize < ZipFormat::EncryptionHeaderSize) {
        Skip(TSkipReason::srDataError, fileName, index, entry);
        return false;
    }
    QString displayName = fileName;
    for (int attempt = 0; attempt < kMaxPasswordAttempts; ++attempt) {
        if (attempt > 0 && !SeekData(index, entry, &displayName))
            return false;
        std::uint8_t header[ZipFormat::EncryptionHeaderSize];
        auto crypt = std::make_unique<TZipCrypt>(TZipCrypt::PasswordBytes(m_options.Password));
        EntryInput input(
            ZipFormat::EncryptionHeaderSize, [] {}, SpanningRead());
        CipherSource(input, BuiltIn(*crypt)).Fill(header, sizeof header);
        const std::uint8_t check = entry.HasDataDescriptor()
                                       ? static_cast<std::uint8_t>(entry.LastModFileDate >> 8)
                                       : static_cast<std::uint8_t>(entry.CRC32 >> 24);
        if (header[ZipFormat::EncryptionHeaderSize - 1] == check) {
            *keys = std::move(crypt);
            return true;
        }
        if (!AskNewPassword(index))
            break;
    }
    Skip(TSkipReason::srBadPassword, fileName, index, entry);
    return false;
}

bool TZipExtractor::MayOverwrite(int index, const TZipHeaderInfo& entry, Target& target) {
    const std::uint32_t entryDate = DosDateTime::Normalise(entry.LastModFileDate);
    const std::uint32_t fileDate = DosDateTime::Normalise(
        DosDateTime::FromDateTime(target.root->ModificationTime(target.folder, target.name)));
    bool overwrite = true;
    switch (m_options.OverwriteMode) {
    case TUZOverwriteMode::Always:
        break;
    case TUZOverwriteMode::Never:
        overwrite = false;
        break;
    case TUZOverwriteMode::ifNewer:
        overwrite = entryDate > fileDate;
        break;
    case TUZOverwriteMode::ifOlder:
        overwrite = entryDate < fileDate;
        break;
    case TUZOverwriteMode::Prompt:
        if (m_events.OnPromptForOverwrite) {
            bool overWriteIt = false;
            QString name = target.displayName;
            m_events.OnPromptForOverwrite(m_sender, overWriteIt, index, name);
            overwrite = overWriteIt;
            if (overWriteIt && name != target.displayName) {
                target.ownRoot = std::make_unique<ConfinedFolder>(ZipFiles::FolderOf(name));
                target.root = target.ownRoot.get();
                target.folder.clear();
                target.name = ZipFiles::NameOf(name);
                target.displayName = name;
            }
        } else {
            const TPromptRequest request = TPromptRequest::FromMessageBoxFlags(
                QStringLiteral("Replace existing file %1?").arg(entry.FileName()),
                QStringLiteral("File Exists Alert"), 4 /* Yes and No */);
            overwrite = TPrompter::Current().Prompt(request).Button == mrYes;
        }
        break;
    }
    if (!overwrite)
        Skip(TSkipReason::srNoOverwrite, target.displayName, index, entry);
    return overwrite;
}

bool TZipExtractor::Decode(int index, const TZipHeaderInfo& entry, TZipCrypt* crypt, int handle,
                           const QString& fileName, std::uint32_t* crc) {
    TBufferedFileStream file(handle, fileName, ZipFormat::StreamBufferSize, m_options.FlushFilesOnClose);
    // The encryption header was read and checked already.
    const qint64 compressed = entry.CompressedSize - (crypt ? ZipFormat::EncryptionHeaderSize : 0);
    // A handler on OnDecrypt takes the compressed data in place of the
    // built-in decryption; stored data are always decrypted here.
    ByteCipher decipher;
    if (crypt && m_events.OnDecrypt && entry.CompressionMethod != ZipFormat::MethodStored)
        decipher = [this](std::uint8_t* block, std::size_t size) {
            m_events.OnDecrypt(m_sender, block, static_cast<int>(size), m_options.Password);
        };
    else if (crypt)
        decipher = BuiltIn(*crypt);
    // The stages: the archive, the decryption when encrypted, the decoder,
    // the CRC, the file.
    EntryInput archived(
        compressed, [this] { m_sink.ProcessMessages(); }, SpanningRead());
    std::optional<CipherSource> deciphered;
    if (decipher)
        deciphered.emplace(archived, std::move(decipher));
    TByteSource& input = deciphered ? static_cast<TByteSource&>(*deciphered) : archived;
    const qint64 size = entry.UncompressedSize;
    EntryOutput written(file, size, [this, size](qint64 done, qint64 block) {
        m_bytesDone += block;
        m_events.OnFilePercentDone(m_sender, TZipReader::Percent(done, size));
        m_events.OnTotalPercentDone(m_sender, TZipReader::Percent(m_bytesDone, m_totalBytes));
    });
    CrcSink output(written);
    bool decoded = true;
    try {
        DecodeMethod(entry, compressed, input, output);
        decoded = written.Written() == size;
    } catch (const EZipDataError&) {
        decoded = false;
    } catch (const EBiggerThanUncompressed&) {
        decoded = false;
    }
    if (!file.FlushBuffer())
        throw ECantWriteUCF(QStringLiteral("Cant write uncompressed file"));
    if (decoded && output.Crc() == entry.CRC32) {
        ZipFiles::SetModificationTime(handle, DosDateTime::ToDateTime(entry.LastModFileDate));
        if (m_options.RetainAttributes)
            ZipFiles::ApplyAttributes(handle, entry.HostSystem(), entry.ExternalFileAttributes);
    }
    try {
        file.Close();
    } catch (const EStreamError&) {
        throw ECantWriteUCF(QStringLiteral("Cant write uncompressed file"));
    }
    *crc = output.Crc();
    if (!decoded && !crypt)
        Skip(TSkipReason::srDataError, fileName, index, entry);
    return decoded;
}

void TZipExtractor::DecodeMethod(const TZipHeaderInfo& entry, qint64 compressed, TByteSource& input,
                                 TByteSink& output) {
    const auto size = static_cast<std::uint64_t>(entry.UncompressedSize);
    switch (entry.CompressionMethod) {
    case ZipFormat::MethodStored: {
        std::vector<std::uint8_t> block(ZipFormat::BlockSize);
        while (const std::size_t n = input.Fill(block.data(), block.size()))
            output.Write(block.data(), n);
        break;
    }
    case ZipFormat::MethodShrunk:
        TUnshrinker::Decode(input, output, size);
        break;
    case ZipFormat::MethodImploded:
        TExploder::Decode(input, output, size, entry.Flag, static_cast<std::uint64_t>(compressed));
        break;
    case ZipFormat::MethodDeflated:
        m_inflater.Decode(input, output);
        break;
    default:
        TUnreducer::Decode(input, output, size, entry.CompressionMethod - ZipFormat::MethodReducedFirst + 1);
        break;
    }
}

TZipExtractor::Outcome TZipExtractor::Extract(int index) {
    Target target;
    Outcome outcome = Outcome::Skipped;
    try {
        outcome = ExtractTo(index, target);
    } catch (...) {
        RemoveFoldersMade(target);
        throw;
    }
    if (outcome == Outcome::Skipped)
        RemoveFoldersMade(target);
    return outcome;
}

bool TZipExtractor::MakeFolders(Target& target) {
    const QStringList& folder = target.folder;
    const auto there = [&](qsizetype i) {
        return target.root->Lookup(folder.mid(0, i), folder[i]) == ConfinedFolder::Kind::Folder;
    };
    // The folders there make a prefix of the path: when the last one is
    // missing, the first one missing is found by halving.
    if (target.root == m_destination.get() && !folder.isEmpty() && !there(folder.size() - 1)) {
        qsizetype low = 0;
        qsizetype high = folder.size() - 1;
        while (low < high) {
            const qsizetype middle = (low + high) / 2;
            if (there(middle))
                low = middle + 1;
            else
                high = middle;
        }
        target.firstMade = low;
    }
    QString error;
    return target.root->MakeFolders(folder, &error);
}

void TZipExtractor::RemoveFoldersMade(const Target& target) {
    if (target.firstMade >= 0)
        ZipFiles::RemoveEmptyFolders(m_options.DestDir, target.folder, target.firstMade);
}

TZipExtractor::Outcome TZipExtractor::ExtractTo(int index, Target& target) {
    const TZipHeaderInfo entry = m_archive.Entry(index);
    if (!MakeTarget(index, entry, target))
        return Outcome::Skipped;
    if (entry.FileName().isEmpty()) {
        if (m_options.RecreateDirs && !target.folder.isEmpty() && !MakeFolders(target)) {
            Skip(TSkipReason::srCreateError, target.displayName, index, entry);
            return Outcome::Skipped;
        }
        return Outcome::Extracted;
    }
    if (!SeekData(index, entry, &target.displayName))
        return Outcome::Skipped;

    QString fileName = target.displayName;
    bool skip = false;
    m_events.OnStartUnZip(m_sender, index, fileName, skip);
    if (skip)
        return Outcome::Skipped;
    if (fileName != target.displayName) {
        const QString folder = ZipFiles::FolderOf(fileName);
        if (!folder.isEmpty())
            QDir().mkpath(folder);
        target.ownRoot = std::make_unique<ConfinedFolder>(folder);
        target.root = target.ownRoot.get();
        target.folder.clear();
        target.name = ZipFiles::NameOf(fileName);
        target.displayName = fileName;
    }
    if (!Supported(entry.CompressionMethod)) {
        Skip(TSkipReason::srUnknownMethod, target.displayName, index, entry);
        return Outcome::Skipped;
    }
    if (!MakeFolders(target)) {
        Skip(LinkOnTheWay(target) ? TSkipReason::srUnsafeName : TSkipReason::srCreateError,
             target.displayName, index, entry);
        return Outcome::Skipped;
    }
    std::unique_ptr<TZipCrypt> crypt;
    if (entry.Encrypted() && !CheckPassword(index, entry, target.displayName, &crypt))
        return Outcome::Skipped;

    ConfinedFolder::Kind existing = target.root->Lookup(target.folder, target.name);
    if (existing == ConfinedFolder::Kind::File && m_options.OverwriteMode != TUZOverwriteMode::Always) {
        if (!MayOverwrite(index, entry, target))
            return Outcome::Skipped;
        existing = target.root->Lookup(target.folder, target.name);
    }
    if (existing == ConfinedFolder::Kind::Link) {
        Skip(TSkipReason::srUnsafeName, target.displayName, index, entry);
        return Outcome::Skipped;
    }
    if (existing == ConfinedFolder::Kind::Folder || existing == ConfinedFolder::Kind::Other ||
        (existing == ConfinedFolder::Kind::File && !m_options.ReplaceReadOnly &&
         !QFileInfo(target.displayName).isWritable())) {
        Skip(TSkipReason::srCreateError, target.displayName, index, entry);
        return Outcome::Skipped;
    }

    QString temporary;
    QString error;
    const int handle = target.root->CreateUnique(target.folder, target.name, &temporary, &error);
    if (handle < 0) {
        Skip(TSkipReason::srCreateError, target.displayName, index, entry);
        return Outcome::Skipped;
    }
    std::uint32_t crc = 0;
    bool decoded = false;
    try {
        decoded = Decode(index, entry, crypt.get(), handle, target.displayName, &crc);
    } catch (...) {
        target.root->Remove(target.folder, temporary);
        throw;
    }
    if (!decoded && !entry.Encrypted()) {
        target.root->Remove(target.folder, temporary);
        return Outcome::Skipped;
    }
    // Undecodable data of an encrypted entry come from a wrong password that
    // passed the one-byte check: it is a bad password as a wrong CRC is.
    if (!decoded || crc != entry.CRC32) {
        target.root->Remove(target.folder, temporary);
        if (entry.Encrypted() && AskNewPassword(index)) {
            m_bytesDone -= entry.UncompressedSize;
            return Outcome::Retry;
        }
        if (entry.Encrypted())
            Skip(TSkipReason::srBadPassword, target.displayName, index, entry);
        else
            m_events.OnBadCRC(m_sender, crc, entry.CRC32, index);
        return Outcome::Skipped;
    }
    if (!target.root->Rename(target.folder, temporary, target.name)) {
        target.root->Remove(target.folder, temporary);
        Skip(TSkipReason::srCreateError, target.displayName, index, entry);
        return Outcome::Skipped;
    }
    m_events.OnEndUnZip(m_sender, index, target.displayName);
    return Outcome::Extracted;
}

bool TZipExtractor::AskNewPassword(int index) {
    if (!m_events.OnBadPassword)
        return false;
    QString newPassword = m_options.Password;
    m_events.OnBadPassword(m_sender, index, newPassword);
    if (newPassword == m_options.Password)
        return false;
    m_options.Password = newPassword;
    return true;
}

std::function<qint64(std::uint8_t*, qint64)> TZipExtractor::SpanningRead() {
    return [this](std::uint8_t* buffer, qint64 count) {
        qint64 got = m_archive.File().ReadFully(buffer, count);
        if (got < count && m_archive.Spans()) {
            m_sink.AskForNewDisk(m_archive.CurrentDisk() + 2);
            got += m_archive.File().ReadFully(buffer + got, count - got);
        }
        return got;
    };
}
