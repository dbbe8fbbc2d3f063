#include "core/util/ValorCampoSQL.h"

#include "platform/base/Currency.h"
#include "platform/db/SqlLiteral.h"
#include "platform/db/TField.h"

#include <QDateTime>

QString ValorCampoSQL(const TField* field) {
    if (!field || field->IsNull())
        return SqlLiteral(QVariant());
    switch (field->DataType()) {
    case ftString:
    case ftWideString:
    case ftMemo:
        return SqlQuoted(field->AsString());
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftLargeint:
        return SqlLiteral(static_cast<qlonglong>(field->AsLargeInt()));
    case ftFloat:
        return SqlLiteral(field->AsFloat());
    case ftCurrency:
    case ftBCD:
        return SqlLiteral(QVariant::fromValue(field->AsCurrency()));
    case ftDate:
        return SqlQuoted(field->AsDateTime().date().toString(QStringLiteral("MM/dd/yyyy")));
    case ftDateTime:
        return SqlQuoted(field->AsDateTime().toString(QStringLiteral("MM/dd/yyyy hh:mm:ss")));
    default:
        return SqlLiteral(QVariant());
    }
}
