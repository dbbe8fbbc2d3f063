#include "core/data/TDMDefGeral.h"

#include "core/data/DataVersion.h"
#include "core/data/ModuleComponents.h"
#include "core/data/RuleMessages.h"
#include "core/data/TDMDef.h"
#include "core/util/FileRoutines.h"
#include "core/util/MessageBoxes.h"
#include "platform/base/SysUtils.h"
#include "platform/base/TPrompter.h"
#include "platform/db/ApplyAllUpdates.h"
#include "platform/db/BackupProcess.h"
#include "platform/db/EIBError.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSetProvider.h"
#include "platform/db/TIBBackupService.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TransactionScope.h"
#include "platform/os/AppFolders.h"
#include "platform/os/DurableFile.h"
#include "platform/os/ServerProbe.h"
#include "platform/os/TempPaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

TDMDefGeral* DMDefGeral = nullptr;

const QString TDMDefGeral::TemporaryBackupPrefix = QStringLiteral("dbdef-");
const QString TDMDefGeral::TemporaryBackupSuffix = QStringLiteral(".gbk");

namespace {

// The design-time text of the scratch queries; always replaced before use.
const QStringList InitialQueryText{QStringLiteral("select * from ENTRADA_DECLARADA")};

constexpr std::int64_t CorruptDatabaseCode = 335544335;
constexpr int ServerAttempts = 10;
constexpr int ServerWaitMs = 1000;
// The longest the window and a stop request wait between two lines of the backup.
constexpr int WaitPerLineMs = 100;

const QString ClosingText = QStringLiteral("O sistema será encerrado...");
const QString FixUpVersion = QStringLiteral("0.3.3.4");

// A message dialog of the error kind with a single OK button.
void ShowErrorDialog(const QString& texto) {
    TPromptRequest request;
    request.Caption = QStringLiteral("Erro");
    request.Text = texto;
    request.Icon = TMsgDlgType::mtError;
    request.Buttons = {TMsgDlgBtn::mbOK};
    TPrompter::Current().Prompt(request);
}

QString ConnectionMessage(const QString& caminho, const QString& erro) {
    return QStringLiteral("Não foi possível efetuar a conexão com o banco de dados:\r") + caminho +
           QStringLiteral("\r\r") + QStringLiteral("Erro: ") + erro + QStringLiteral("\r\r") + ClosingText;
}

// The ways out are the program's own: its repair, or the restore of an
// archive its backup made.
QString DamagedDatabaseMessage(const QString& caminho) {
    return QStringLiteral("O banco de dados está danificado: a versão dos dados não pôde ser lida.\r") +
           caminho + QStringLiteral("\r\r") +
           QStringLiteral("Ele pode ser reparado em Ferramentas → Reparar Base de Dados Corrompida, ou "
                          "substituído por uma cópia de segurança em Ferramentas → Cópia de Segurança → "
                          "Restaurar.");
}

QString MessageOf(const std::exception& e) {
    if (const auto* erro = dynamic_cast<const Exception*>(&e))
        return erro->Message();
    return QString::fromLocal8Bit(e.what());
}

QString ParameterQuery(int id) {
    return QStringList{QStringLiteral("SELECT * FROM PARAMETROS_DEF"),
                       QStringLiteral("WHERE ID_PARAMETRO = ") + QString::number(id)}
        .join(QLatin1Char('\n'));
}

} // namespace

// The restore fix-up script: one statement per line. (Its resource lives in
// this static library and is registered here, outside any namespace.)
static QStringList OccurrenceFixUpScript() {
    Q_INIT_RESOURCE(TDMDefAtualizador);
    QFile arquivo(QStringLiteral(":/atualizacoes/IBSQL_0334_OCORRENCIA.sql"));
    if (!arquivo.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("The occurrence fix-up script is missing from the program."));
    return QString::fromUtf8(arquivo.readAll()).split(QLatin1Char('\n'));
}

