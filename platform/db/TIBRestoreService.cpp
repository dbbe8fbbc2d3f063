#include "platform/db/TIBRestoreService.h"

#include "platform/db/IBParamBlock.h"

#include <ibase.h>

#include <QFile>
#include <QFileInfo>

TIBRestoreService::TIBRestoreService(TComponent* owner) : TIBCustomService(owner) {}

void TIBRestoreService::ServiceStart() {
    CheckActive();
    if (m_databaseName.isEmpty())
        throw EDatabaseError(QStringLiteral("A restauração não tem o nome da base de dados."));
    if (m_backupFile.isEmpty())
        throw EDatabaseError(QStringLiteral("A restauração de %1 não tem o arquivo da cópia de segurança.")
                                 .arg(m_databaseName.first()));
    const bool replace = m_options.testFlag(Replace);
    if (!replace)
        for (const QString& target : m_databaseName)
            if (QFileInfo::exists(target))
                throw EDatabaseError(
                    QStringLiteral(
                        "A restauração não substitui o arquivo existente %1 sem que isso seja pedido.")
                        .arg(target));
    OptionSet options = m_options;
    // The engine must be told either to create or to replace.
    if (!replace)
        options |= CreateNewDB;

    IBParamBlock request;
    request.AddTag(isc_action_svc_restore);
    for (const QString& file : m_backupFile)
        request.AddLongString(isc_spb_bkp_file, QFile::encodeName(file));
    for (const QString& target : m_databaseName)
        request.AddLongString(isc_spb_dbname, QFile::encodeName(target));
    if (m_verbose)
        request.AddTag(isc_spb_verbose);
    request.AddInt(isc_spb_options, static_cast<std::int32_t>(options.toInt()));
    if (m_pageSize > 0)
        request.AddInt(isc_spb_res_page_size, m_pageSize);
    if (m_pageBuffers > 0)
        request.AddInt(isc_spb_res_buffers, m_pageBuffers);
    StartTask(request);
}
