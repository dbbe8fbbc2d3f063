#include "core/data/TDMDefAtualizador.h"

#include "core/data/DataVersion.h"
#include "core/util/MessageBoxes.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/db/TransactionScope.h"

#include <QFile>
#include <exception>

// The scripts live in a static library: their resources are registered when
// the first updater is made.
static void RegisterScripts() {
    Q_INIT_RESOURCE(TDMDefAtualizador);
}

namespace {

// The versions of data each group of scripts is run for.
const QStringList Group1Versions{QStringLiteral("0.3.2.4")};
const QStringList Group2Versions{QStringLiteral("0.3.2.4"), QStringLiteral("0.3.2.5")};
const QStringList Group3Versions{QStringLiteral("0.3.2.4"), QStringLiteral("0.3.2.5"),
                                 QStringLiteral("0.3.2.6")};
const QStringList Groups4To6Versions{QStringLiteral("0.3.2.4"), QStringLiteral("0.3.2.5"),
                                     QStringLiteral("0.3.2.6"), QStringLiteral("0.3.3.0"),
                                     QStringLiteral("0.3.3.1"), QStringLiteral("0.3.3.2")};
const QStringList Group7Versions{QStringLiteral("0.3.3.3"), QStringLiteral("0.3.3.4")};

const QString Group3AmnestyText =
    QStringLiteral("Inclusão dos CFOPs 5667, 6667 e 7667 e da Ocorrência de Anistia") +
    QStringLiteral(" prevista no Convênio ICMS nº 51/2009 e na Lei Estadual nº 5.647/2010") +
    QStringLiteral(" efetuada com sucesso.");
const QString Group3CfopsText = QStringLiteral("Inclusão dos CFOPs 6360, 1934, 2934, 5934, 6934 e "
                                               "atualização dos CFOPs 5923 e 6923 efetuadas com sucesso.");
const QString Group4Text = QStringLiteral(
    "Inclusão dos CFOPs 1128, 2128, 3128 e atualização dos CFOPs 1126, 2126 e 3126 efetuadas com sucesso.");
const QString Group5Text =
    QStringLiteral("Inclusão da ocorrência da anistia") +
    QStringLiteral(" prevista na Lei Estadual nº 6.136/2011 e no Decreto nº 43.366/2011") +
    QStringLiteral(" efetuadas com sucesso.");
const QString Group6Text = QStringLiteral("Inclusão de novas ocorrências relacionadas a") +
                           QStringLiteral(" Lei Estadual nº 6.357/2012, Decreto nº 43.981/2012") +
                           QStringLiteral(", entre outras, efetuadas com sucesso.");
const QString Group7Text =
    QStringLiteral("Inclusão de novas ocorrências relacionadas ao") +
    QStringLiteral(" Fundo Estadual de Combate à Pobreza (Lei Estadual nº 7.428/2016)") +
    QStringLiteral(", efetuadas com sucesso.");

QString MessageOf(const std::exception& erro) {
    if (const auto* excecao = dynamic_cast<const Exception*>(&erro))
        return excecao->Message();
    return QString::fromLocal8Bit(erro.what());
}

} // namespace

