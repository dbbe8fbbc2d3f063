#include "DataAtVersion.h"

#include "core/data/TDMDefAtualizador.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"

#include <QFile>
#include <stdexcept>
#include <vector>

namespace {

// The scripts data of a version already hold: those of every group that
// runs only for older versions.
std::vector<TIBSQL*> ScriptsJaAplicados(const TDMDefAtualizador& a, const QString& versao) {
    std::vector<TIBSQL*> scripts;
    if (versao > QStringLiteral("0.3.2.4"))
        scripts.insert(scripts.end(), {a.IBSQL_0324_CFOP, a.IBSQL_0324_ZFM, a.IBSQL_0324_OCO});
    if (versao > QStringLiteral("0.3.2.5"))
        scripts.insert(scripts.end(), {a.IBSQL_0325_OCO, a.IBSQL_0325_ERRO});
    if (versao > QStringLiteral("0.3.2.6"))
        scripts.insert(scripts.end(),
                       {a.IBSQL_0326_CFOP_1, a.IBSQL_0326_CFOP_2, a.IBSQL_0326_OCO, a.IBSQL_0326_ERRO});
    if (versao > QStringLiteral("0.3.3.2"))
        scripts.insert(scripts.end(), {a.IBSQL_0330_CFOP_1, a.IBSQL_0331_ANISTIA, a.IBSQL_0332_OCORRENCIA});
    return scripts;
}

template <typename F> void NaConexao(const QString& caminho, F&& f) {
    TIBDatabase banco;
    banco.SetDatabaseName(caminho);
    TIBTransaction transacao;
    transacao.SetDefaultDatabase(&banco);
    TIBSQL sql;
    sql.SetDatabase(&banco);
    sql.SetTransaction(&transacao);
    banco.Open();
    transacao.StartTransaction();
    f(sql);
    transacao.Commit();
    banco.Close();
}

} // namespace

QString DataAtVersion::DadosBase() {
    return QStringLiteral(ZEB_BUILD_DIR "/database/dbdef-0.3.2.4.gdb");
}

DataAtVersion::DataAtVersion(const QString& versao)
    : m_caminho(m_pasta.filePath(QStringLiteral("dbdef.gdb"))) {
    if (!QFile::copy(DadosBase(), m_caminho))
        throw std::runtime_error("cannot copy the 0.3.2.4 data the build makes");
    QFile::setPermissions(m_caminho, QFile::permissions(m_caminho) | QFile::WriteOwner);
    TDMDefAtualizador atualizador;
    atualizador.ibDBDef->SetDatabaseName(m_caminho);
    atualizador.ibDBDef->Open();
    for (TIBSQL* script : ScriptsJaAplicados(atualizador, versao))
        atualizador.AplicaScript(script);
    atualizador.ibDBDef->Close();
    Executa(QStringLiteral("UPDATE PARAMETROS_DEF SET TX_PARAM1 = '%1' WHERE ID_PARAMETRO = 1").arg(versao));
}

QVariant DataAtVersion::Valor(const QString& texto) const {
    QVariant valor;
    NaConexao(m_caminho, [&](TIBSQL& sql) {
        sql.SetSQLText(texto);
        sql.ExecQuery();
        if (!sql.Eof() && !sql.Fields(0).IsNull())
            valor = sql.Fields(0).AsVariant();
        sql.Close();
    });
    return valor;
}

int DataAtVersion::Conta(const QString& sql) const {
    return Valor(sql).toInt();
}

QString DataAtVersion::Versao() const {
    return Valor(QStringLiteral("SELECT TX_PARAM1 FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 1")).toString();
}

void DataAtVersion::Executa(const QString& texto) const {
    NaConexao(m_caminho, [&](TIBSQL& sql) {
        sql.SetSQLText(texto);
        sql.ExecQuery();
    });
}
