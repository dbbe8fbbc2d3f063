#include "platform/os/FolderSocket.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

FolderSocket::FolderSocket(const QString& folder)
    : m_folderFd(::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC)) {}

FolderSocket::~FolderSocket() {
    if (m_folderFd != -1)
        ::close(m_folderFd);
}

QByteArray FolderSocket::Address(const QString& name) const {
    return "/proc/self/fd/" + QByteArray::number(m_folderFd) + '/' + QFile::encodeName(name);
}

int FolderSocket::Open(const QString& name, bool listen) const {
    if (m_folderFd == -1)
        return -1;
    const QByteArray path = Address(name);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path)) {
        errno = ENAMETOOLONG;
        return -1;
    }
    std::memcpy(address.sun_path, path.constData(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd == -1)
        return -1;
    const auto* generic = reinterpret_cast<const sockaddr*>(&address);
    if (listen)
        ::unlink(path.constData());
    const bool done = listen ? ::bind(fd, generic, sizeof address) == 0 && ::listen(fd, SOMAXCONN) == 0
                             : ::connect(fd, generic, sizeof address) == 0;
    if (!done) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}
