// zeb-icms-backup: the worker process in which the program runs its
// automatic backup (see platform/db/BackupProcess.h). It reads its request on
// standard input, writes the service's lines on standard output and its
// failure, if any, on standard error.

#include "platform/db/BackupWorker.h"

#include <QFile>

#include <cstdlib>
#include <unistd.h>

int main() {
    QFile input;
    QFile lines;
    QFile failure;
    // Straight to the descriptors: each line reaches the program as it is written.
    input.open(STDIN_FILENO, QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
    lines.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    failure.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    // The backup is over and its file closed once Run returns, but the
    // engine's service thread may still be winding down: unloading the
    // engine under it (the exit handlers, or a shutdown of the engine) can
    // crash. Nothing of the worker is left to save, so it ends at once.
    std::_Exit(BackupWorker::Run(input, lines, failure));
}
