#include "platform/os/SystemError.h"

#include <QFileDevice>

#include <cerrno>
#include <cstring>

namespace {

struct Reason {
    int error;
    const char* text;
};

// The common causes, in words of our own.
constexpr Reason Reasons[] = {
    {EACCES, "permissão negada"},
    {EPERM, "permissão negada"},
    {ENOSPC, "não há espaço livre no disco"},
    {EDQUOT, "não há espaço livre no disco"},
    {EROFS, "o disco só permite leitura"},
    {EFBIG, "o arquivo passou do tamanho permitido"},
    {ENOENT, "o arquivo ou a pasta não existe"},
    {EEXIST, "o arquivo já existe"},
    {ENOTDIR, "uma parte do caminho não é uma pasta"},
    {EISDIR, "o caminho é uma pasta"},
    {ELOOP, "o caminho é um link simbólico"},
    {EXDEV, "a origem e o destino estão em discos diferentes"},
    {EBUSY, "o arquivo está em uso"},
    {EIO, "erro de leitura ou gravação no disco"},
    {EMFILE, "arquivos abertos demais"},
    {ENFILE, "arquivos abertos demais"},
    {ENAMETOOLONG, "o nome é longo demais"},
};

} // namespace

QString SystemErrorText(int error) {
    for (const Reason& reason : Reasons)
        if (reason.error == error)
            return QString::fromUtf8(reason.text);
    return QString::fromLocal8Bit(std::strerror(error));
}

QString SystemErrorText(const QFileDevice& file) {
    const QString given = file.errorString();
    for (const Reason& reason : Reasons)
        if (given == qt_error_string(reason.error))
            return QString::fromUtf8(reason.text);
    return given;
}
