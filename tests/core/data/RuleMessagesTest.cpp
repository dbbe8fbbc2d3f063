#include "core/data/RuleMessages.h"
#include "core/data/DeclarationKey.h"
#include "tests/support/data/DataModules.h"

namespace {

using RuleMessagesTest = DataModules;

TEST_F(RuleMessagesTest, EveryRefusalShowsItsTextAndAbortsSilently) {
    struct Caso {
        const char* nome;
        std::function<void()> recusa;
        QString texto;
    };
    const Caso casos[] = {
        {"stored message", [] { RuleMessages::Refuse(12); }, Mensagem(12)},
        {"own text", [] { RuleMessages::Refuse(QStringLiteral("DDD inválido!")); },
         QStringLiteral("DDD inválido!")},
        {"failing query", [] { RuleMessages::Query({QStringLiteral("SELECT * FROM SEM_TABELA")}); },
         Mensagem(RuleMessages::QueryFailed)},
        {"key that is no integer", [] { DeclarationKey::FromText(QStringLiteral("1 OR 1=1")); },
         Mensagem(RuleMessages::QueryFailed)},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EXPECT_EQ(ErroComAbort(caso.recusa), caso.texto);
    }
    EXPECT_EQ(RuleMessages::Text(RuleMessages::QueryFailed), Mensagem(300));
    EXPECT_EQ(DeclarationKey::FromText(QStringLiteral(" 42 ")), DeclarationKey(42));
}

} // namespace