TDMDefGeral::TDMDefGeral(TComponent* owner) : TComponent(owner) {
    SetName(QStringLiteral("DMDefGeral"));
    ibDBDef = new TIBDatabase(this);
    ibDBDef->SetName(QStringLiteral("ibDBDef"));
    ibDBDef->SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("lc_ctype=UTF8")});
    ibDBDef->SetLoginPrompt(false);
    ibDBDef->SetSQLDialect(3);

    ibtSQLAuxiliar = MakeTransaction(this, QStringLiteral("ibtSQLAuxiliar"), ibDBDef);
    ibtAuxiliar = MakeTransaction(this, QStringLiteral("ibtAuxiliar"), ibDBDef);
    ibtGeracao = MakeTransaction(this, QStringLiteral("ibtGeracao"), ibDBDef);
    ibtPutErro = MakeTransaction(this, QStringLiteral("ibtPutErro"), ibDBDef);
    ibDBDef->SetDefaultTransaction(ibtSQLAuxiliar);

    ibsqlAuxiliar = new TIBSQL(this);
    ibsqlAuxiliar->SetName(QStringLiteral("ibsqlAuxiliar"));
    ibsqlAuxiliar->SetDatabase(ibDBDef);
    ibsqlAuxiliar->SetTransaction(ibtSQLAuxiliar);

    const TDataChain auxiliar =
        MakeDataChain(this, ibDBDef, ibtAuxiliar, QStringLiteral("Auxiliar"), InitialQueryText);
    ibqAuxiliar = auxiliar.query;
    dspAuxiliar = auxiliar.provider;
    cdsAuxiliar = auxiliar.cds;
    const TDataChain geracao =
        MakeDataChain(this, ibDBDef, ibtGeracao, QStringLiteral("Geracao"), InitialQueryText);
    ibqGeracao = geracao.query;
    dspGeracao = geracao.provider;
    cdsGeracao = geracao.cds;
    const TDataChain putErro =
        MakeDataChain(this, ibDBDef, ibtPutErro, QStringLiteral("PutErro"), InitialQueryText);
    ibqPutErro = putErro.query;
    dspPutErro = putErro.provider;
    cdsPutErro = putErro.cds;
    for (TDataSetProvider* provider : {dspAuxiliar, dspGeracao, dspPutErro})
        provider->SetOptions(poAllowCommandText);

    ibBkp = new TIBBackupService(this);
    ibBkp->SetName(QStringLiteral("ibBkp"));
    ibBkp->SetOptions(TIBBackupService::IgnoreLimbo);
    ibBkp->SetBlockingFactor(0);

    IBSQL_0334_OCORRENCIA_Atualiza = new TIBSQL(this);
    IBSQL_0334_OCORRENCIA_Atualiza->SetName(QStringLiteral("IBSQL_0334_OCORRENCIA_Atualiza"));
    IBSQL_0334_OCORRENCIA_Atualiza->SetSQL(OccurrenceFixUpScript());
    IBSQL = new TIBSQL(this);
    IBSQL->SetName(QStringLiteral("IBSQL"));
    for (TIBSQL* sql : {IBSQL_0334_OCORRENCIA_Atualiza, IBSQL}) {
        sql->SetDatabase(ibDBDef);
        sql->SetTransaction(ibtSQLAuxiliar);
    }

    ibDBDef->BeforeConnect = TNotifyEvent(this, &TDMDefGeral::ibDBDefBeforeConnect);
    ibDBDef->AfterConnect = TNotifyEvent(this, &TDMDefGeral::ibDBDefAfterConnect);

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
        TransactionScope transacao(*ibtSQLAuxiliar);
        ibsqlAuxiliar->ExecQuery();
        ibsqlAuxiliar->Close();
        transacao.Commit();
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

bool TDMDefGeral::OpenIn(TClientDataSet* dataSet, const QString& sql) {
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
    return OpenIn(cdsAuxiliar, sql);
}

bool TDMDefGeral::AbreConsultaPutErro(const QString& sql) {
    return OpenIn(cdsPutErro, sql);
}

QString TDMDefGeral::ProximoSequencial(int idParametro) {
    if (!AbreConsulta(ParameterQuery(idParametro)) || cdsAuxiliar->IsEmpty())
        RuleMessages::Refuse(RuleMessages::QueryFailed);
    QString novo;
    try {
        TField* valor = cdsAuxiliar->FieldByName(QStringLiteral("VL_PARAM1"));
        const Currency proximo = valor->AsCurrency() + Currency::fromUnits(1);
        novo = FloatToStr(proximo.toDouble());
        cdsAuxiliar->Edit();
        valor->SetAsCurrency(proximo);
        cdsAuxiliar->Post();
        ApplyAllUpdates(*cdsAuxiliar);
    } catch (const std::exception&) {
        if (cdsAuxiliar->Active())
            cdsAuxiliar->Close();
        RuleMessages::Refuse(RuleMessages::QueryFailed);
    }
    return novo;
}

QString TDMDefGeral::LeVersaoDados() {
    if (!AbreConsulta(ParameterQuery(1)))
        return {};
    return cdsAuxiliar->FieldByName(QStringLiteral("TX_PARAM1"))->AsString();
}

