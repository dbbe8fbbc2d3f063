#include "zip/TZipOutput.h"

#include "platform/os/TempPaths.h"
#include "zip/TBufferedFileStream.h"
#include "zip/TZipMedia.h"
#include "zip/ZipExceptions.h"
#include "zip/ZipFiles.h"
#include "zip/ZipFormat.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>
#include <sys/stat.h>

namespace {

// Prefix of the new file an archive is written into.
const QString kTemporaryPrefix = QStringLiteral("zeb");
const QString kLabelPrefix = QStringLiteral("PKBACK# ");

QString Number(int disk) {
    return QStringLiteral("%1").arg(disk, 3, 10, QLatin1Char('0'));
}

// A new archive holds the user's data for the user alone; one that is
// updated keeps the mode it has.
constexpr mode_t kNewArchiveMode = 0600;

} // namespace

TZipOutput::TZipOutput(Settings settings) : m_settings(std::move(settings)) {}

TZipOutput::~TZipOutput() {
    if (m_finished)
        return;
    m_file.reset();
    for (const QString& name : m_created)
        QFile::remove(name);
}

QString TZipOutput::PieceName(int disk) const {
    return ZipFiles::ReplaceExtension(m_settings.zipName, u'.' + Number(disk + 1));
}

void TZipOutput::Create(const QString& name) {
    m_file = std::make_unique<TBufferedFileStream>(name, TFileMode::fmCreatePrivate,
                                                   ZipFormat::StreamBufferSize, m_settings.flushOnClose);
    m_current = name;
    m_created.append(name);
    m_position = 0;
}

void TZipOutput::Open() {
    const TMultiZipInfo& multi = m_settings.multi;
    m_disk = 0;
    switch (multi.MultiMode) {
    case TMultiMode::mmNone: {
        const QString folder = ZipFiles::FolderOf(m_settings.zipName);
        const QString name = TempPaths::CreateFile(kTemporaryPrefix, QString(),
                                                   folder.isEmpty() ? QStringLiteral(".") : folder);
        m_created.append(name);
        struct stat info {};
        const mode_t mode = ::stat(QFile::encodeName(m_settings.zipName).constData(), &info) == 0
                                ? info.st_mode & 07777
                                : kNewArchiveMode;
        ::chmod(QFile::encodeName(name).constData(), mode);
        m_file = std::make_unique<TBufferedFileStream>(name, TFileMode::fmCreate, ZipFormat::StreamBufferSize,
                                                       true);
        m_current = name;
        m_room = std::numeric_limits<qint64>::max();
        break;
    }
    case TMultiMode::mmBlocks:
        Create(PieceName(0));
        m_room = multi.FirstBlockSize;
        break;
    case TMultiMode::mmSpan: {
        QFile::remove(m_settings.zipName);
        Create(m_settings.zipName);
        const std::optional<qint64> free = m_settings.media->FreeBytes(m_settings.zipName);
        m_room = free ? *free - m_settings.firstDiskReserve : std::numeric_limits<qint64>::max();
        break;
    }
    }
}

void TZipOutput::Write(const void* data, qint64 size) {
    if (size <= 0)
        return;
    if (m_position + size > static_cast<qint64>(ZipFormat::MaxSize32))
        throw EZipTooLarge(QStringLiteral("The archive is too large: it would pass 4 GiB"));
    if (m_file->Write(data, size) != size)
        throw ENotEnoughRoom(QStringLiteral("Not enough room to write archive"));
    m_position += size;
}

void TZipOutput::Rewrite(qint64 offset, const QByteArray& data) {
    m_file->SetPosition(offset);
    if (m_file->Write(data.constData(), data.size()) != data.size())
        throw ENotEnoughRoom(QStringLiteral("Not enough room to write archive"));
    m_file->SetPosition(m_position);
}

void TZipOutput::CloseCurrent() {
    if (m_file)
        m_file->Close();
    m_file.reset();
}

void TZipOutput::LabelDisk() {
    const TMultiZipInfo& multi = m_settings.multi;
    if (multi.MultiMode != TMultiMode::mmSpan || !multi.WriteDiskLabels ||
        !m_settings.media->IsRemovable(m_current))
        return;
    m_settings.media->Labels().WriteLabel(m_current, kLabelPrefix + Number(m_disk + 1));
}

void TZipOutput::NextDisk() {
    if (m_disk + 1 >= ZipFormat::MaxDiskNumber)
        throw EZipError(
            QStringLiteral("The archive would need more than %1 pieces").arg(ZipFormat::MaxDiskNumber));
    CloseCurrent();
    if (m_settings.multi.MultiMode == TMultiMode::mmBlocks) {
        ++m_disk;
        Create(PieceName(m_disk));
        m_room = m_settings.multi.BlockSize;
        return;
    }
    LabelDisk();
    QString name = m_current;
    m_settings.nextDisk(m_disk + 2, name);
    if (name.isEmpty())
        throw EUserCanceled(QStringLiteral("User canceled Zip operation"));
    ++m_disk;
    QFile::remove(name);
    m_settings.prepareDisk(m_disk + 1);
    // Files of earlier disks are out of reach now: they stay.
    m_created.clear();
    Create(name);
    const std::optional<qint64> free = m_settings.media->FreeBytes(name);
    m_room = free ? *free : std::numeric_limits<qint64>::max();
}

QString TZipOutput::Finish() {
    const QString written = m_current;
    CloseCurrent();
    QString result = m_settings.zipName;
    switch (m_settings.multi.MultiMode) {
    case TMultiMode::mmNone:
        if (std::rename(QFile::encodeName(written).constData(),
                        QFile::encodeName(m_settings.zipName).constData()) != 0)
            throw EZipError(
                QStringLiteral("Could not move %1 to %2: %3")
                    .arg(written, m_settings.zipName, QString::fromLocal8Bit(std::strerror(errno))));
        break;
    case TMultiMode::mmBlocks:
        if (m_disk == 0) {
            if (std::rename(QFile::encodeName(written).constData(), QFile::encodeName(result).constData()) !=
                0)
                throw EZipError(QStringLiteral("Could not move %1 to %2: %3")
                                    .arg(written, result, QString::fromLocal8Bit(std::strerror(errno))));
        } else {
            result = written;
        }
        break;
    case TMultiMode::mmSpan:
        LabelDisk();
        break;
    }
    m_finished = true;
    return result;
}
