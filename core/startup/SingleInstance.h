#pragma once
// One running copy per user.

#include <QString>

class SingleInstanceGuard;
class TForm;

// True when no other copy runs (the guard then holds the lock). Otherwise
// says "Esta aplicação já se encontra ativa neste computador.", asks the
// running copy to come forward, keeps the main form hidden, ends the run and
// returns false. When the lock cannot be made at all, says so (with the
// reason) instead, and ends the run the same way.
bool VerificaInstanciaUnica(SingleInstanceGuard& guard);

// Brings the main form forward when another copy asks it to, restoring it
// when minimised.
void AtendePedidosDeAtivacao(SingleInstanceGuard& guard);
