#include "core/util/ValorCampoSQL.h"

#include "platform/base/Currency.h"
#include "platform/db/TField.h"

#include <QDateTime>

namespace {

const QString Nulo = QStringLiteral("null");

QString TextoSQL(const QString& texto) {
    QString dobrado = texto;
    dobrado.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + dobrado + QLatin1Char('\'');
}

QString NumeroSQL(double valor) {
    // 15 significant digits read back as the value that was typed.
    return QString::number(valor, 'g', 15);
}

// Currency text without the trailing zeros of its four decimals.
QString MoedaSQL(Currency valor) {
    QString texto = valor.toString();
    while (texto.endsWith(QLatin1Char('0')))
        texto.chop(1);
    if (texto.endsWith(QLatin1Char('.')))
        texto.chop(1);
    return texto;
}

} // namespace

QString ValorCampoSQL(const TField* field) {
    if (!field || field->IsNull())
        return Nulo;
    switch (field->DataType()) {
    case ftString:
    case ftWideString:
    case ftMemo:
        return TextoSQL(field->AsString());
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftLargeint:
        return QString::number(field->AsLargeInt());
    case ftFloat:
        return NumeroSQL(field->AsFloat());
    case ftCurrency:
    case ftBCD:
        return MoedaSQL(field->AsCurrency());
    case ftDate:
        return TextoSQL(field->AsDateTime().date().toString(QStringLiteral("MM/dd/yyyy")));
    case ftDateTime:
        return TextoSQL(field->AsDateTime().toString(QStringLiteral("MM/dd/yyyy hh:mm:ss")));
    default:
        return Nulo;
    }
}
