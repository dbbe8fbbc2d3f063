#include "platform/os/PrivateFolder.h"

#include "platform/base/Exceptions.h"
#include "platform/os/SystemError.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t OwnerOnly = 0700;
constexpr mode_t OthersBits = 0077;

[[noreturn]] void Refuse(const QString& folder, const QString& reason) {
    throw Exception(QStringLiteral("A pasta \"%1\" não pode guardar os arquivos de controle do programa: %2.")
                        .arg(folder, reason));
}

} // namespace

QString PrivateFolder::UserRuntimeFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime))
        return QDir(runtime).filePath(QStringLiteral("zeb-icms"));
    // In the home folder, which only its owner can write: no other user can
    // make this folder first and so keep the program from starting.
    return QDir(QDir::homePath()).filePath(QStringLiteral(".zeb-icms"));
}

QString PrivateFolder::DefaultEngineFolder() {
    return UserRuntimeFolder() + QStringLiteral("/firebird");
}

QString PrivateFolder::EngineFolder() {
    const QString given = qEnvironmentVariable("FIREBIRD_LOCK");
    return given.isEmpty() ? DefaultEngineFolder() : given;
}

QString PrivateFolder::Ensure(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), OwnerOnly) != 0 && errno != EEXIST)
        Refuse(folder, QStringLiteral("não foi possível criá-la (%1)").arg(SystemErrorText(errno)));
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
        Refuse(folder, SystemErrorText(errno));
    if (S_ISLNK(info.st_mode))
        Refuse(folder, QStringLiteral("é um link simbólico"));
    if (!S_ISDIR(info.st_mode))
        Refuse(folder, QStringLiteral("não é uma pasta"));
    if (info.st_uid != geteuid())
        Refuse(folder, QStringLiteral("pertence a outro usuário"));
    if ((info.st_mode & OthersBits) != 0)
        Refuse(folder, QStringLiteral("outros usuários têm acesso a ela (permissões %1)")
                           .arg(info.st_mode & 07777, 4, 8, QLatin1Char('0')));
    if ((info.st_mode & OwnerOnly) != OwnerOnly)
        Refuse(folder, QStringLiteral("o próprio usuário não pode gravar nela (permissões %1)")
                           .arg(info.st_mode & 07777, 4, 8, QLatin1Char('0')));
    return folder;
}
