// The idle time-out over a named connection, its minute timer driven by hand.
#include "core/forms/TDatabaseTimeout.h"
#include "platform/db/TIBSQL.h"
#include "platform/db/TIBTransaction.h"
#include "platform/ui/TTimer.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/database/TempDatabase.h"

#include <gtest/gtest.h>

namespace {

class DatabaseTimeoutTest : public ::testing::Test {
protected:
    DatabaseTimeoutTest() {
        banco.Database().SetName(QStringLiteral("ibVigiado"));
        sql.SetDatabase(&banco.Database());
        sql.SetTransaction(&banco.Transaction());
        sql.SetSQLText(QStringLiteral("SELECT COUNT(*) FROM UFS"));
    }

    void Tick(TDatabaseTimeout& timeout) { timeout.Timer()->OnTimer(timeout.Timer()); }
    void Query() {
        if (!banco.Transaction().InTransaction())
            banco.Transaction().StartTransaction();
        sql.ExecQuery();
        sql.Close();
    }

    TempDatabase banco;
    TIBSQL sql;
    ScriptedPrompter prompter;
};

TEST_F(DatabaseTimeoutTest, WithoutADatabaseFoundNothingEverHappens) {
    for (const QString& name : {QString(), QStringLiteral("ibOutro")}) {
        TDatabaseTimeout timeout(nullptr);
        timeout.SetDatabaseName(name);
        timeout.SetIdleLimit(1);
        EXPECT_EQ(timeout.Database(), nullptr);
        EXPECT_FALSE(timeout.Timer()->Enabled());
        Tick(timeout);
        Tick(timeout);
        EXPECT_TRUE(banco.Database().Connected());
        EXPECT_EQ(prompter.Count(), 0);
    }
}

TEST_F(DatabaseTimeoutTest, TwoQuietMinutesCloseTheConnectionAfterTheMessage) {
    TDatabaseTimeout timeout(nullptr);
    int depois = 0;
    int anterior = 0;
    banco.Database().AfterDisconnect = TNotifyEvent::fromFunction([&](TObject*) { ++anterior; });
    timeout.AfterDisconnect = TNotifyEvent::fromFunction([&](TObject*) { ++depois; });
    timeout.SetDatabaseName(QStringLiteral("IBVIGIADO"));
    timeout.SetIdleLimit(2);
    EXPECT_EQ(timeout.Database(), &banco.Database());
    EXPECT_TRUE(timeout.Timer()->Enabled());
    EXPECT_EQ(timeout.Timer()->Interval(), 60000);
    Tick(timeout);
    EXPECT_TRUE(banco.Database().Connected());
    prompter.Answer(mrOk);
    Tick(timeout);
    EXPECT_FALSE(banco.Database().Connected());
    EXPECT_EQ(prompter.Last().Text,
              QStringLiteral("A conexão com o Banco de Dados expirou. Por favor, conecte novamente"));
    EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtWarning);
    EXPECT_EQ(anterior, 1);
    EXPECT_EQ(depois, 1);
    EXPECT_FALSE(timeout.Timer()->Enabled());
    // Connecting again starts watching again.
    banco.Database().Open();
    EXPECT_TRUE(timeout.Timer()->Enabled());
    EXPECT_EQ(timeout.IdleMinutes(), 0);
}

TEST_F(DatabaseTimeoutTest, EveryStatementStartsTheCountAgain) {
    TDatabaseTimeout timeout(nullptr);
    timeout.SetDisconnectMsg(QString());
    timeout.SetDatabaseName(QStringLiteral("ibVigiado"));
    timeout.SetIdleLimit(2);
    Tick(timeout);
    Query();
    EXPECT_EQ(timeout.IdleMinutes(), 0);
    Tick(timeout);
    EXPECT_TRUE(banco.Database().Connected());
    // Statements on another connection are not this one's activity.
    TempDatabase outro;
    TIBSQL alheio;
    alheio.SetDatabase(&outro.Database());
    alheio.SetTransaction(&outro.Transaction());
    outro.Transaction().StartTransaction();
    alheio.SetSQLText(QStringLiteral("SELECT COUNT(*) FROM UFS"));
    alheio.ExecQuery();
    alheio.Close();
    Tick(timeout);
    EXPECT_FALSE(banco.Database().Connected());
    EXPECT_EQ(prompter.Count(), 0);
}

TEST_F(DatabaseTimeoutTest, OnTimeoutMayKeepTheConnectionButTheMessageIsShown) {
    TDatabaseTimeout timeout(nullptr);
    timeout.SetDatabaseName(QStringLiteral("ibVigiado"));
    timeout.SetIdleLimit(2);
    int chamadas = 0;
    timeout.OnTimeout = TTimeoutEvent::fromFunction([&](TObject*, bool& disconnect) {
        ++chamadas;
        disconnect = false;
    });
    Tick(timeout);
    prompter.Answer(mrOk);
    Tick(timeout);
    EXPECT_EQ(chamadas, 1);
    EXPECT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(banco.Database().Connected());
    EXPECT_EQ(timeout.IdleMinutes(), 0);
    // Inactive, the component stops watching; going away gives the events back.
    timeout.SetActive(false);
    EXPECT_FALSE(timeout.Timer()->Enabled());
}

TEST_F(DatabaseTimeoutTest, TheConnectionsHandlersAreChainedAndGivenBack) {
    int conexoes = 0;
    const TNotifyEvent proprio = TNotifyEvent::fromFunction([&](TObject*) { ++conexoes; });
    banco.Database().AfterConnect = proprio;
    {
        TDatabaseTimeout timeout(nullptr);
        timeout.SetDatabaseName(QStringLiteral("ibVigiado"));
        banco.Database().Close();
        banco.Database().Open();
        EXPECT_EQ(conexoes, 1);
        EXPECT_TRUE(timeout.Timer()->Enabled());
        // Watching another name lets go of this connection.
        timeout.SetDatabaseName(QStringLiteral("ibOutro"));
        EXPECT_TRUE(banco.Database().AfterConnect == proprio);
        timeout.SetDatabaseName(QStringLiteral("ibVigiado"));
        EXPECT_FALSE(banco.Database().AfterConnect == proprio);
    }
    EXPECT_TRUE(banco.Database().AfterConnect == proprio);
    EXPECT_FALSE(banco.Database().AfterDisconnect);
}

} // namespace
