#include "core/data/RuleMessages.h"

#include "core/data/TDMDefGeral.h"
#include "core/util/MessageBoxes.h"
#include "platform/base/Exceptions.h"
#include "platform/base/SysUtils.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/db/TIBDatabase.h"

namespace RuleMessages {

QString Text(int code) {
    if (!DMDefGeral->ibDBDef->Connected()) {
        MsgErro(Format(QStringLiteral("Não há conexão com o banco de dados.\r\r%s"),
                       {DMDefGeral->ibDBDef->DatabaseName()}));
        return {};
    }
    const QString sql = QStringLiteral("SELECT TX_MENSAGEM FROM TIPO_ERRO_DECLARACAO\nWHERE CO_ERRO = ") +
                        QString::number(code);
    if (!DMDefGeral->AbreConsulta(sql))
        return QStringLiteral("Erro na consulta de tabela de Erros do sistema!");
    if (DMDefGeral->cdsAuxiliar->IsEmpty())
        return {};
    return DMDefGeral->cdsAuxiliar->FieldByName(QStringLiteral("TX_MENSAGEM"))->AsString();
}

void Refuse(const QString& text) {
    MsgErro(text);
    Abort();
}

void Refuse(int code) {
    Refuse(Text(code));
}

void Query(const QStringList& sql) {
    if (!DMDefGeral->AbreConsulta(sql.join(QLatin1Char('\n'))))
        Refuse(QueryFailed);
}

} // namespace RuleMessages
