#include "platform/base/SelectDirectory.h"

#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

TEST(SelectDirectoryTest, AsksForAFolderAndKeepsTheOldOneWhenCancelled) {
    ScriptedPrompter prompter;
    QString folder = QStringLiteral("/antes");
    prompter.AnswerPath(QStringLiteral("/escolhida"));
    EXPECT_TRUE(SelectDirectory(QStringLiteral("Selecione uma pasta"), QStringLiteral("/raiz"), folder));
    EXPECT_EQ(folder, QStringLiteral("/escolhida"));
    const TPromptRequest& asked = prompter.Last();
    EXPECT_EQ(asked.Kind, TPromptKind::pkFolder);
    EXPECT_EQ(asked.Caption, QStringLiteral("Selecione uma pasta"));
    EXPECT_EQ(asked.InitialDir, QStringLiteral("/raiz"));

    prompter.Answer(mrCancel);
    EXPECT_FALSE(SelectDirectory(QStringLiteral("Selecione uma pasta"), QStringLiteral("/raiz"), folder));
    EXPECT_EQ(folder, QStringLiteral("/escolhida"));
}
