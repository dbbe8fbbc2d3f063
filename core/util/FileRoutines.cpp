#include "core/util/FileRoutines.h"

#include "platform/base/TPrompter.h"
#include "platform/os/DiskInfo.h"
#include "platform/os/LocalPath.h"
#include "platform/os/RemovableDrives.h"
#include "platform/os/TempPaths.h"
#include "platform/os/TreeRemover.h"

QString JuntaCaminho(const QString& pasta, const QString& nome) {
    QString folder = LocalPath::FromWindows(pasta);
    QString name = nome;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (folder.endsWith(QLatin1Char('/')) && folder != QLatin1String("/"))
        folder.chop(1);
    if (name.startsWith(QLatin1Char('/')))
        name.remove(0, 1);
    if (name.isEmpty())
        return folder;
    if (folder.isEmpty())
        return name;
    if (folder == QLatin1String("/"))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString PastaTemporaria() {
    return TempPaths::TempFolder() + QLatin1Char('/');
}

bool RemovePasta(const QString& pasta, bool somenteArquivos, bool reportaErros) {
    return TreeRemover::Remove(LocalPath::FromWindows(pasta), somenteArquivos, reportaErros);
}

bool DriveRemovivel(const QString& caminho) {
    return RemovableDrives().IsRemovable(LocalPath::FromWindows(caminho));
}

bool DiscoPresente(const QString& caminho) {
    return DiskInfo::IsPresent(LocalPath::FromWindows(caminho));
}

bool ProtegidoContraGravacao(const QString& caminho) {
    return DiskInfo::IsWriteProtected(LocalPath::FromWindows(caminho));
}

namespace {

// Windows MessageBox flag words of the disk prompts (task-modal).
constexpr int OkCancelQuestion = 0x01 | 0x20 | 0x2000;
constexpr int RetryCancelError = 0x05 | 0x10 | 0x2000;

TModalResult ask(const QString& texto, int flags) {
    return TPrompter::Current().Prompt(TPromptRequest::FromMessageBoxFlags(texto, QString(), flags)).Button;
}

} // namespace

bool PedeDisco(const QString& caminho, const QString& mensagem, bool verificaProtecao) {
    return PedeDisco(caminho, mensagem, verificaProtecao, RemovableDrives());
}

bool PedeDisco(const QString& caminho, const QString& mensagem, bool verificaProtecao,
               const RemovableDrives& drives) {
    try {
        const QString path = LocalPath::FromWindows(caminho);
        const QString texto = mensagem.isEmpty()
                                  ? QStringLiteral("Por favor insira um disquete no drive %1:").arg(caminho)
                                  : mensagem;
        if (drives.IsRemovable(path)) {
            do {
                if (ask(texto, OkCancelQuestion) != mrOk)
                    return false;
            } while (!DiskInfo::IsPresent(path));
        }
        if (verificaProtecao) {
            while (DiskInfo::IsWriteProtected(path)) {
                if (ask(QStringLiteral("Erro: O disco %1: está protegido contra gravação.").arg(caminho),
                        RetryCancelError) != mrRetry)
                    return false;
            }
        }
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