Currency TDMDefGeral::LeValorMaximo() {
    if (!AbreConsulta(ParameterQuery(2)))
        return {};
    return cdsAuxiliar->FieldByName(QStringLiteral("VL_PARAM1"))->AsCurrency();
}

QString TDMDefGeral::ProgramFolder() const {
    return m_programFolder.isEmpty() ? AppFolders::ExecutableFolder() : m_programFolder;
}

void TDMDefGeral::DataModuleCreate() {
    m_failed = false;
    if (ConectaBanco())
        BackupAutomatico();
}

void TDMDefGeral::Fail() {
    m_failed = true;
    if (EndRun)
        EndRun();
}

void TDMDefGeral::Refuse(const QString& mensagem) {
    if (ibDBDef->Connected())
        ibDBDef->Close();
    MsgErroSistema(mensagem);
    Fail();
}

bool TDMDefGeral::ConectaBanco() {
    const QString caminho = JuntaCaminho(ProgramFolder(), QStringLiteral("Dados/dbdef.gdb"));
    if (ibDBDef->Connected())
        ibDBDef->Close();
    ibDBDef->SetDatabaseName(caminho);
    if (!QFileInfo(caminho).isFile()) {
        MsgErro(QStringLiteral("O arquivo do banco de dados não foi encontrado:\r") + caminho +
                QStringLiteral("\r\r") + ClosingText);
        Fail();
        return false;
    }
    m_failed = false;
    try {
        ibDBDef->Open();
    } catch (const std::exception& e) {
        Refuse(ConnectionMessage(caminho, MessageOf(e)));
        return false;
    }
    return !m_failed;
}

void TDMDefGeral::ibDBDefBeforeConnect(TObject*) {
    ServerProbe& servidor = ServerProbe::Current();
    for (int tentativa = 1; !servidor.ServerRunning(); ++tentativa) {
        if (!servidor.StartGuardian(servidor.GuardianPath())) {
            RuleMessages::Refuse(QStringLiteral("Não foi possível efetuar a conexão com o banco de dados.\r\r"
                                                "Motivo: O servidor do Interbase não encontra-se ativo."));
        }
        servidor.Wait(ServerWaitMs);
        if (tentativa >= ServerAttempts)
            break;
    }
    if (!QFileInfo(ibDBDef->DatabaseName()).isFile())
        Abort();
}

void TDMDefGeral::ibDBDefAfterConnect(TObject*) {
    const QString versao = LeVersaoDados();
    if (versao.isEmpty()) {
        const QString texto = DamagedDatabaseMessage(ibDBDef->DatabaseName());
        if (!RepairDatabase) {
            Refuse(texto + QStringLiteral("\r\r") + ClosingText);
            return;
        }
        ibDBDef->Close();
        if (MsgConfirmacao(texto + QStringLiteral("\r\rDeseja repará-lo agora?")))
            RepairDatabase();
        Refuse(ClosingText);
        return;
    }
    if (VerificaVersao(versao, ibDBDef->DatabaseName())) {
        ValorMaximo = LeValorMaximo();
        return;
    }
    Refuse(ClosingText);
}

QString TDMDefGeral::PastaBackup() {
    const QString pasta = JuntaCaminho(ProgramFolder(), QStringLiteral("Backup/"));
    if (!QDir().mkpath(pasta) || !QFileInfo(pasta).isWritable()) {
        MsgErroSistema(QStringLiteral("Erro ao criar a pasta para cópia de segurança dos dados: \r") + pasta);
        return {};
    }
    return pasta;
}

void TDMDefGeral::BackupAutomatico() {
    const QString pasta = PastaBackup();
    if (pasta.isEmpty())
        return;
    RemoveInterruptedBackups(pasta);
    const bool conectado = ibDBDef->Connected();
    if (!WriteBackup(pasta)) {
        Fail();
        return;
    }
    if (conectado && !ibDBDef->Connected())
        ConectaBanco();
}

void TDMDefGeral::RemoveInterruptedBackups(const QString& pasta) {
    const QString modelo = TemporaryBackupPrefix + QStringLiteral("??????") + TemporaryBackupSuffix;
    const QStringList restos = QDir(pasta).entryList({modelo}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& resto : restos)
        QFile::remove(QDir(pasta).filePath(resto));
}

