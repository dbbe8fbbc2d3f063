#pragma once
// The reason of a failed system call, in Portuguese, for messages the user
// reads: the common causes in words of our own, the system's text otherwise.

#include <QString>

// The text for an errno value ("disco cheio", "permissão negada", ...).
QString SystemErrorText(int error);
