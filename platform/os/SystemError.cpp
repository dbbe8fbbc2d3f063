#include "platform/os/SystemError.h"

#include <cerrno>
#include <cstring>

QString SystemErrorText(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("permissão negada");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("não há espaço livre no disco");
    case EROFS:
        return QStringLiteral("o disco só permite leitura");
    case ENOENT:
        return QStringLiteral("o arquivo ou a pasta não existe");
    case ENOTDIR:
        return QStringLiteral("uma parte do caminho não é uma pasta");
    case EISDIR:
        return QStringLiteral("o caminho é uma pasta");
    case ELOOP:
        return QStringLiteral("o caminho é um link simbólico");
    case EXDEV:
        return QStringLiteral("a origem e o destino estão em discos diferentes");
    case EBUSY:
        return QStringLiteral("o arquivo está em uso");
    case EIO:
        return QStringLiteral("erro de leitura ou gravação no disco");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("arquivos abertos demais");
    case ENAMETOOLONG:
        return QStringLiteral("o nome é longo demais");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}
