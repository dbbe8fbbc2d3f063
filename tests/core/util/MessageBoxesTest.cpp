#include "core/util/MessageBoxes.h"

#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace {

using B = TMsgDlgBtn;

struct Expected {
    QString caption;
    TMsgDlgType icon;
    std::vector<TMsgDlgBtn> buttons;
    TMsgDlgBtn defaultButton;
    bool systemModal;
};

void expectBox(const TPromptRequest& request, const Expected& e) {
    EXPECT_EQ(request.Kind, TPromptKind::pkMessage);
    EXPECT_EQ(request.Caption, e.caption);
    EXPECT_EQ(request.Icon, e.icon);
    EXPECT_EQ(request.Buttons, e.buttons);
    EXPECT_EQ(request.DefaultButton, e.defaultButton);
    EXPECT_EQ(request.SystemModal, e.systemModal);
}

} // namespace

TEST(MessageBoxesTest, YesNoBoxesAnswerTrueOnlyOnYes) {
    ScriptedPrompter prompts;
    prompts.Answer(mrYes).Answer(mrNo).Answer(mrYes).Answer(mrNo).Answer(mrYes).Answer(mrCancel);
    EXPECT_TRUE(MsgConfirmacao(QStringLiteral("Continuar?")));
    EXPECT_FALSE(MsgConfirmacao(QStringLiteral("Continuar?")));
    EXPECT_TRUE(MsgAtencao(QStringLiteral("x")));
    EXPECT_FALSE(MsgAtencao(QStringLiteral("x")));
    EXPECT_TRUE(MsgAdvertencia(QStringLiteral("y")));
    EXPECT_FALSE(MsgAdvertencia(QStringLiteral("y")));
}

TEST(MessageBoxesTest, CaptionsIconsAndButtons) {
    ScriptedPrompter prompts;
    for (int i = 0; i < 7; ++i)
        prompts.Answer(i < 3 ? mrYes : mrOk);
    MsgConfirmacao(QStringLiteral("a"));
    MsgAtencao(QStringLiteral("b"));
    MsgAdvertencia(QStringLiteral("c"));
    MsgInforma(QStringLiteral("d"));
    MsgInformaSistema(QStringLiteral("e"));
    MsgErro(QStringLiteral("f"));
    MsgErroSistema(QStringLiteral("g"));
    const auto& r = prompts.Requests();
    ASSERT_EQ(r.size(), 7u);
    expectBox(
        r[0],
        {QStringLiteral("Confirmação"), TMsgDlgType::mtConfirmation, {B::mbYes, B::mbNo}, B::mbYes, false});
    expectBox(r[1],
              {QStringLiteral("Confirmação"), TMsgDlgType::mtWarning, {B::mbYes, B::mbNo}, B::mbNo, false});
    expectBox(
        r[2],
        {QStringLiteral("Advertência"), TMsgDlgType::mtConfirmation, {B::mbYes, B::mbNo}, B::mbYes, false});
    expectBox(r[3], {QStringLiteral("Informa"), TMsgDlgType::mtWarning, {B::mbOK}, B::mbOK, false});
    expectBox(r[4], {QStringLiteral("Informa"), TMsgDlgType::mtWarning, {B::mbOK}, B::mbOK, true});
    expectBox(r[5], {QStringLiteral("Erro"), TMsgDlgType::mtError, {B::mbOK}, B::mbOK, false});
    expectBox(r[6], {QStringLiteral("Erro"), TMsgDlgType::mtError, {B::mbOK}, B::mbOK, true});
    EXPECT_EQ(r[0].Text, QStringLiteral("a"));
    EXPECT_EQ(r[6].Text, QStringLiteral("g"));
}

TEST(MessageBoxesTest, AttentionBoxPrefixesTheText) {
    ScriptedPrompter prompts;
    prompts.Answer(mrNo);
    MsgAtencao(QStringLiteral("Confirma a conversão?"));
    EXPECT_EQ(prompts.Last().Text, QStringLiteral("A T E N Ç Ã O !!!\r\rConfirma a conversão?"));
}
