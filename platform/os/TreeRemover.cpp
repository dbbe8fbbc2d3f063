#include "platform/os/TreeRemover.h"

#include "platform/base/Exceptions.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Deeper trees are not walked: every level holds one open folder.
constexpr int MaxDepth = 256;

// Owns an open file descriptor.
class UniqueFd {
public:
    explicit UniqueFd(int fd) : m_fd(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    ~UniqueFd() {
        if (m_fd >= 0)
            close(m_fd);
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

class Walk {
public:
    Walk(bool onlyFiles, bool reportErrors, const MountTable& mounts)
        : m_onlyFiles(onlyFiles), m_reportErrors(reportErrors), m_mounts(mounts) {}

    bool ok() const { return m_ok; }

    void fail(const QString& path, int error) {
        fail(QStringLiteral("Não foi possível remover \"%1\": %2")
                 .arg(path, QString::fromLocal8Bit(strerror(error))));
    }

    void fail(const QString& message) {
        m_ok = false;
        if (m_reportErrors)
            throw Exception(message);
    }

    // Removes the entries of the open folder fd (whose path is path, on device dev).
    void removeContents(int fd, const QString& path, dev_t dev, int depth) {
        const int listFd = dup(fd);
        DIR* dir = listFd >= 0 ? fdopendir(listFd) : nullptr;
        if (!dir) {
            const int error = errno;
            if (listFd >= 0)
                close(listFd);
            fail(path, error);
            return;
        }
        // Names first, then removal: the listing is not disturbed while it is read.
        QList<QByteArray> names;
        while (dirent* entry = readdir(dir)) {
            if (strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0)
                names.append(QByteArray(entry->d_name));
        }
        closedir(dir);
        for (const QByteArray& name : names)
            removeEntry(fd, path, name, dev, depth);
    }

private:
    void removeEntry(int parentFd, const QString& parentPath, const QByteArray& name, dev_t dev, int depth) {
        const QString path = parentPath + QLatin1Char('/') + QString::fromLocal8Bit(name);
        struct stat st {};
        if (fstatat(parentFd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            fail(path, errno);
            return;
        }
        if (!S_ISDIR(st.st_mode)) {
            // Files, links (never followed), sockets and the like.
            if (unlinkat(parentFd, name.constData(), 0) != 0)
                fail(path, errno);
            return;
        }
        if (st.st_dev != dev || m_mounts.IsMountPoint(path)) {
            fail(QStringLiteral("A pasta \"%1\" é um ponto de montagem e não foi removida.").arg(path));
            return;
        }
        if (depth >= MaxDepth) {
            fail(QStringLiteral("A pasta \"%1\" está profunda demais para ser removida.").arg(path));
            return;
        }
        // A folder without write permission for its owner cannot lose its entries.
        if ((st.st_mode & S_IWUSR) == 0 &&
            fchmodat(parentFd, name.constData(), (st.st_mode & 07777) | S_IWUSR | S_IXUSR, 0) != 0) {
            fail(path, errno);
            return;
        }
        {
            const UniqueFd fd(
                openat(parentFd, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
            if (fd.get() < 0) {
                fail(path, errno);
                return;
            }
            removeContents(fd.get(), path, dev, depth + 1);
        }
        if (!m_onlyFiles && unlinkat(parentFd, name.constData(), AT_REMOVEDIR) != 0)
            fail(path, errno);
    }

    bool m_onlyFiles;
    bool m_reportErrors;
    const MountTable& m_mounts;
    bool m_ok = true;
};

QString absoluteClean(const QString& folder) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(folder));
}

bool contains(const QString& folder, const QString& path) {
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

} // namespace

QString TreeRemover::Refusal(const QString& folder, const MountTable& mounts) {
    if (folder.trimmed().isEmpty())
        return QStringLiteral("Nenhuma pasta foi indicada para remoção.");
    const QString path = absoluteClean(folder);
    const QString denied = QStringLiteral("A pasta \"%1\" não pode ser removida.").arg(path);
    if (path == QLatin1String("/"))
        return denied;
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isDir())
        return QStringLiteral("\"%1\" não é uma pasta.").arg(path);
    const QString home = QDir::cleanPath(QDir::homePath());
    const QString canonicalHome = QFileInfo(home).canonicalFilePath();
    const QString canonical = info.canonicalFilePath();
    if (contains(path, home) || (!canonicalHome.isEmpty() && contains(canonical, canonicalHome)))
        return denied;
    if (mounts.IsMountPoint(path) || mounts.IsMountPoint(canonical))
        return denied;
    struct stat self {};
    struct stat parent {};
    const QByteArray local = QFile::encodeName(path);
    if (lstat(local.constData(), &self) == 0 &&
        lstat(QFile::encodeName(path + QStringLiteral("/..")).constData(), &parent) == 0 &&
        self.st_dev != parent.st_dev)
        return denied;
    return QString();
}

bool TreeRemover::Remove(const QString& folder, bool onlyFiles, bool reportErrors) {
    return Remove(folder, onlyFiles, reportErrors, MountTable::Read());
}

bool TreeRemover::Remove(const QString& folder, bool onlyFiles, bool reportErrors, const MountTable& mounts) {
    Walk walk(onlyFiles, reportErrors, mounts);
    const QString refusal = Refusal(folder, mounts);
    if (!refusal.isEmpty()) {
        walk.fail(refusal);
        return false;
    }
    const QString path = absoluteClean(folder);
    const QByteArray local = QFile::encodeName(path);
    {
        const UniqueFd fd(open(local.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        struct stat st {};
        if (fd.get() < 0 || fstat(fd.get(), &st) != 0) {
            walk.fail(path, errno);
            return false;
        }
        walk.removeContents(fd.get(), path, st.st_dev, 0);
    }
    if (!onlyFiles && rmdir(local.constData()) != 0)
        walk.fail(path, errno);
    return walk.ok();
}
