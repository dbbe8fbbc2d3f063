// The names by which the program presents itself.

#include "core/util/SystemIdentity.h"
#include "tests/support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(SystemIdentityTest, DisplayNameStopsBeforeTheStateKeepingTheBlank) {
    EXPECT_TRUE(NomeOrgao.startsWith(NomeOrgaoExibicao()));
    EXPECT_TRUE(NomeOrgaoExibicao().endsWith(QLatin1Char(' ')));
    EXPECT_FALSE(NomeOrgaoExibicao().contains(QStringLiteral("Korvit")));
    EXPECT_EQ(TituloSistema, QStringLiteral("ZEB-ICMS - ") + NomeProduto);
    EXPECT_EQ(CodigoSistema, QStringLiteral("KORVIT"));
    EXPECT_TRUE(NomeUsuario.isEmpty());
}

} // namespace
