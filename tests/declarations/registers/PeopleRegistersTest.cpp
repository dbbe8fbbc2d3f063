// The registers of legal representatives and accountants: the rules in
// their order with their messages and focus, keys from counters 15 and 16,
// search, and the apostrophe they keep out.

#include "tests/declarations/registers/RegisterWindows.h"

#include "components/navigation/TfraMidasNavigator.h"
#include "components/search/TfrmDataSetSearch.h"
#include "declarations/registers/TfrmCadContabilista.h"
#include "declarations/registers/TfrmCadRepresentante.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TDBEdit.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/buttons/ActionButtons.h"
#include "tests/support/input/UserInput.h"

#include <QApplication>

namespace {

// One register of people: its window, edits, data set, table, counter and messages.
struct People {
    TfrmModCadastroMidas* janela;
    TDBEdit* nome;
    TDBEdit* ddd;
    TDBEdit* telefone;
    TClientDataSet* dados;
    QString tabela;
    QString chave;
    int contador;
    int semNome, semDDD, semTelefone;
};

class PeopleRegistersTest : public RegisterWindows {
protected:
    People Representantes() {
        auto* janela = Abre<TfrmCadRepresentante>();
        return {janela,
                janela->dbeNomeRep,
                janela->dbeDDDRep,
                janela->dbeTelRep,
                aux->cdsRepresentante,
                QStringLiteral("REPRESENTANTE"),
                QStringLiteral("SQ_REPRESENTANTE"),
                15,
                279,
                281,
                280};
    }
    People Contabilistas() {
        auto* janela = Abre<TfrmCadContabilista>();
        return {janela,
                janela->dbeNomeCont,
                janela->dbeDDDCont,
                janela->dbeTelCont,
                aux->cdsContabilista,
                QStringLiteral("CONTABILISTA"),
                QStringLiteral("SQ_CONTABILISTA"),
                16,
                282,
                284,
                283};
    }
    int Contador(int id) const {
        return banco.Count(
            QStringLiteral("SELECT CAST(VL_PARAM1 AS INTEGER) FROM PARAMETROS_DEF WHERE ID_PARAMETRO = %1")
                .arg(id));
    }
    int Linhas(const People& p) const {
        return banco.Count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(p.tabela));
    }
    // Confirms and expects the rule message `codigo` with the focus on `foco`.
    void Recusado(const People& p, int codigo, TDBEdit* foco) {
        prompter.Answer(mrOk);
        Clica(p.janela, p.janela->fsnCadastro->acPost());
        EXPECT_EQ(prompter.Last().Text, Mensagem(codigo));
        EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
        EXPECT_EQ(p.janela->Widget()->focusWidget(), foco->Widget()) << codigo;
        EXPECT_EQ(p.dados->State(), dsInsert);
        EXPECT_EQ(Linhas(p), 0);
    }
    void RulesInOrder(const People& p) {
        Clica(p.janela, p.janela->fsnCadastro->acInsert());
        Digita(p.ddd, QStringLiteral("21"));
        Recusado(p, p.semNome, p.nome);
        // Area code and telephone both missing: the area code is asked for first.
        Digita(p.nome, QStringLiteral("Maria da Silva"));
        Digita(p.ddd, QString());
        Recusado(p, p.semDDD, p.ddd);
        Digita(p.ddd, QStringLiteral("21"));
        Recusado(p, p.semTelefone, p.telefone);
        Digita(p.telefone, QStringLiteral("32221234"));
        Clica(p.janela, p.janela->fsnCadastro->acPost());
        EXPECT_EQ(Linhas(p), 1);
        EXPECT_EQ(p.dados->State(), dsBrowse);
    }
    void KeysFromTheCounter(const People& p) {
        const int antes = Contador(p.contador);
        Clica(p.janela, p.janela->fsnCadastro->acInsert());
        EXPECT_EQ(p.dados->FieldByName(p.chave)->AsInteger(), antes + 1);
        EXPECT_EQ(Contador(p.contador), antes + 1);
        // A cancelled insert still used its number.
        Clica(p.janela, p.janela->fsnCadastro->acCancel());
        Clica(p.janela, p.janela->fsnCadastro->acInsert());
        EXPECT_EQ(p.dados->FieldByName(p.chave)->AsInteger(), antes + 2);
        Digita(p.nome, QStringLiteral("João Souza"));
        Digita(p.ddd, QStringLiteral("61"));
        Digita(p.telefone, QStringLiteral("33334444"));
        Clica(p.janela, p.janela->fsnCadastro->acPost());
        EXPECT_EQ(banco.Count(QStringLiteral("SELECT CAST(%1 AS INTEGER) FROM %2").arg(p.chave, p.tabela)),
                  antes + 2);
    }
};

