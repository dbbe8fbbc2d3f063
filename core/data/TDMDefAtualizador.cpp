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
static void RegistraScripts() {
    Q_INIT_RESOURCE(TDMDefAtualizador);
}

namespace {

// The versions of data each group of scripts is run for.
const QStringList VersoesGrupo1{QStringLiteral("0.3.2.4")};
const QStringList VersoesGrupo2{QStringLiteral("0.3.2.4"), QStringLiteral("0.3.2.5")};
const QStringList VersoesGrupo3{QStringLiteral("0.3.2.4"), QStringLiteral("0.3.2.5"),
                                QStringLiteral("0.3.2.6")};
const QStringList VersoesGrupos4a6{QStringLiteral("0.3.2.4"), QStringLiteral("0.3.2.5"),
                                   QStringLiteral("0.3.2.6"), QStringLiteral("0.3.3.0"),
                                   QStringLiteral("0.3.3.1"), QStringLiteral("0.3.3.2")};
const QStringList VersoesGrupo7{QStringLiteral("0.3.3.3"), QStringLiteral("0.3.3.4")};

const QString TextoGrupo3Anistia =
    QStringLiteral("Inclusão dos CFOPs 5667, 6667 e 7667 e da Ocorrência de Anistia") +
    QStringLiteral(" prevista no Convênio ICMS nº 51/2009 e na Lei Estadual nº 5.647/2010") +
    QStringLiteral(" efetuada com sucesso.");
const QString TextoGrupo3Cfops = QStringLiteral("Inclusão dos CFOPs 6360, 1934, 2934, 5934, 6934 e "
                                                "atualização dos CFOPs 5923 e 6923 efetuadas com sucesso.");
const QString TextoGrupo4 = QStringLiteral(
    "Inclusão dos CFOPs 1128, 2128, 3128 e atualização dos CFOPs 1126, 2126 e 3126 efetuadas com sucesso.");
const QString TextoGrupo5 =
    QStringLiteral("Inclusão da ocorrência da anistia") +
    QStringLiteral(" prevista na Lei Estadual nº 6.136/2011 e no Decreto nº 43.366/2011") +
    QStringLiteral(" efetuadas com sucesso.");
const QString TextoGrupo6 = QStringLiteral("Inclusão de novas ocorrências relacionadas a") +
                            QStringLiteral(" Lei Estadual nº 6.357/2012, Decreto nº 43.981/2012") +
                            QStringLiteral(", entre outras, efetuadas com sucesso.");
const QString TextoGrupo7 =
    QStringLiteral("Inclusão de novas ocorrências relacionadas ao") +
    QStringLiteral(" Fundo Estadual de Combate à Pobreza (Lei Estadual nº 7.428/2016)") +
    QStringLiteral(", efetuadas com sucesso.");

QString MensagemDe(const std::exception& erro) {
    if (const auto* excecao = dynamic_cast<const Exception*>(&erro))
        return excecao->Message();
    return QString::fromLocal8Bit(erro.what());
}

} // namespace

TDMDefAtualizador::TDMDefAtualizador(TComponent* owner) : TComponent(owner) {
    RegistraScripts();
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

    ibSQLCodes = CriaScript(QStringLiteral("ibSQLCodes"));
    ibSQLGrupoCFOP = CriaScript(QStringLiteral("ibSQLGrupoCFOP"));
    IBSQL_0324_CFOP = CriaScript(QStringLiteral("IBSQL_0324_CFOP"));
    IBSQL_0324_ZFM = CriaScript(QStringLiteral("IBSQL_0324_ZFM"));
    IBSQL_0324_OCO = CriaScript(QStringLiteral("IBSQL_0324_OCO"));
    IBSQL_0325_OCO = CriaScript(QStringLiteral("IBSQL_0325_OCO"));
    IBSQL_0325_ERRO = CriaScript(QStringLiteral("IBSQL_0325_ERRO"));
    IBSQL_0326_CFOP_1 = CriaScript(QStringLiteral("IBSQL_0326_CFOP_1"));
    IBSQL_0326_OCO = CriaScript(QStringLiteral("IBSQL_0326_OCO"));
    IBSQL_0326_ERRO = CriaScript(QStringLiteral("IBSQL_0326_ERRO"));
    IBSQL_0326_CFOP_2 = CriaScript(QStringLiteral("IBSQL_0326_CFOP_2"));
    IBSQL_0330_CFOP_1 = CriaScript(QStringLiteral("IBSQL_0330_CFOP_1"));
    IBSQL_0331_ANISTIA = CriaScript(QStringLiteral("IBSQL_0331_ANISTIA"));
    IBSQL_0332_OCORRENCIA = CriaScript(QStringLiteral("IBSQL_0332_OCORRENCIA"));
    IBSQL_0334_OCORRENCIA = CriaScript(QStringLiteral("IBSQL_0334_OCORRENCIA"));
}

TDMDefAtualizador::~TDMDefAtualizador() {
    if (ibDBDef->Connected())
        ibDBDef->Close();
}

