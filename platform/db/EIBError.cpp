#include "platform/db/EIBError.h"

#include "platform/db/FbClient.h"

#include <QStringList>

EIBError::EIBError(QString message, int sqlCode, QList<std::int64_t> errorCodes)
    : EDatabaseError(std::move(message)), m_sqlCode(sqlCode), m_errorCodes(std::move(errorCodes)) {}

EIBError EIBError::FromStatus(const ISC_STATUS* status, const QString& context) {
    const FbClient& fb = FbClient::Instance();

    QList<std::int64_t> codes;
    for (const ISC_STATUS* p = status; *p != isc_arg_end;) {
        const ISC_STATUS kind = *p++;
        switch (kind) {
        case isc_arg_gds:
            codes << *p++;
            break;
        case isc_arg_cstring:
            p += 2;
            break;
        case isc_arg_warning:
            // Warnings follow the error proper; they are not its cause.
            p = nullptr;
            break;
        default:
            ++p;
            break;
        }
        if (!p)
            break;
    }

    QStringList lines;
    if (!context.isEmpty())
        lines << context;
    const ISC_STATUS* cursor = status;
    char buffer[1024];
    while (fb.interpret(buffer, sizeof buffer, &cursor) > 0)
        lines << QString::fromUtf8(buffer);
    return EIBError(lines.join(QLatin1Char('\n')), fb.sqlcode(status), codes);
}

void EIBError::Check(const ISC_STATUS* status, const QString& context) {
    if (status[0] == isc_arg_gds && status[1] != 0)
        throw FromStatus(status, context);
}
