#include "zip/ZipFiles.h"

#include "platform/base/SystemClock.h"
#include "zip/ZipFormat.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t kPermissionBits = 0777;
constexpr int kUnixModeShift = 16;

bool StatOf(const QString& path, struct stat* info) {
    return ::stat(QFile::encodeName(path).constData(), info) == 0;
}

} // namespace

bool ZipFiles::FileExists(const QString& path) {
    struct stat info {};
    return StatOf(path, &info) && S_ISREG(info.st_mode);
}

bool ZipFiles::FolderExists(const QString& path) {
    struct stat info {};
    return StatOf(path, &info) && S_ISDIR(info.st_mode);
}

std::optional<qint64> ZipFiles::FileSize(const QString& path) {
    struct stat info {};
    if (!StatOf(path, &info))
        return std::nullopt;
    return static_cast<qint64>(info.st_size);
}

QDateTime ZipFiles::ModificationTime(const QString& path) {
    struct stat info {};
    if (!StatOf(path, &info))
        return SystemClock::Now();
    return QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec);
}

std::uint32_t ZipFiles::DosAttributes(const QString& path) {
    struct stat info {};
    if (!StatOf(path, &info))
        return ZipFormat::AttrArchive;
    std::uint32_t attributes = S_ISDIR(info.st_mode) ? ZipFormat::AttrDirectory : ZipFormat::AttrArchive;
    if (!(info.st_mode & S_IWUSR))
        attributes |= ZipFormat::AttrReadOnly;
    return attributes;
}

bool ZipFiles::SetModificationTime(int handle, const QDateTime& time) {
    struct timespec times[2];
    times[0].tv_sec = times[1].tv_sec = static_cast<time_t>(time.toSecsSinceEpoch());
    times[0].tv_nsec = times[1].tv_nsec = 0;
    return ::futimens(handle, times) == 0;
}

void ZipFiles::ApplyAttributes(int handle, int host, std::uint32_t externalAttributes) {
    struct stat info {};
    if (::fstat(handle, &info) != 0)
        return;
    mode_t mode = info.st_mode & kPermissionBits;
    if (host == ZipFormat::HostUnix) {
        const std::uint32_t unixMode = (externalAttributes >> kUnixModeShift) & kPermissionBits;
        if (unixMode != 0)
            mode = static_cast<mode_t>(unixMode) & ~static_cast<mode_t>(0022);
    } else if (externalAttributes & ZipFormat::AttrReadOnly) {
        mode &= ~static_cast<mode_t>(S_IWUSR | S_IWGRP | S_IWOTH);
    }
    ::fchmod(handle, mode);
}

QString ZipFiles::ReplaceExtension(const QString& path, const QString& extension) {
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot > slash)
        return path.left(dot) + extension;
    return path + extension;
}

QString ZipFiles::FolderOf(const QString& path) {
    return path.left(path.lastIndexOf(u'/') + 1);
}

QString ZipFiles::NameOf(const QString& path) {
    return path.mid(path.lastIndexOf(u'/') + 1);
}

bool ZipFiles::SameFile(const QString& a, const QString& b) {
    struct stat first {};
    struct stat second {};
    if (StatOf(a, &first) && StatOf(b, &second))
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

void ZipFiles::RemoveEmptyFolders(const QString& root, const QStringList& components, qsizetype first) {
    if (first < 0)
        return;
    constexpr int kFolder = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
    int folder = ::open(QFile::encodeName(root.isEmpty() ? QStringLiteral(".") : root).constData(), kFolder);
    // Down to the deepest folder there is.
    qsizetype depth = 0; // folder is root/components[0..depth-1]
    while (folder >= 0 && depth < components.size()) {
        const int next =
            ::openat(folder, QFile::encodeName(components[depth]).constData(), kFolder | O_NOFOLLOW);
        if (next < 0)
            break;
        ::close(folder);
        folder = next;
        ++depth;
    }
    // Up again, each folder removed from its parent.
    while (folder >= 0 && depth > first) {
        const int parent = ::openat(folder, "..", kFolder);
        ::close(folder);
        folder = parent;
        --depth;
        if (folder < 0 ||
            ::unlinkat(folder, QFile::encodeName(components[depth]).constData(), AT_REMOVEDIR) != 0)
            break;
    }
    if (folder >= 0)
        ::close(folder);
}
