#include "core/data/StoredSum.h"

#include "core/data/TDMDefGeral.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

Currency StoredSum(const QString& column) {
    return DMDefGeral->cdsAuxiliar->FieldByName(column)->AsCurrency();
}

int StoredCount(const QString& column) {
    return DMDefGeral->cdsAuxiliar->FieldByName(column)->AsInteger();
}
