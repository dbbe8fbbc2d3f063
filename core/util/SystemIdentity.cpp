#include "core/util/SystemIdentity.h"

namespace {
// The part of the authority's name that names the state.
const QString SufixoEstado = QStringLiteral("do Estado do Korvit");
} // namespace

const QString NomeOrgao = QStringLiteral("Secretaria de Estado da Fazenda do Estado do Korvit");
const QString SiglaOrgao = QStringLiteral("SEFAZ-KV");
const QString NomeProduto = QStringLiteral("Declaração Econômico-Fiscal do ICMS");
const QString CodigoSistema = QStringLiteral("KORVIT");
const QString TituloSistema = QStringLiteral("ZEB-ICMS - ") + NomeProduto;
QString NomeUsuario;

QString SiglaOrgaoSistema() {
    return SiglaOrgao;
}

QString NomeOrgaoExibicao() {
    const int sufixo = NomeOrgao.indexOf(SufixoEstado);
    return sufixo < 0 ? NomeOrgao : NomeOrgao.left(sufixo);
}
