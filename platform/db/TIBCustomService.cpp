#include "platform/db/TIBCustomService.h"

#include "platform/db/FbClient.h"
#include "platform/db/IBParamBlock.h"

#include <QByteArray>

#include <utility>

static_assert(sizeof(TIBCustomService::Handle) == sizeof(isc_svc_handle));

namespace {

const char ServiceManager[] = "service_mgr";

} // namespace

TIBCustomService::TIBCustomService(TComponent* owner) : TComponent(owner) {}

TIBCustomService::~TIBCustomService() {
    try {
        Detach();
    } catch (const std::exception&) {
        // Nothing to report to while going away.
    }
}

void TIBCustomService::SetActive(bool active) {
    if (active)
        Attach();
    else
        Detach();
}

QString TIBCustomService::ParamValue(const QString& name) const {
    for (const QString& line : m_params) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0 && line.left(eq).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1).trimmed();
    }
    return QString();
}

void TIBCustomService::Attach() {
    if (Active())
        return;
    if (!m_serverName.isEmpty())
        throw EDatabaseError(
            QStringLiteral("Só os serviços do banco de dados local estão disponíveis, não os de %1.")
                .arg(m_serverName));
    IBParamBlock spb(isc_spb_version);
    spb.AddTag(isc_spb_current_version);
    const QString user = ParamValue(QStringLiteral("user_name"));
    spb.AddString(isc_spb_user_name, (user.isEmpty() ? QStringLiteral("SYSDBA") : user).toUtf8());
    const QString password = ParamValue(QStringLiteral("password"));
    if (!password.isEmpty())
        spb.AddString(isc_spb_password, password.toUtf8());
    ISC_STATUS_ARRAY status{};
    Handle handle = 0;
    FbClient::Instance().service_attach(status, 0, ServiceManager, &handle, spb.Length(), spb.Data());
    EIBError::Check(
        status, QStringLiteral("Não foi possível conectar-se ao gerenciador de serviços do banco de dados:"));
    m_handle = handle;
    m_eof = true;
}

void TIBCustomService::Detach() {
    if (!Active())
        return;
    ISC_STATUS_ARRAY status{};
    FbClient::Instance().service_detach(status, &m_handle);
    m_handle = 0;
    m_eof = true;
    EIBError::Check(status);
}

void TIBCustomService::CheckActive() const {
    if (!Active())
        throw EDatabaseError(QStringLiteral("O serviço %1 não está ativo.").arg(Name()));
}

void TIBCustomService::StartTask(const IBParamBlock& request) {
    CheckActive();
    ISC_STATUS_ARRAY status{};
    FbClient::Instance().service_start(status, &m_handle, nullptr,
                                       static_cast<unsigned short>(request.Length()), request.Data());
    m_eof = false;
    m_pendingLine.reset();
    m_report.reset();
    if (status[0] != isc_arg_gds || status[1] == 0)
        return;
    // The task may still be adding to what it reports, or have more to say.
    AddToReport(EIBError::FromStatus(status));
    QString line;
    if (QueryLine(line))
        m_pendingLine = line;
    else
        EndOutput();
}

bool TIBCustomService::IsServiceRunning() {
    CheckActive();
    const char items[] = {isc_info_svc_running};
    char answer[16] = {};
    ISC_STATUS_ARRAY status{};
    const FbClient& fb = FbClient::Instance();
    fb.service_query(status, &m_handle, nullptr, 0, nullptr, sizeof items, items, sizeof answer, answer);
    EIBError::Check(status);
    return answer[0] == isc_info_svc_running && fb.vax_integer(answer + 1, 4) != 0;
}

bool TIBCustomService::QueryLine(QString& line) {
    const char items[] = {isc_info_svc_line};
    QByteArray answer(16384, '\0');
    ISC_STATUS_ARRAY status{};
    const FbClient& fb = FbClient::Instance();
    fb.service_query(status, &m_handle, nullptr, 0, nullptr, sizeof items, items,
                     static_cast<unsigned short>(answer.size()), answer.data());
    if (status[0] == isc_arg_gds && status[1] != 0)
        AddToReport(EIBError::FromStatus(status));
    // Without a time limit the engine answers once it has a line, or once
    // the task is over and its output read: then with an empty line.
    if (answer[0] != isc_info_svc_line)
        return false;
    const int length = static_cast<int>(fb.vax_integer(answer.constData() + 1, 2));
    if (length <= 0 || length > answer.size() - 3)
        return false;
    line = QString::fromUtf8(answer.constData() + 3, length);
    return true;
}

void TIBCustomService::AddToReport(const EIBError& report) {
    // The engine repeats what the task has reported so far, with what it
    // added since; anything else is a report of its own, after the first.
    if (!m_report || report.Message().startsWith(m_report->Message())) {
        m_report = report;
        return;
    }
    m_report = EIBError(m_report->Message() + QLatin1Char('\n') + report.Message(), m_report->SQLCode(),
                        m_report->ErrorCodes() + report.ErrorCodes());
}

void TIBCustomService::EndOutput() {
    m_eof = true;
    m_pendingLine.reset();
    if (m_report)
        throw *std::exchange(m_report, std::nullopt);
}

QString TIBCustomService::GetNextLine() {
    CheckActive();
    if (m_eof)
        return QString();
    if (m_pendingLine)
        return *std::exchange(m_pendingLine, std::nullopt);
    QString line;
    if (!QueryLine(line))
        EndOutput();
    return line;
}

QStringList TIBCustomService::ReadAllOutput() {
    QStringList lines;
    while (!Eof()) {
        const QString line = GetNextLine();
        if (!Eof())
            lines << line;
    }
    return lines;
}