bool TDMDefGeral::WriteBackup(const QString& pasta) {
    const QString arquivo = JuntaCaminho(pasta, QStringLiteral("dbdef.gbk"));
    QString temporario;
    try {
        temporario = TempPaths::CreateFile(TemporaryBackupPrefix, TemporaryBackupSuffix, pasta);
        RunBackup(temporario);
        DurableFile::Replace(temporario, arquivo);
        return true;
    } catch (const EAbort&) {
        QFile::remove(temporario);
        return false;
    } catch (const EIBError& e) {
        if (e.HasErrorCode(CorruptDatabaseCode))
            ShowErrorDialog(QStringLiteral("O Banco de dados está corrompido."));
        else
            ShowErrorDialog(QStringLiteral("Erro ao criar a cópia de segurança automática dos dados.\r\r"
                                           "Erro: ") +
                            e.Message());
    } catch (const std::exception& e) {
        ShowErrorDialog(QStringLiteral("Erro ao criar a cópia de segurança automática dos dados.\r\rErro: ") +
                        MessageOf(e));
    }
    if (!temporario.isEmpty())
        QFile::remove(temporario);
    return true;
}

void TDMDefGeral::RunBackup(const QString& arquivo) {
    ibBkp->SetParams(ibDBDef->Params().filter(QStringLiteral("user_name"), Qt::CaseInsensitive) +
                     ibDBDef->Params().filter(QStringLiteral("password"), Qt::CaseInsensitive));
    ibBkp->SetServerName(QString());
    ibBkp->SetLoginPrompt(false);
    if (ibDBDef->Connected())
        ibDBDef->Close();
    // The window goes whatever happens, after the backup's process.
    const std::unique_ptr<TComponent> janela(MakeBackupWindow ? MakeBackupWindow(this) : nullptr);

    // The service's lines (one per table and per batch of rows) are what
    // lets the window live while the backup runs.
    ibBkp->SetVerbose(true);
    ibBkp->SetOptions(TIBBackupService::IgnoreLimbo | TIBBackupService::NonTransportable);
    ibBkp->SetDatabaseName(ibDBDef->DatabaseName());
    ibBkp->SetBackupFile({arquivo});
    // The task runs in a process of its own: a run that ends part-way kills
    // it, before its file is removed, instead of leaving the engine a task to
    // finish while the program goes away.
    BackupProcess tarefa(*ibBkp);
    while (!tarefa.Eof()) {
        tarefa.WaitForLine(WaitPerLineMs);
        if (ProcessEvents && !ProcessEvents())
            Abort();
    }
}

bool TDMDefGeral::OcorrenciaExiste() {
    return AbreConsulta(QStringLiteral("SELECT SQ_OCORRENCIA_DEF FROM FUNDAMENTACAO_LEGAL_DEF \n"
                                       "WHERE SQ_OCORRENCIA_DEF = 276 ")) &&
           !cdsAuxiliar->IsEmpty() &&
           cdsAuxiliar->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsInteger() == 276;
}

void TDMDefGeral::IncluiOcorrencia() {
    try {
        TransactionScope transacao(*ibtSQLAuxiliar);
        for (const QString& linha : IBSQL_0334_OCORRENCIA_Atualiza->SQL()) {
            if (linha.trimmed().isEmpty())
                continue;
            IBSQL->SetSQLText(linha.trimmed());
            IBSQL->ExecQuery();
            IBSQL->Close();
        }
        transacao.Commit();
    } catch (const std::exception&) {
        MsgErro(QStringLiteral("Erro ao atualizar ocorrencia"));
    }
}

bool TDMDefGeral::CampoTamanhoNove() {
    return AbreConsulta(QStringLiteral("SELECT nu_tamanho_campo FROM campos_def WHERE sq_campo = 204 ")) &&
           !cdsAuxiliar->IsEmpty() &&
           cdsAuxiliar->FieldByName(QStringLiteral("nu_tamanho_campo"))->AsInteger() == 9;
}

void TDMDefGeral::CorrigeTamanhoCampo() {
    try {
        TransactionScope transacao(*ibtSQLAuxiliar);
        IBSQL->SetSQLText(QStringLiteral("UPDATE campos_def SET nu_tamanho_campo = 6 WHERE sq_campo = 204"));
        IBSQL->ExecQuery();
        IBSQL->Close();
        transacao.Commit();
    } catch (const std::exception&) {
        MsgErro(QStringLiteral("Erro ao atualizar campos de definição"));
    }
}

bool TDMDefGeral::ApplyRestoreFixUps() {
    if (LeVersaoDados() != FixUpVersion)
        return false;
    if (!OcorrenciaExiste())
        IncluiOcorrencia();
    if (CampoTamanhoNove())
        CorrigeTamanhoCampo();
    return true;
}
