#pragma once
// One running copy per user.

#include <QString>

class SingleInstanceGuard;
class TForm;

enum class InstanceCheck {
    Sole,           // no other copy runs: the guard holds the lock
    AlreadyRunning, // another copy runs and was asked to come forward
    Failed,         // the lock could not be made at all
};

// Sole when no other copy runs. Otherwise says "Esta aplicação já se
// encontra ativa neste computador.", asks the running copy to come forward,
// keeps the main form hidden, ends the run and returns AlreadyRunning. When the
// lock cannot be made at all, says so (with the reason) instead, ends the
// run the same way and returns Failed.
InstanceCheck VerificaInstanciaUnica(SingleInstanceGuard& guard);

// Brings the main form forward when another copy asks it to, restoring it
// when minimised.
void ServeActivationRequests(SingleInstanceGuard& guard);
