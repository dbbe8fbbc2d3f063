#include "core/util/SystemIdentity.h"

namespace {
// The part of the authority's name that names the state.
const QString StateSuffix = QStringLiteral("do Estado do Korvit");
} // namespace

const QString AuthorityName = QStringLiteral("Secretaria de Estado da Fazenda do Estado do Korvit");
const QString AuthorityAcronym = QStringLiteral("SEFAZ-KV");
const QString ProductLongName = QStringLiteral("Declaração Econômico-Fiscal do ICMS");
const QString SystemCode = QStringLiteral("KORVIT");
const QString SystemTitle = QStringLiteral("ZEB-ICMS - ") + ProductLongName;
QString UserName;

QString SystemAuthorityAcronym() {
    return AuthorityAcronym;
}

QString AuthorityDisplayName() {
    const int sufixo = AuthorityName.indexOf(StateSuffix);
    return sufixo < 0 ? AuthorityName : AuthorityName.left(sufixo);
}
