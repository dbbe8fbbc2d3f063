#include "core/data/DataVersion.h"

#include "core/data/TDMDefAtualizador.h"
#include "core/util/MessageBoxes.h"
#include "platform/db/TIBDatabase.h"

#include "ZebVersion.h"

#include <exception>

bool DataUpdated = false;

namespace {

QString Quoted(const QString& texto) {
    return QLatin1Char('"') + texto + QLatin1Char('"');
}

} // namespace

QString VersaoSistema() {
    return QString::fromUtf8(ZebVersion::FileVersion);
}

QString UnsupportedVersionMessage(const QString& versaoDados) {
    return QStringLiteral("Não existe mais suporte para esta versão dos dados do sistema (") + versaoDados +
           QStringLiteral(") ou versões anteriores.") + QStringLiteral("\r\r") +
           QStringLiteral(
               "É necessário desinstalar esta versão e instalar a versão mais recente do sistema.");
}

QString UnexpectedErrorMessage(const QString& mensagem) {
    return QStringLiteral("Erro inesperado ao atualizar os dados para esta versão do sistema (") +
           VersaoSistema() + QStringLiteral("):") + QStringLiteral("\r\r") + mensagem;
}

QString RestartMessage() {
    return QStringLiteral("Os dados foram atualizados com sucesso para a versão ") + Quoted(VersaoSistema()) +
           QStringLiteral(".") + QStringLiteral("\r\r") +
           QStringLiteral("Pressione [Ok] para completar a atualização e execute novamente o aplicativo da "
                          "ZEB-ICMS...");
}

bool VerificaVersao(const QString& versaoDados, const QString& nomeBanco) {
    const QString sistema = VersaoSistema();
    if (versaoDados < OldestDataVersion) {
        MsgErroSistema(UnsupportedVersionMessage(versaoDados));
        return false;
    }
    if (versaoDados >= sistema)
        return true;
    if (!MsgAtencao(QStringLiteral("A versão dos dados atuais ") + Quoted(versaoDados) +
                    QStringLiteral(" é anterior à versão do sistema ") + Quoted(sistema) +
                    QStringLiteral(".") + QStringLiteral("\r\r") +
                    QStringLiteral("Confirma a conversão dos dados para esta versão do sistema?")))
        return false;

    TDMDefAtualizador atualizador;
    atualizador.SetResultCode(TDMDefAtualizador::SuccessCode);
    try {
        atualizador.ibDBDef->SetDatabaseName(nomeBanco);
        atualizador.ibDBDef->Open();
    } catch (const std::exception&) {
        MsgErroSistema(QStringLiteral("Erro na conexão com o Banco de Dados:\r") + nomeBanco);
        return false;
    }
    try {
        atualizador.Atualiza(versaoDados);
    } catch (const Exception& erro) {
        MsgErroSistema(UnexpectedErrorMessage(erro.Message()));
        return false;
    }
    if (atualizador.ResultCode() != TDMDefAtualizador::SuccessCode)
        return false;
    atualizador.ibDBDef->Close();
    DataUpdated = true;
    MsgInformaSistema(RestartMessage());
    return true;
}
