#include "core/data/TDMDefGeral.h"

#include "core/data/ModuloDados.h"
#include "core/data/TDMDefAux.h"
#include "core/util/MessageBoxes.h"
#include "platform/db/SysUtils.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBQuery.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"

TDMDefGeral* DMDefGeral = nullptr;

namespace {

// The design-time text of the scratch queries; always replaced before use.
const QStringList ConsultaInicial{QStringLiteral("select * from ENTRADA_DECLARADA")};

constexpr int CodigoErroConsulta = 300;

QString ConsultaParametro(int id) {
    return QStringList{QStringLiteral("SELECT * FROM PARAMETROS_DEF"),
                       QStringLiteral("WHERE ID_PARAMETRO = ") + QString::number(id)}
        .join(QLatin1Char('\n'));
}

} // namespace

TDMDefGeral::TDMDefGeral(TComponent* owner) : TComponent(owner) {
    SetName(QStringLiteral("DMDefGeral"));
    ibDBDef = new TIBDatabase(this);
    ibDBDef->SetName(QStringLiteral("ibDBDef"));
    ibDBDef->SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
    ibDBDef->SetLoginPrompt(false);
    ibDBDef->SetSQLDialect(3);

    ibtSQLAuxiliar = CriaTransacao(this, QStringLiteral("ibtSQLAuxiliar"), ibDBDef);
    ibtAuxiliar = CriaTransacao(this, QStringLiteral("ibtAuxiliar"), ibDBDef);
    ibtGeracao = CriaTransacao(this, QStringLiteral("ibtGeracao"), ibDBDef);
    ibtPutErro = CriaTransacao(this, QStringLiteral("ibtPutErro"), ibDBDef);
    ibDBDef->SetDefaultTransaction(ibtSQLAuxiliar);

    ibsqlAuxiliar = new TIBSQL(this);
    ibsqlAuxiliar->SetName(QStringLiteral("ibsqlAuxiliar"));
    ibsqlAuxiliar->SetDatabase(ibDBDef);
    ibsqlAuxiliar->SetTransaction(ibtSQLAuxiliar);

    const TCadeiaDados auxiliar =
        CriaCadeia(this, ibDBDef, ibtAuxiliar, QStringLiteral("Auxiliar"), ConsultaInicial);
    ibqAuxiliar = auxiliar.query;
    dspAuxiliar = auxiliar.provider;
    cdsAuxiliar = auxiliar.cds;
    const TCadeiaDados geracao =
        CriaCadeia(this, ibDBDef, ibtGeracao, QStringLiteral("Geracao"), ConsultaInicial);
    ibqGeracao = geracao.query;
    dspGeracao = geracao.provider;
    cdsGeracao = geracao.cds;
    const TCadeiaDados putErro =
        CriaCadeia(this, ibDBDef, ibtPutErro, QStringLiteral("PutErro"), ConsultaInicial);
    ibqPutErro = putErro.query;
    dspPutErro = putErro.provider;
    cdsPutErro = putErro.cds;
    for (TDataSetProvider* provider : {dspAuxiliar, dspGeracao, dspPutErro})
        provider->SetOptions(poAllowCommandText);

    if (!DMDefGeral)
        DMDefGeral = this;
}

TDMDefGeral::~TDMDefGeral() {
    if (DMDefGeral == this)
        DMDefGeral = nullptr;
}

bool TDMDefGeral::ExecutaSQL(const QString& sql) {
    try {
        ibsqlAuxiliar->SetSQLText(sql);
        if (!ibtSQLAuxiliar->InTransaction())
            ibtSQLAuxiliar->StartTransaction();
        ibsqlAuxiliar->ExecQuery();
        ibsqlAuxiliar->Close();
        ibtSQLAuxiliar->Commit();
        return true;
    } catch (const std::exception&) {
        if (ibtSQLAuxiliar->InTransaction())
            ibtSQLAuxiliar->Rollback();
        return false;
    }
}

bool TDMDefGeral::AbreEm(TClientDataSet* dataSet, const QString& sql) {
    try {
        dataSet->Close();
        dataSet->SetCommandText(sql);
        dataSet->Open();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TDMDefGeral::AbreConsulta(const QString& sql) {
    return AbreEm(cdsAuxiliar, sql);
}

bool TDMDefGeral::AbreConsultaPutErro(const QString& sql) {
    return AbreEm(cdsPutErro, sql);
}

void TDMDefGeral::MostraErroConsulta() {
    MsgErro(TDMDefAux::BuscaMensagemErro(CodigoErroConsulta));
    Abort();
}

QString TDMDefGeral::ProximoSequencial(int idParametro) {
    if (!AbreConsulta(ConsultaParametro(idParametro)) || cdsAuxiliar->IsEmpty())
        MostraErroConsulta();
    QString novo;
    try {
        TField* valor = cdsAuxiliar->FieldByName(QStringLiteral("VL_PARAM1"));
        const Currency proximo = valor->AsCurrency() + Currency::fromUnits(1);
        novo = FloatToStr(proximo.toDouble());
        cdsAuxiliar->Edit();
        valor->SetAsCurrency(proximo);
        cdsAuxiliar->Post();
        if (cdsAuxiliar->ApplyUpdates(0) != 0)
            throw EDatabaseError(QStringLiteral("PARAMETROS_DEF %1 not updated").arg(idParametro));
    } catch (const std::exception&) {
        if (cdsAuxiliar->Active())
            cdsAuxiliar->Close();
        MostraErroConsulta();
    }
    return novo;
}

QString TDMDefGeral::LeVersaoDados() {
    if (!AbreConsulta(ConsultaParametro(1)))
        return {};
    return cdsAuxiliar->FieldByName(QStringLiteral("TX_PARAM1"))->AsString();
}

Currency TDMDefGeral::LeValorMaximo() {
    if (!AbreConsulta(ConsultaParametro(2)))
        return {};
    return cdsAuxiliar->FieldByName(QStringLiteral("VL_PARAM1"))->AsCurrency();
}
