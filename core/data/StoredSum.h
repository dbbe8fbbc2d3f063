#pragma once
// A column of the single row that the last ad-hoc query of the general data
// module (DMDefGeral.cdsAuxiliar) returned, read as the database gave it.

#include "platform/base/Currency.h"

#include <QString>

// A money sum, as the stored values add up (not cut); no rows count 0.
Currency StoredSum(const QString& column);
// A count.
int StoredCount(const QString& column);