TEST_F(PeopleRegistersTest, AfterARuleMessageTheAreaCodeTakesWhatIsTypedNext) {
    const People p = Representantes();
    Clica(p.janela, p.janela->fsnCadastro->acInsert());
    UserInput::TypeInto(p.nome, QStringLiteral("Maria da Silva"));
    UserInput::TypeInto(p.telefone, QStringLiteral("32221234"));
    prompter.Answer(mrOk);
    UserInput::ClickButtonOf(p.janela->fsnCadastro->acPost(), p.janela->Widget());
    ASSERT_EQ(prompter.Last().Text, Mensagem(p.semDDD));
    ASSERT_TRUE(p.ddd->Focused());
    UserInput::Type(QStringLiteral("21"));
    EXPECT_EQ(p.ddd->Text().trimmed(), QStringLiteral("21"));
    UserInput::ClickButtonOf(p.janela->fsnCadastro->acPost(), p.janela->Widget());
    EXPECT_EQ(Linhas(p), 1);
}

TEST_F(PeopleRegistersTest, APastedControlCharacterIsRefusedNamingTheField) {
    const People p = Representantes();
    Clica(p.janela, p.janela->fsnCadastro->acInsert());
    UserInput::Click(p.nome);
    prompter.Answer(mrOk);
    UserInput::Paste(QStringLiteral("Maria\tda Silva\x1a"));
    UserInput::Tab();
    ASSERT_GE(prompter.Count(), 1);
    EXPECT_TRUE(prompter.Last().Text.startsWith(QStringLiteral("O caractere de controle de código ")))
        << prompter.Last().Text.toStdString();
    EXPECT_TRUE(p.nome->Focused());
    UserInput::TypeOver(p.nome, QStringLiteral("Maria da Silva"));
    UserInput::TypeInto(p.ddd, QStringLiteral("21"));
    UserInput::TypeInto(p.telefone, QStringLiteral("32221234"));
    UserInput::ClickButtonOf(p.janela->fsnCadastro->acPost(), p.janela->Widget());
    EXPECT_EQ(Linhas(p), 1);
}

TEST_F(PeopleRegistersTest, TheApostropheKeyIsSwallowedAndAPastedOneDropped) {
    ASSERT_TRUE(
        geral->ExecutaSQL(QStringLiteral("INSERT INTO CONTABILISTA (SQ_CONTABILISTA, NO_CONTABILISTA, "
                                         "NU_DDD_CONTABILISTA, NU_TEL_CONTABILISTA) VALUES "
                                         "(7, 'Ana Prado', '21', '32221234')")));
    const People p = Contabilistas();
    UserInput::Click(p.nome);
    UserInput::Type(QStringLiteral("'"));
    EXPECT_EQ(p.dados->State(), dsBrowse) << "the key never reached the edit";
    UserInput::Paste(QStringLiteral("d'A"));
    EXPECT_EQ(p.nome->Text(), QStringLiteral("Ana PradodA"));
}

TEST_F(PeopleRegistersTest, RepresentativesRulesRunInTheirOrder) {
    const People p = Representantes();
    EXPECT_EQ(p.janela->Caption(), QStringLiteral("Cadastro de Representantes Legais"));
    RulesInOrder(p);
}

TEST_F(PeopleRegistersTest, AccountantsRulesRunInTheirOrder) {
    const People p = Contabilistas();
    EXPECT_EQ(p.janela->Caption(), QStringLiteral("Cadastro de Contabilistas"));
    RulesInOrder(p);
}

TEST_F(PeopleRegistersTest, RepresentativesTakeTheirKeysFromCounter15) {
    KeysFromTheCounter(Representantes());
}

TEST_F(PeopleRegistersTest, AccountantsTakeTheirKeysFromCounter16) {
    KeysFromTheCounter(Contabilistas());
}

TEST_F(PeopleRegistersTest, SearchByNameLocatesTheKey) {
    for (const auto& [sq, nome] : {std::pair{7, "Carlos Mendes"}, std::pair{8, "Ana Prado"}})
        ASSERT_TRUE(
            geral->ExecutaSQL(QStringLiteral("INSERT INTO CONTABILISTA (SQ_CONTABILISTA, NO_CONTABILISTA, "
                                             "NU_DDD_CONTABILISTA, NU_TEL_CONTABILISTA) VALUES "
                                             "(%1, '%2', '21', '32221234')")
                                  .arg(sq)
                                  .arg(QString::fromUtf8(nome))));
    const People p = Contabilistas();
    AoPesquisar([&](TfrmDataSetSearch* dialogo) {
        Pesquisa(dialogo, QStringLiteral("carl"));
        return mrOk;
    });
    Clica(p.janela, p.janela->fsnCadastro->acSearch());
    EXPECT_EQ(p.dados->FieldByName(QStringLiteral("SQ_CONTABILISTA"))->AsInteger(), 7);
}

} // namespace
