#include "platform/db/TIBBackupService.h"

#include "platform/db/IBParamBlock.h"

#include <ibase.h>

#include <QFile>

TIBBackupService::TIBBackupService(TComponent* owner) : TIBCustomService(owner) {}

void TIBBackupService::ServiceStart() {
    CheckActive();
    if (m_databaseName.isEmpty())
        throw EDatabaseError(QStringLiteral("The backup has no database name."));
    if (m_backupFile.isEmpty())
        throw EDatabaseError(QStringLiteral("The backup of %1 has no backup file.").arg(m_databaseName));
    IBParamBlock request;
    request.AddTag(isc_action_svc_backup);
    request.AddLongString(isc_spb_dbname, QFile::encodeName(m_databaseName));
    for (const QString& file : m_backupFile)
        request.AddLongString(isc_spb_bkp_file, QFile::encodeName(file));
    if (m_verbose)
        request.AddTag(isc_spb_verbose);
    request.AddInt(isc_spb_options, static_cast<std::int32_t>(m_options.toInt()));
    if (m_blockingFactor > 0)
        request.AddInt(isc_spb_bkp_factor, m_blockingFactor);
    StartTask(request);
}