TDMDefAtualizador::TDMDefAtualizador(TComponent* owner) : TComponent(owner) {
    RegisterScripts();
    SetName(QStringLiteral("DMDefAtualizador"));

    ibDBDef = new TIBDatabase(this);
    ibDBDef->SetName(QStringLiteral("ibDBDef"));
    ibDBDef->SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
    ibDBDef->SetLoginPrompt(false);
    ibDBDef->SetSQLDialect(3);

    ibtQryDef = new TIBTransaction(this);
    ibtQryDef->SetName(QStringLiteral("ibtQryDef"));
    ibtQryDef->SetDefaultDatabase(ibDBDef);
    ibQryDef = new TIBSQL(this);
    ibQryDef->SetName(QStringLiteral("ibQryDef"));
    ibQryDef->SetDatabase(ibDBDef);
    ibQryDef->SetTransaction(ibtQryDef);
    ibQryDef->SetSQL(
        {QStringLiteral("Select * from PARAMETROS_DEF"), QStringLiteral(" where ID_PARAMETRO = 1")});

    ibtSQLDef = new TIBTransaction(this);
    ibtSQLDef->SetName(QStringLiteral("ibtSQLDef"));
    ibtSQLDef->SetDefaultDatabase(ibDBDef);
    ibDBDef->SetDefaultTransaction(ibtSQLDef);
    ibSQLDef = new TIBSQL(this);
    ibSQLDef->SetName(QStringLiteral("ibSQLDef"));
    ibSQLDef->SetDatabase(ibDBDef);
    ibSQLDef->SetTransaction(ibtSQLDef);
    // Script lines hold literals only: nothing in them is a parameter.
    ibSQLDef->SetParamCheck(false);

    ibSQLCodes = MakeScript(QStringLiteral("ibSQLCodes"));
    ibSQLGrupoCFOP = MakeScript(QStringLiteral("ibSQLGrupoCFOP"));
    IBSQL_0324_CFOP = MakeScript(QStringLiteral("IBSQL_0324_CFOP"));
    IBSQL_0324_ZFM = MakeScript(QStringLiteral("IBSQL_0324_ZFM"));
    IBSQL_0324_OCO = MakeScript(QStringLiteral("IBSQL_0324_OCO"));
    IBSQL_0325_OCO = MakeScript(QStringLiteral("IBSQL_0325_OCO"));
    IBSQL_0325_ERRO = MakeScript(QStringLiteral("IBSQL_0325_ERRO"));
    IBSQL_0326_CFOP_1 = MakeScript(QStringLiteral("IBSQL_0326_CFOP_1"));
    IBSQL_0326_OCO = MakeScript(QStringLiteral("IBSQL_0326_OCO"));
    IBSQL_0326_ERRO = MakeScript(QStringLiteral("IBSQL_0326_ERRO"));
    IBSQL_0326_CFOP_2 = MakeScript(QStringLiteral("IBSQL_0326_CFOP_2"));
    IBSQL_0330_CFOP_1 = MakeScript(QStringLiteral("IBSQL_0330_CFOP_1"));
    IBSQL_0331_ANISTIA = MakeScript(QStringLiteral("IBSQL_0331_ANISTIA"));
    IBSQL_0332_OCORRENCIA = MakeScript(QStringLiteral("IBSQL_0332_OCORRENCIA"));
    IBSQL_0334_OCORRENCIA = MakeScript(QStringLiteral("IBSQL_0334_OCORRENCIA"));
}

TDMDefAtualizador::~TDMDefAtualizador() {
    if (ibDBDef->Connected())
        ibDBDef->Close();
}

TIBSQL* TDMDefAtualizador::MakeScript(const QString& nome) {
    QFile arquivo(QStringLiteral(":/atualizacoes/") + nome + QStringLiteral(".sql"));
    if (!arquivo.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("The update script %1 is missing from the program.").arg(nome));
    QStringList linhas = QString::fromUtf8(arquivo.readAll()).split(QLatin1Char('\n'));
    for (QString& linha : linhas) {
        if (linha.endsWith(QLatin1Char('\r')))
            linha.chop(1);
    }
    auto* script = new TIBSQL(this);
    script->SetName(nome);
    script->SetDatabase(ibDBDef);
    script->SetTransaction(ibtSQLDef);
    script->SetSQL(linhas);
    m_scripts.push_back(script);
    return script;
}

QString TDMDefAtualizador::LeVersaoDados() {
    TransactionScope transacao(*ibtQryDef, TransactionScope::Access::ReadOnly);
    ibQryDef->ExecQuery();
    const QString versao =
        ibQryDef->Eof() ? QString() : ibQryDef->FieldByName(QStringLiteral("TX_PARAM1")).AsString();
    transacao.Commit();
    return versao;
}

void TDMDefAtualizador::Atualiza(const QString& versaoDados) {
    m_failedScripts.clear();
    m_scriptErrors.clear();
    m_notices.clear();
    if (versaoDados < OldestDataVersion) {
        MsgErroSistema(UnsupportedVersionMessage(versaoDados));
        m_resultCode = UpdateFailedCode;
        return;
    }
    if (versaoDados >= VersaoSistema()) {
        m_resultCode = SuccessCode;
        return;
    }
    try {
        TransactionScope transacao(*ibtSQLDef);
        RunGroups(versaoDados);
        StampSystemVersion();
        transacao.Commit();
    } catch (const std::exception& erro) {
        m_resultCode = UpdateFailedCode;
        m_failedScripts.clear();
        m_notices.clear();
        MsgErro(UnexpectedErrorMessage(MessageOf(erro)));
        return;
    }
    m_resultCode = SuccessCode;
    // The groups' boxes come once the update is kept, so none of them ever
    // reports work that was then rolled back.
    for (const Notice& aviso : m_notices) {
        if (aviso.isError)
            MsgErroSistema(aviso.text);
        else
            MsgInformaSistema(aviso.text);
    }
}

