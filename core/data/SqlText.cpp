#include "core/data/SqlText.h"

#include "platform/base/SysUtils.h"

QString KeySQL(const QString& chave) {
    return QString::number(StrToInt64(chave));
}