TIBSQL* TDMDefAtualizador::CriaScript(const QString& nome) {
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
    m_scriptsComFalha.clear();
    m_errosDosScripts.clear();
    m_avisos.clear();
    if (versaoDados < VersaoMinimaDados) {
        MsgErroSistema(MensagemVersaoSemSuporte(versaoDados));
        m_resultado = CodigoFalhaAtualizacao;
        return;
    }
    if (versaoDados >= VersaoSistema()) {
        m_resultado = CodigoSucesso;
        return;
    }
    try {
        TransactionScope transacao(*ibtSQLDef);
        ExecutaGrupos(versaoDados);
        GravaVersaoSistema();
        transacao.Commit();
    } catch (const std::exception& erro) {
        m_resultado = CodigoFalhaAtualizacao;
        m_scriptsComFalha.clear();
        m_avisos.clear();
        MsgErro(MensagemErroInesperado(MensagemDe(erro)));
        return;
    }
    m_resultado = CodigoSucesso;
    // The groups' boxes come once the update is kept, so none of them ever
    // reports work that was then rolled back.
    for (const Aviso& aviso : m_avisos) {
        if (aviso.erro)
            MsgErroSistema(aviso.texto);
        else
            MsgInformaSistema(aviso.texto);
    }
}

void TDMDefAtualizador::ExecutaGrupos(const QString& versaoDados) {
    if (VersoesGrupo1.contains(versaoDados)) {
        ExecutaScript(IBSQL_0324_CFOP);
        ExecutaScript(IBSQL_0324_ZFM);
        ExecutaScript(IBSQL_0324_OCO);
    }
    if (VersoesGrupo2.contains(versaoDados)) {
        ExecutaScript(IBSQL_0325_OCO);
        ExecutaScript(IBSQL_0325_ERRO);
    }
    if (VersoesGrupo3.contains(versaoDados)) {
        TentaScript(IBSQL_0326_CFOP_1);
        TentaScript(IBSQL_0326_CFOP_2);
        TentaScript(IBSQL_0326_OCO);
        ExecutaScript(IBSQL_0326_ERRO);
        InformaGrupo(TextoGrupo3Anistia, {IBSQL_0326_CFOP_1, IBSQL_0326_OCO});
        InformaGrupo(TextoGrupo3Cfops, {IBSQL_0326_CFOP_2});
    }
    if (VersoesGrupos4a6.contains(versaoDados)) {
        TentaScript(IBSQL_0330_CFOP_1);
        InformaGrupo(TextoGrupo4, {IBSQL_0330_CFOP_1});
        TentaScript(IBSQL_0331_ANISTIA);
        InformaGrupo(TextoGrupo5, {IBSQL_0331_ANISTIA});
        TentaScript(IBSQL_0332_OCORRENCIA);
        InformaGrupo(TextoGrupo6, {IBSQL_0332_OCORRENCIA});
    }
    if (VersoesGrupo7.contains(versaoDados)) {
        TentaScript(IBSQL_0334_OCORRENCIA);
        InformaGrupo(TextoGrupo7, {IBSQL_0334_OCORRENCIA});
    }
}

void TDMDefAtualizador::ExecutaScript(TIBSQL* script) {
    const QStringList& linhas = script->SQL();
    for (qsizetype i = 0; i < linhas.size(); ++i) {
        if (linhas[i].trimmed().isEmpty())
            continue;
        ibSQLDef->SetSQLText(linhas[i]);
        try {
            ibSQLDef->ExecQuery();
        } catch (const std::exception& erro) {
            throw EDatabaseError(
                QStringLiteral("%1, linha %2: %3").arg(script->Name()).arg(i + 1).arg(MensagemDe(erro)));
        }
    }
    ibSQLDef->FreeHandle();
}

void TDMDefAtualizador::TentaScript(TIBSQL* script) {
    try {
        ExecutaScript(script);
    } catch (const EDatabaseError& erro) {
        // The statements before the failing line stay in the update.
        m_scriptsComFalha << script->Name();
        m_errosDosScripts.insert(script->Name(), erro.Message());
    }
}

void TDMDefAtualizador::InformaGrupo(const QString& textoSucesso, const std::vector<TIBSQL*>& scripts) {
    bool limpo = true;
    for (TIBSQL* script : scripts) {
        if (!m_scriptsComFalha.contains(script->Name()))
            continue;
        limpo = false;
        m_avisos.push_back({true, QStringLiteral("A atualização dos dados do script ") + script->Name() +
                                      QStringLiteral(" não foi concluída.") + QStringLiteral("\r\r") +
                                      QStringLiteral("Erro: ") + m_errosDosScripts.value(script->Name())});
    }
    if (limpo)
        m_avisos.push_back({false, textoSucesso});
}

void TDMDefAtualizador::GravaVersaoSistema() {
    ibSQLDef->SetSQL({QStringLiteral("update parametros_def "),
                      QStringLiteral("set TX_PARAM1 = '") + VersaoSistema() + QStringLiteral("'"),
                      QStringLiteral("where ID_PARAMETRO = 1")});
    ibSQLDef->ExecQuery();
    ibSQLDef->FreeHandle();
}

void TDMDefAtualizador::AplicaScript(TIBSQL* script) {
    TransactionScope transacao(*ibtSQLDef);
    ExecutaScript(script);
    transacao.Commit();
}
