#include "platform/db/TIBCustomService.h"

#include "platform/db/EIBError.h"
#include "platform/db/FbClient.h"
#include "platform/db/IBParamBlock.h"

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
            QStringLiteral("Only the local engine's services are available, not those of %1.")
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
    EIBError::Check(status, QStringLiteral("Cannot attach to the service manager:"));
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
        throw EDatabaseError(QStringLiteral("The service %1 is not active.").arg(Name()));
}

void TIBCustomService::StartTask(const IBParamBlock& request) {
    CheckActive();
    ISC_STATUS_ARRAY status{};
    FbClient::Instance().service_start(status, &m_handle, nullptr,
                                       static_cast<unsigned short>(request.Length()), request.Data());
    EIBError::Check(status);
    m_eof = false;
    m_pendingLine.reset();
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
    if (status[0] == isc_arg_gds && status[1] != 0) {
        m_eof = true;
        throw EIBError::FromStatus(status);
    }
    if (answer[0] != isc_info_svc_line)
        return false;
    const int length = static_cast<int>(fb.vax_integer(answer.constData() + 1, 2));
    if (length < 0 || length > answer.size() - 3)
        return false;
    line = QString::fromUtf8(answer.constData() + 3, length);
    return true;
}

QString TIBCustomService::GetNextLine() {
    CheckActive();
    if (m_eof)
        return QString();
    if (m_pendingLine) {
        const QString line = *std::exchange(m_pendingLine, std::nullopt);
        return line;
    }
    QString line;
    if (!QueryLine(line)) {
        m_eof = true;
        return QString();
    }
    // An empty line is a blank line of the output, or its end once the task
    // is over; after the task, the line that follows tells which.
    if (!line.isEmpty() || IsServiceRunning())
        return line;
    QString next;
    if (!QueryLine(next) || next.isEmpty()) {
        m_eof = true;
        return QString();
    }
    m_pendingLine = next;
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
