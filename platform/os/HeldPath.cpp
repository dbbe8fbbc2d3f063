#include "platform/os/HeldPath.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

HeldPath::HeldPath(const QString& path)
    : m_fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK)) {}

HeldPath::~HeldPath() {
    if (m_fd != -1)
        ::close(m_fd);
}