void TDMDefAtualizador::RunGroups(const QString& versaoDados) {
    if (Group1Versions.contains(versaoDados)) {
        RunScript(IBSQL_0324_CFOP);
        RunScript(IBSQL_0324_ZFM);
        RunScript(IBSQL_0324_OCO);
    }
    if (Group2Versions.contains(versaoDados)) {
        RunScript(IBSQL_0325_OCO);
        RunScript(IBSQL_0325_ERRO);
    }
    if (Group3Versions.contains(versaoDados)) {
        TryScript(IBSQL_0326_CFOP_1);
        TryScript(IBSQL_0326_CFOP_2);
        TryScript(IBSQL_0326_OCO);
        RunScript(IBSQL_0326_ERRO);
        ReportGroup(Group3AmnestyText, {IBSQL_0326_CFOP_1, IBSQL_0326_OCO});
        ReportGroup(Group3CfopsText, {IBSQL_0326_CFOP_2});
    }
    if (Groups4To6Versions.contains(versaoDados)) {
        TryScript(IBSQL_0330_CFOP_1);
        ReportGroup(Group4Text, {IBSQL_0330_CFOP_1});
        TryScript(IBSQL_0331_ANISTIA);
        ReportGroup(Group5Text, {IBSQL_0331_ANISTIA});
        TryScript(IBSQL_0332_OCORRENCIA);
        ReportGroup(Group6Text, {IBSQL_0332_OCORRENCIA});
    }
    if (Group7Versions.contains(versaoDados)) {
        TryScript(IBSQL_0334_OCORRENCIA);
        ReportGroup(Group7Text, {IBSQL_0334_OCORRENCIA});
    }
}

void TDMDefAtualizador::RunScript(TIBSQL* script) {
    const QStringList& linhas = script->SQL();
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        if (linhas[i].trimmed().isEmpty())
            continue;
        ibSQLDef->SetSQLText(linhas[i]);
        try {
            ibSQLDef->ExecQuery();
        } catch (const std::exception& erro) {
            throw EDatabaseError(
                QStringLiteral("%1, linha %2: %3").arg(script->Name()).arg(i + 1).arg(MessageOf(erro)));
        }
    }
    ibSQLDef->FreeHandle();
}

void TDMDefAtualizador::TryScript(TIBSQL* script) {
    try {
        RunScript(script);
    } catch (const EDatabaseError& erro) {
        // The statements before the failing line stay in the update.
        m_failedScripts << script->Name();
        m_scriptErrors.insert(script->Name(), erro.Message());
    }
}

void TDMDefAtualizador::ReportGroup(const QString& textoSucesso, const std::vector<TIBSQL*>& scripts) {
    bool limpo = true;
    for (TIBSQL* script : scripts) {
        if (!m_failedScripts.contains(script->Name()))
            continue;
        limpo = false;
        m_notices.push_back({true, QStringLiteral("A atualização dos dados do script ") + script->Name() +
                                       QStringLiteral(" não foi concluída.") + QStringLiteral("\r\r") +
                                       QStringLiteral("Erro: ") + m_scriptErrors.value(script->Name())});
    }
    if (limpo)
        m_notices.push_back({false, textoSucesso});
}

void TDMDefAtualizador::StampSystemVersion() {
    ibSQLDef->SetSQL({QStringLiteral("update parametros_def "),
                      QStringLiteral("set TX_PARAM1 = '") + VersaoSistema() + QStringLiteral("'"),
                      QStringLiteral("where ID_PARAMETRO = 1")});
    ibSQLDef->ExecQuery();
    ibSQLDef->FreeHandle();
}

void TDMDefAtualizador::ApplyScript(TIBSQL* script) {
    TransactionScope transacao(*ibtSQLDef);
    RunScript(script);
    transacao.Commit();
}
