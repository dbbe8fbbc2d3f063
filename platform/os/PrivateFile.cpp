#include "platform/os/PrivateFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t OwnerOnly = 0600;

} // namespace

int PrivateFile::Open(const QByteArray& name, int flags) {
    int fd = -1;
    do
        fd = ::open(name.constData(), flags | O_CLOEXEC, OwnerOnly);
    while (fd < 0 && errno == EINTR);
    // A file that existed keeps its mode through open: take it from the others.
    if (fd >= 0 && ::fchmod(fd, OwnerOnly) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}
