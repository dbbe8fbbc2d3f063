#include "core/data/SqlText.h"

#include "platform/base/SysUtils.h"

QString ChaveSQL(const QString& chave) {
    return QString::number(StrToInt64(chave));
}

QString TextoSQL(const QString& texto) {
    QString quoted = texto;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}
