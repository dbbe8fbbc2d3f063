#include "platform/db/TIBBackupService.h"

#include "platform/db/IBParamBlock.h"

#include <ibase.h>

#include <QFile>

TIBBackupService::TIBBackupService(TComponent* owner) : TIBCustomService(owner) {}

void TIBBackupService::ServiceStart() {
    CheckActive();
    if (m_databaseName.isEmpty())
        throw EDatabaseError(QStringLiteral("A cópia de segurança não tem o nome da base de dados."));
    if (m_backupFile.isEmpty())
        throw EDatabaseError(QStringLiteral("A cópia de segurança de %1 não tem o nome do arquivo a gravar.")
                                 .arg(m_databaseName));
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
