#include "platform/db/BackupWorker.h"

#include "platform/db/BackupRequest.h"
#include "platform/db/EIBError.h"
#include "platform/db/TIBBackupService.h"

#include <QDataStream>
#include <QIODevice>

namespace {

constexpr quint8 EngineRecord = 1;
constexpr quint8 MessageRecord = 2;

} // namespace

int BackupWorker::Run(QIODevice& input, QIODevice& lines, QIODevice& failure) {
    try {
        TIBBackupService service;
        BackupRequest::Decode(input.readAll()).ApplyTo(service);
        service.Attach();
        service.ServiceStart();
        while (!service.Eof()) {
            const QString line = service.GetNextLine();
            if (service.Eof())
                break;
            lines.write(line.toUtf8() + '\n');
        }
        service.Detach();
        return 0;
    } catch (const EIBError& e) {
        WriteFailure(failure, &e, e.Message());
    } catch (const Exception& e) {
        WriteFailure(failure, nullptr, e.Message());
    } catch (const std::exception& e) {
        WriteFailure(failure, nullptr, QString::fromLocal8Bit(e.what()));
    }
    return 1;
}

void BackupWorker::WriteFailure(QIODevice& failure, const EIBError* engineError, const QString& message) {
    QByteArray record;
    QDataStream out(&record, QIODevice::WriteOnly);
    if (engineError) {
        QList<qint64> codes;
        for (const std::int64_t code : engineError->ErrorCodes())
            codes << code;
        out << EngineRecord << message << qint32(engineError->SQLCode()) << codes;
    } else
        out << MessageRecord << message;
    failure.write(record);
}

void BackupWorker::RaiseFailure(const QByteArray& record, const QString& fallback) {
    QDataStream in(record);
    quint8 kind = 0;
    QString message;
    in >> kind >> message;
    if (kind == EngineRecord) {
        qint32 sqlCode = 0;
        QList<qint64> codes;
        in >> sqlCode >> codes;
        if (in.status() == QDataStream::Ok)
            throw EIBError(message, sqlCode, {codes.cbegin(), codes.cend()});
    } else if (kind == MessageRecord && in.status() == QDataStream::Ok) {
        throw EDatabaseError(message);
    }
    throw EDatabaseError(fallback);
}
