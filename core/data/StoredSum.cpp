#include "core/data/StoredSum.h"

#include "core/data/TDMDefGeral.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

Currency StoredSum(const char* column) {
    return DMDefGeral->cdsAuxiliar->FieldByName(QString::fromLatin1(column))->AsCurrency();
}

int StoredCount(const char* column) {
    return DMDefGeral->cdsAuxiliar->FieldByName(QString::fromLatin1(column))->AsInteger();
}
