#include "platform/os/ConfinedFolder.h"

#include "platform/base/Exceptions.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Unique names tried before giving up.
constexpr int kUniqueAttempts = 100;

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Closes a descriptor when it goes out of scope.
class FdGuard {
public:
    explicit FdGuard(int fd) : m_fd(fd) {}
    ~FdGuard() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// A single name that stays in its folder: not empty, not "." or "..", no
// separator and no NUL.
bool Plain(const QString& name) {
    return !name.isEmpty() && name != QStringLiteral(".") && name != QStringLiteral("..") &&
           !name.contains(u'/') && !name.contains(QChar(u'\0'));
}

bool AllPlain(const QStringList& names) {
    for (const QString& name : names)
        if (!Plain(name))
            return false;
    return true;
}

} // namespace

ConfinedFolder::ConfinedFolder(const QString& root)
    : m_rootPath(root.isEmpty() ? QStringLiteral(".") : root) {
    m_root = ::open(QFile::encodeName(m_rootPath).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_root < 0)
        throw Exception(QStringLiteral("Cannot open folder \"%1\". %2").arg(m_rootPath, SystemError(errno)));
}

ConfinedFolder::~ConfinedFolder() {
    ::close(m_root);
}

int ConfinedFolder::OpenFolder(const QStringList& components) const {
    if (!AllPlain(components)) {
        errno = EINVAL;
        return -1;
    }
    int fd = ::dup(m_root);
    for (const QString& component : components) {
        if (fd < 0)
            return -1;
        const int next = ::openat(fd, QFile::encodeName(component).constData(),
                                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int error = errno;
        ::close(fd);
        fd = next;
        errno = error;
    }
    return fd;
}

ConfinedFolder::Kind ConfinedFolder::Lookup(const QStringList& folder, const QString& name) const {
    const FdGuard dir(OpenFolder(folder));
    if (dir.get() < 0 || !Plain(name))
        return Kind::Missing;
    struct stat info {};
    if (::fstatat(dir.get(), QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return Kind::Missing;
    if (S_ISLNK(info.st_mode))
        return Kind::Link;
    if (S_ISDIR(info.st_mode))
        return Kind::Folder;
    return S_ISREG(info.st_mode) ? Kind::File : Kind::Other;
}

bool ConfinedFolder::MakeFolders(const QStringList& components, QString* error) const {
    if (!AllPlain(components)) {
        *error = SystemError(EINVAL);
        return false;
    }
    int fd = ::dup(m_root);
    for (const QString& component : components) {
        if (fd < 0)
            break;
        const QByteArray name = QFile::encodeName(component);
        if (::mkdirat(fd, name.constData(), 0777) != 0 && errno != EEXIST) {
            *error = SystemError(errno);
            ::close(fd);
            return false;
        }
        const int next = ::openat(fd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        const int saved = errno;
        ::close(fd);
        fd = next;
        errno = saved;
    }
    if (fd < 0) {
        *error = SystemError(errno);
        return false;
    }
    ::close(fd);
    return true;
}

int ConfinedFolder::CreateUnique(const QStringList& folder, const QString& name, QString* uniqueName,
                                 QString* error) const {
    const FdGuard dir(Plain(name) ? OpenFolder(folder) : -1);
    if (dir.get() < 0) {
        *error = SystemError(Plain(name) ? errno : EINVAL);
        return -1;
    }
    for (int attempt = 0; attempt < kUniqueAttempts; ++attempt) {
        const QString candidate = QStringLiteral(".%1.%2")
                                      .arg(name.left(200))
                                      .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
        const int fd = ::openat(dir.get(), QFile::encodeName(candidate).constData(),
                                O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            *uniqueName = candidate;
            return fd;
        }
        if (errno != EEXIST) {
            *error = SystemError(errno);
            return -1;
        }
    }
    *error = SystemError(EEXIST);
    return -1;
}

bool ConfinedFolder::Rename(const QStringList& folder, const QString& from, const QString& to) const {
    const FdGuard dir(Plain(from) && Plain(to) ? OpenFolder(folder) : -1);
    return dir.get() >= 0 && ::renameat(dir.get(), QFile::encodeName(from).constData(), dir.get(),
                                        QFile::encodeName(to).constData()) == 0;
}

bool ConfinedFolder::Remove(const QStringList& folder, const QString& name) const {
    const FdGuard dir(Plain(name) ? OpenFolder(folder) : -1);
    return dir.get() >= 0 && ::unlinkat(dir.get(), QFile::encodeName(name).constData(), 0) == 0;
}

QDateTime ConfinedFolder::ModificationTime(const QStringList& folder, const QString& name) const {
    const FdGuard dir(Plain(name) ? OpenFolder(folder) : -1);
    struct stat info {};
    if (dir.get() < 0 ||
        ::fstatat(dir.get(), QFile::encodeName(name).constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return QDateTime();
    return QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec);
}
