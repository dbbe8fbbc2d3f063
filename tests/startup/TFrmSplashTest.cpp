#include "startup/TFrmSplash.h"
#include "core/util/SystemIdentity.h"
#include "platform/ui/TLabel.h"

#include <gtest/gtest.h>

#include <memory>

TEST(TFrmSplashTest, PictureAndTextsEachWithTheirShadow) {
    std::unique_ptr<TFrmSplash> splash(TForm::Create<TFrmSplash>(nullptr));
    EXPECT_EQ(splash->Caption(), QStringLiteral("ZEB"));
    EXPECT_EQ(splash->BorderIcons(), 0u);
    EXPECT_EQ(splash->ClientWidth(), 424);
    EXPECT_EQ(splash->ClientHeight(), 249);
    EXPECT_EQ(splash->lblOrgao->Caption(), AuthorityName);
    EXPECT_EQ(splash->lblProduto->Caption(), QStringLiteral("ZEB ") + ProductLongName);
    EXPECT_EQ(splash->lblAguarde->Caption(), QStringLiteral("Aguarde, carregando o banco  de  dados....."));
    for (auto [texto, sombra] : {std::pair{splash->lblOrgao, splash->lblOrgaoSombra},
                                 std::pair{splash->lblProduto, splash->lblProdutoSombra},
                                 std::pair{splash->lblAguarde, splash->lblAguardeSombra}}) {
        EXPECT_EQ(sombra->Caption(), texto->Caption());
        EXPECT_EQ(sombra->Left() - texto->Left(), 2);
        EXPECT_EQ(sombra->Top() - texto->Top(), 2);
        EXPECT_TRUE(texto->Transparent());
    }
}
