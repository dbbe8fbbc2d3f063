#pragma once
// The reason of a failed system call, in Portuguese, for messages the user
// reads: the common causes in words of our own, the system's text otherwise.

#include <QString>

class QFileDevice;

// The text for an errno value ("disco cheio", "permissão negada", ...).
QString SystemErrorText(int error);
// The same for the last failure of a file (QFile, QSaveFile), whose reason
// the toolkit words as the system does; a reason of the toolkit's own stays
// as it gives it (in Portuguese under the program's translation).
QString SystemErrorText(const QFileDevice& file);
