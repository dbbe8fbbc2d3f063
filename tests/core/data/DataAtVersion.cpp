#include "tests/core/data/DataAtVersion.h"

#include "core/data/TDMDefAtualizador.h"
#include "platform/db/TIBSQL.h"

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

} // namespace

DataAtVersion::DataAtVersion(const QString& version) : TempDatabase(false, OldestDatabase()) {
    TDMDefAtualizador atualizador;
    atualizador.ibDBDef->SetDatabaseName(Path());
    atualizador.ibDBDef->Open();
    for (TIBSQL* script : ScriptsJaAplicados(atualizador, version))
        atualizador.ApplyScript(script);
    atualizador.ibDBDef->Close();
    Execute(QStringLiteral("UPDATE PARAMETROS_DEF SET TX_PARAM1 = '%1' WHERE ID_PARAMETRO = 1").arg(version));
}

QString DataAtVersion::Version() const {
    return Value(QStringLiteral("SELECT TX_PARAM1 FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 1")).toString();
}
