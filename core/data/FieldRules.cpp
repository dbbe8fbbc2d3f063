#include "core/data/FieldRules.h"

#include "platform/base/SysUtils.h"
#include "platform/db/TField.h"

#include <algorithm>
#include <limits>

namespace {

constexpr qint64 NotAnInteger = std::numeric_limits<qint64>::min();

bool ZeroOrNotInteger(const QString& texto) {
    const qint64 valor = StrToInt64Def(texto, NotAnInteger);
    return valor == 0 || valor == NotAnInteger;
}

} // namespace

bool AreaCodeInvalid(const QString& texto) {
    const QString ddd = texto.trimmed();
    if (ddd.isEmpty())
        return false;
    return ddd.size() == 1 || ZeroOrNotInteger(ddd);
}

bool TelephoneInvalid(const QString& texto) {
    const QString telefone = texto.trimmed();
    return !telefone.isEmpty() && ZeroOrNotInteger(telefone);
}

void SetTextOrNull(TField* field, const QString& texto) {
    if (texto.trimmed().isEmpty())
        field->Clear();
    else
        field->SetAsString(texto);
}

Currency TypedAmount(const QString& texto) {
    // Decimals past the hundredths are dropped from the text itself, so that
    // no rounding of a fifth decimal can carry into the cents.
    QString numero = texto.trimmed();
    const qsizetype virgula = numero.indexOf(QLatin1Char(','));
    if (virgula >= 0) {
        const QString decimais = numero.mid(virgula + 1);
        const bool soDigitos =
            std::all_of(decimais.cbegin(), decimais.cend(), [](QChar c) { return c.isDigit(); });
        if (soDigitos && decimais.size() > 2)
            numero.truncate(virgula + 3);
    }
    return StrToCurr(numero).truncatedToCents();
}
