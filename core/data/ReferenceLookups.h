#pragma once
// Lookups in the reference tables used by the detail pages: membership of a
// fiscal operation code in code group 2, and the entry hint of a
// complementary-data field. Database errors pass to the caller.

#include <QString>

// True when the code belongs to the current (open-ended) grouping of code
// group 2: exactly one row of GRUPAMENTO_CFOP.
bool PertenceGrupoCFOP2(int codigo);

// The hint shown under a complementary-data field of the given meaning: a
// fixed text for the meanings the program knows, else the format stored in
// CG_REF_CODES for the meaning ("Este campo não deverá ser preenchido !"
// when it says "Não Preencher").
QString FormatoDadoComplementar(const QString& significado);
