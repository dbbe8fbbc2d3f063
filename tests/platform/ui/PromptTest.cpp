#include "platform/base/TPrompter.h"
#include "platform/db/EIBError.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

TEST(PromptTest, MessageBoxFlagsMapTheProgramsBoxesToButtonsIconsAndDefaults) {
    // Confirmation: Yes/No with the question icon, Yes first and default.
    const TPromptRequest confirm = TPromptRequest::FromMessageBoxFlags("t", "Confirmação", 36);
    EXPECT_EQ(confirm.Buttons, (std::vector{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}));
    EXPECT_EQ(confirm.Icon, TMsgDlgType::mtConfirmation);
    EXPECT_EQ(confirm.DefaultButton, TMsgDlgBtn::mbYes);
    EXPECT_FALSE(confirm.SystemModal);

    // Warning with No as the default button.
    const TPromptRequest warning = TPromptRequest::FromMessageBoxFlags("t", "Confirmação", 308);
    EXPECT_EQ(warning.Icon, TMsgDlgType::mtWarning);
    EXPECT_EQ(warning.DefaultButton, TMsgDlgBtn::mbNo);

    // System-modal, topmost information and error boxes.
    const TPromptRequest info = TPromptRequest::FromMessageBoxFlags("t", "Informa", 266288);
    EXPECT_EQ(info.Buttons, std::vector{TMsgDlgBtn::mbOK});
    EXPECT_EQ(info.Icon, TMsgDlgType::mtWarning);
    EXPECT_TRUE(info.SystemModal);
    const TPromptRequest error = TPromptRequest::FromMessageBoxFlags("t", "Erro", 266256);
    EXPECT_EQ(error.Icon, TMsgDlgType::mtError);
    EXPECT_TRUE(error.SystemModal);
    EXPECT_FALSE(TPromptRequest::FromMessageBoxFlags("t", "Erro", 16).SystemModal);
}

TEST(PromptTest, ScriptedPrompterAnswersInOrderAndRecordsWhatWasShown) {
    ScriptedPrompter prompter;
    prompter.Answer(mrNo).Answer(mrYes).AnswerPath("/tmp/saida.zeb");

    EXPECT_EQ(Application->MessageBox("Excluir registro corrente?", "Confirmação", 36), mrNo);
    EXPECT_EQ(Application->MessageBox("Deseja continuar?", "Advertência", 36), mrYes);
    TPromptRequest save;
    save.Kind = TPromptKind::pkSaveFile;
    save.Caption = "Salvar";
    save.DefaultExt = "zeb";
    EXPECT_EQ(TPrompter::Current().Prompt(save).Path, "/tmp/saida.zeb");

    ASSERT_EQ(prompter.Count(), 3);
    EXPECT_EQ(prompter.Requests()[0].Text, "Excluir registro corrente?");
    EXPECT_EQ(prompter.Requests()[0].Caption, "Confirmação");
    EXPECT_EQ(prompter.Requests()[1].Caption, "Advertência");
    EXPECT_EQ(prompter.Last().Kind, TPromptKind::pkSaveFile);
    EXPECT_EQ(prompter.Last().DefaultExt, "zeb");
}

TEST(PromptTest, ScriptedPrompterPutsThePreviousPrompterBack) {
    TPrompter* outer = &TPrompter::Current();
    {
        ScriptedPrompter inner;
        EXPECT_EQ(&TPrompter::Current(), &inner);
    }
    EXPECT_EQ(&TPrompter::Current(), outer);
}

namespace {
int UnexpectedPromptAnswer() {
    ScriptedPrompter prompter;
    return Application->MessageBox("Sem resposta", "Erro", 16);
}
} // namespace

TEST(PromptTest, ScriptedPrompterAnUnexpectedPromptFailsTheTestAndCancels) {
    static int answer = -1;
    EXPECT_NONFATAL_FAILURE(answer = UnexpectedPromptAnswer(), "Unexpected prompt \"Erro\": Sem resposta");
    EXPECT_EQ(answer, mrCancel);
}

TEST(PromptTest, DefaultExceptionDisplayShowsEveryExceptionButTheSilentAbort) {
    ScriptedPrompter prompter;
    prompter.Answer(mrOk).Answer(mrOk).Answer(mrOk);

    EXPECT_FALSE(Application->SafeCall(nullptr, [] { throw EDatabaseError("Falha na gravação"); }));
    EXPECT_FALSE(Application->SafeCall(nullptr, [] { Abort(); }));
    EXPECT_FALSE(Application->SafeCall(nullptr, [] { throw std::runtime_error("bad conversion"); }));
    EXPECT_FALSE(Application->SafeCall(nullptr, [] { throw EIBError("lock conflict", -901, {335544345}); }));
    EXPECT_TRUE(Application->SafeCall(nullptr, [] {}));

    ASSERT_EQ(prompter.Count(), 3);
    EXPECT_EQ(prompter.Requests()[0].Text, "Falha na gravação");
    EXPECT_EQ(prompter.Requests()[0].Caption, "ZEB-ICMS");
    EXPECT_EQ(prompter.Requests()[0].Icon, TMsgDlgType::mtError);
    EXPECT_EQ(prompter.Requests()[1].Text, "Erro inesperado: bad conversion");
    EXPECT_EQ(prompter.Requests()[2].Text, "O banco de dados não pôde concluir a operação.\n\nlock conflict");
}

TEST(PromptTest, DefaultExceptionDisplayAnInterruptedHandlerDoesNotLeaveTheHourglass) {
    ScriptedPrompter prompter;
    prompter.Answer(mrOk);
    Application->SafeCall(nullptr, [] {
        Screen->SetCursor(crHourGlass);
        throw Exception("Erro na reparação do Banco de Dados!");
    });
    EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST(PromptTest, DefaultExceptionDisplayOnExceptionReplacesTheBox) {
    ScriptedPrompter prompter; // no prompt expected
    QString seen;
    Application->OnException = TEvent<TObject*, const Exception&>::fromFunction(
        [&](TObject*, const Exception& e) { seen = e.Message(); });
    Application->SafeCall(nullptr, [] { throw Exception("tratada"); });
    Application->OnException = nullptr;
    EXPECT_EQ(seen, "tratada");
}
