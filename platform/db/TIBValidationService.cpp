#include "platform/db/TIBValidationService.h"

#include "platform/db/IBParamBlock.h"

#include <ibase.h>

#include <QFile>

TIBValidationService::TIBValidationService(TComponent* owner) : TIBCustomService(owner) {}

void TIBValidationService::ServiceStart() {
    CheckActive();
    if (m_databaseName.isEmpty())
        throw EDatabaseError(QStringLiteral("A verificação não tem o nome da base de dados."));
    IBParamBlock request;
    request.AddTag(isc_action_svc_repair);
    request.AddLongString(isc_spb_dbname, QFile::encodeName(m_databaseName));
    request.AddInt(isc_spb_options, static_cast<std::int32_t>(m_options.toInt()));
    StartTask(request);
}
