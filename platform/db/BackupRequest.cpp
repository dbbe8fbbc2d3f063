#include "platform/db/BackupRequest.h"

#include "platform/base/Exceptions.h"
#include "platform/db/TIBBackupService.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr quint32 Signature = 0x5a424b31; // "ZBK1"

} // namespace

BackupRequest BackupRequest::Of(TIBBackupService& service) {
    return {service.Params(),     service.DatabaseName(),
            service.BackupFile(), static_cast<int>(service.Options().toInt()),
            service.Verbose(),    service.BlockingFactor()};
}

void BackupRequest::ApplyTo(TIBBackupService& service) const {
    service.SetParams(params);
    service.SetServerName(QString());
    service.SetLoginPrompt(false);
    service.SetDatabaseName(databaseName);
    service.SetBackupFile(backupFiles);
    service.SetOptions(TIBBackupService::OptionSet::fromInt(options));
    service.SetVerbose(verbose);
    service.SetBlockingFactor(blockingFactor);
}

QByteArray BackupRequest::Encode() const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << Signature << params << databaseName << backupFiles << qint32(options) << verbose
        << qint32(blockingFactor);
    return bytes;
}

BackupRequest BackupRequest::Decode(const QByteArray& bytes) {
    QDataStream in(bytes);
    quint32 signature = 0;
    qint32 options = 0;
    qint32 blockingFactor = 0;
    BackupRequest request;
    in >> signature >> request.params >> request.databaseName >> request.backupFiles >> options >>
        request.verbose >> blockingFactor;
    if (signature != Signature || in.status() != QDataStream::Ok || !in.atEnd())
        throw EDatabaseError(QStringLiteral("O pedido de cópia de segurança recebido está incompleto."));
    request.options = options;
    request.blockingFactor = blockingFactor;
    return request;
}
