#pragma once
// The worker process's side of a backup run apart from the program
// (BackupProcess): reads one BackupRequest from `input` to its end, runs the
// backup through the engine's service manager and writes every line of the
// service's output to `lines` as it comes, one UTF-8 text line each. A
// failure is written to `failure` as one record (WriteFailure) and the result
// is 1; a backup that ends well gives 0.

#include <QByteArray>
#include <QString>

class QIODevice;
class EIBError;

class BackupWorker {
public:
    static int Run(QIODevice& input, QIODevice& lines, QIODevice& failure);

    // The failure record: the engine's message and codes, so that the other
    // side raises the same EIBError (RaiseFailure), or a plain message.
    static void WriteFailure(QIODevice& failure, const EIBError* engineError, const QString& message);
    // Raises what the record says; an empty or unreadable record raises
    // EDatabaseError with `fallback`.
    [[noreturn]] static void RaiseFailure(const QByteArray& record, const QString& fallback);
};
