#include "core/maintenance/TIBChecking.h"

#include "core/maintenance/MessageDlg.h"
#include "platform/db/FbClient.h"
#include "platform/os/AppFolders.h"
#include "platform/os/DurableFile.h"
#include "platform/os/SystemError.h"
#include "platform/os/TempPaths.h"
#include "platform/ui/TApplication.h"

#include <QFile>
#include <QFileInfo>

const QString TIBChecking::LibraryFileName = QStringLiteral("libfbclient.so.2");
const QString TIBChecking::Question =
    QStringLiteral("A DLL do Interbase foi corrompida ou está faltando e você deverá atualizá-la.\n\r"
                   "Deseja Atualizar Agora?");
const QString TIBChecking::DefaultDescription =
    QStringLiteral("Componente responsável por copiar para o path do executável a DLL cliente do "
                   "Interbase, para que não exista mais o conflito com o Firebird.");
const QString TIBChecking::DefaultVersion = QStringLiteral("2.0.0");

TIBChecking::TIBChecking(TComponent* owner, Probe probe, const QString& folder,
                         std::function<void()> terminate)
    : TComponent(owner) {
    Check(probe ? probe : Probe(&TIBChecking::LoadsLibrary),
          folder.isEmpty() ? AppFolders::ExecutableFolder() : folder, terminate);
}

QByteArray TIBChecking::Resource() {
    Q_INIT_RESOURCE(ClientLibrary);
    QFile resource(QStringLiteral(":/maintenance/") + LibraryFileName);
    if (!resource.open(QIODevice::ReadOnly))
        throw Exception(
            QStringLiteral("A biblioteca cliente do banco de dados falta nos recursos do programa."));
    return resource.readAll();
}

bool TIBChecking::LoadsLibrary(QString* reason) {
    try {
        return UsesLibraryIn(FbClient::Instance(), AppFolders::ExecutableFolder(), reason);
    } catch (const Exception& e) {
        *reason = e.Message();
        return false;
    }
}

bool TIBChecking::UsesLibraryIn(const FbClient& client, const QString& folder, QString* reason) {
    const QFileInfo beside(folder + QLatin1Char('/') + LibraryFileName);
    if (!beside.exists())
        return true;
    // The file the loader actually mapped: a bare name the system's loader
    // resolved says nothing about the current folder.
    const QString loaded = client.LoadedFile();
    if (QFileInfo(loaded).canonicalFilePath() == beside.canonicalFilePath())
        return true;
    *reason =
        QStringLiteral("%1 não é a biblioteca carregada; foi carregada %2.").arg(beside.filePath(), loaded);
    return false;
}

void TIBChecking::Check(const Probe& probe, const QString& folder, const std::function<void()>& terminate) {
    QString reason;
    if (probe(&reason))
        return;
    if (MessageDlg(Question, TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) != mrYes) {
        m_passed = false;
        if (terminate)
            terminate();
        else if (Application)
            Application->Terminate();
        return;
    }
    WriteLibrary(folder);
}

void TIBChecking::WriteLibrary(const QString& folder) {
    const QByteArray bytes = Resource();
    const QString temporary = TempPaths::CreateFile(QStringLiteral(".libfbclient-"), QString(), folder);
    try {
        QFile file(temporary);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size() ||
            !file.flush())
            throw Exception(
                QStringLiteral("Não foi possível gravar %1: %2").arg(temporary, SystemErrorText(file)));
        file.close();
        QFile::setPermissions(temporary, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                             QFile::ReadOther | QFile::ExeOwner | QFile::ExeGroup |
                                             QFile::ExeOther);
        DurableFile::Replace(temporary, folder + QLatin1Char('/') + LibraryFileName);
    } catch (...) {
        QFile::remove(temporary);
        throw;
    }
}
