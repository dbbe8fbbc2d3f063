// The lookup windows: their searches (what each lists and the key it
// locates), the history grids that follow the current row, and the detail
// panels.

#include "tests/declarations/registers/RegisterWindows.h"

#include "components/navigation/TfraMidasNavigator.h"
#include "components/search/TfraDataSetSearch.h"
#include "components/search/TfrmDataSetSearch.h"
#include "declarations/registers/TfrmConCFOPs.h"
#include "declarations/registers/TfrmConFinalidades.h"
#include "declarations/registers/TfrmConFundamentos.h"
#include "declarations/registers/TfrmConMunicipios.h"
#include "declarations/registers/TfrmConUFs.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"
#include "tests/support/QStringPrinter.h"

namespace {

class LookupWindowsTest : public RegisterWindows {
protected:
    // Runs the window's search with `valor` on `campo` (its own field when
    // empty), answers OK on the row for which `escolhe` holds (the first row
    // without it) and returns how many rows the dialog listed.
    int Pesquisa(TfrmModCadastroMidas* janela, const QString& valor, const QString& campo = QString(),
                 std::function<bool(TDataSet*)> escolhe = nullptr) {
        int listados = -1;
        AoPesquisar([&](TfrmDataSetSearch* dialogo) {
            if (!campo.isEmpty())
                dialogo->fdsPesquisa->SetSearchField(campo);
            RegisterWindows::Pesquisa(dialogo, valor);
            TDataSet* linhas = dialogo->fdsPesquisa->DataSet();
            listados = linhas->RecordCount();
            if (escolhe)
                for (linhas->First(); !linhas->Eof() && !escolhe(linhas);)
                    linhas->Next();
            return mrOk;
        });
        Clica(janela, janela->fsnCadastro->acSearch());
        return listados;
    }
};

TEST_F(LookupWindowsTest, StatesAreFoundByCode) {
    auto* janela = Abre<TfrmConUFs>();
    EXPECT_EQ(janela->Caption(), QStringLiteral("Consulta de UFs"));
    EXPECT_EQ(Pesquisa(janela, QStringLiteral("33")),
              banco.Count(QStringLiteral("SELECT COUNT(*) FROM UFS WHERE CO_UF >= 33")));
    EXPECT_EQ(basica->cdsUFs->FieldByName(QStringLiteral("CO_UF"))->AsInteger(),
              banco.Count(QStringLiteral("SELECT MIN(CO_UF) FROM UFS WHERE CO_UF >= 33")));
}

TEST_F(LookupWindowsTest, MunicipalitiesAreFoundByNameAndLocatedByTheirCode) {
    auto* janela = Abre<TfrmConMunicipios>();
    const QString nome = banco.Value(QStringLiteral("SELECT MAX(NO_LOCALIDADE) FROM MUNICIPIO")).toString();
    const int codigo = banco.Count(
        QStringLiteral("SELECT CO_LOCALIDADE FROM MUNICIPIO WHERE NO_LOCALIDADE = '%1'").arg(nome));
    EXPECT_GE(Pesquisa(janela, nome.left(4).toLower()), 1);
    EXPECT_EQ(basica->cdsMunicipios->FieldByName(QStringLiteral("CO_LOCALIDADE"))->AsInteger(), codigo);
    // The free-trade-area periods follow the municipality.
    TDataSet* periodos = janela->dbgMunicipiosALC->DataSet();
    ASSERT_NE(periodos, nullptr);
    EXPECT_EQ(periodos->RecordCount(),
              banco.Count(
                  QStringLiteral("SELECT COUNT(*) FROM MUNICIPIO_ALC WHERE CO_LOCALIDADE = %1").arg(codigo)));
}

TEST_F(LookupWindowsTest, CfopHistoryFollowsTheCodeAndItsDescriptionsToggle) {
    auto* janela = Abre<TfrmConCFOPs>();
    TClientDataSet* cfops = basica->cdsCFOPs;
    TDataSet* historico = janela->dbgCFOPs->DataSet();
    ASSERT_EQ(historico, basica->cdsCFOPsHist);
    for (int passo = 0; passo < 3; ++passo) {
        const int codigo = cfops->FieldByName(QStringLiteral("CO_FISCAL_OPERACAO"))->AsInteger();
        ASSERT_FALSE(historico->IsEmpty());
        EXPECT_EQ(historico->FieldByName(QStringLiteral("CO_FISCAL_OPERACAO"))->AsInteger(), codigo);
        cfops->MoveBy(40);
    }
    // Search by code places the lookup on it.
    EXPECT_GE(Pesquisa(janela, QStringLiteral("5102")), 1);
    EXPECT_EQ(cfops->FieldByName(QStringLiteral("CO_FISCAL_OPERACAO"))->AsInteger(), 5102);

    EXPECT_FALSE(janela->pnlDetalhe->Visible());
    janela->dbgCFOPs->OnDblClick(janela->dbgCFOPs);
    EXPECT_TRUE(janela->pnlDetalhe->Visible());
    janela->btnFecharDetalhe->Click();
    EXPECT_FALSE(janela->pnlDetalhe->Visible());
    janela->sbDescricoes->Click();
    EXPECT_TRUE(janela->pnlDetalhe->Visible());
    EXPECT_EQ(janela->sbDescricoes->Caption(), QStringLiteral("Descrições"));
}

TEST_F(LookupWindowsTest, LegalGroundsSearchListsTheActiveOnesOfOwnSubstitutionAndOtherIcms) {
    // An inactive ground is never listed.
    ASSERT_TRUE(geral->ExecutaSQL(QStringLiteral(
        "INSERT INTO FUNDAMENTACAO_LEGAL_DEF (SQ_OCORRENCIA_DEF, TP_APURACAO, TP_OCORRENCIA, NU_OCORRENCIA, "
        "DS_OCORRENCIA, ST_OCORRENCIA_DEF) VALUES (9001, 'N', 7, 9001, 'Desativada', 'D')")));
    auto* janela = Abre<TfrmConFundamentos>();
    EXPECT_EQ(janela->Caption(), QStringLiteral("Consulta de Ocorrências"));
    const int esperados =
        banco.Count(QStringLiteral("SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF WHERE ST_OCORRENCIA_DEF = "
                                   "'A' AND TP_APURACAO IN ('N','S','O')"));
    ASSERT_GT(esperados, 0);
    const int escolhido = banco.Count(QStringLiteral(
        "SELECT MAX(SQ_OCORRENCIA_DEF) FROM FUNDAMENTACAO_LEGAL_DEF WHERE ST_OCORRENCIA_DEF = 'A' AND "
        "TP_APURACAO = 'N' AND TP_OCORRENCIA < 50"));
    EXPECT_EQ(Pesquisa(janela, QString(), QString(),
                       [&](TDataSet* linha) {
                           return linha->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsInteger() ==
                                  escolhido;
                       }),
              esperados);
    EXPECT_EQ(basica->cdsFundamentos->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsInteger(),
              escolhido);
    // By code: the code letters and numbers start the text searched.
    EXPECT_GE(Pesquisa(janela, QStringLiteral("n02")), 1);
    EXPECT_TRUE(basica->cdsFundamentos->FieldByName(QStringLiteral("Codigo"))
                    ->AsString()
                    .startsWith(QStringLiteral("N02")));
    // The history follows, its details toggle.
    EXPECT_EQ(janela->DBGrid1->DataSet(), basica->cdsFundHist);
    EXPECT_EQ(basica->cdsFundHist->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsInteger(),
              basica->cdsFundamentos->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsInteger());
    EXPECT_FALSE(janela->pnlDetalhe->Visible());
    janela->DBGrid1->OnDblClick(janela->DBGrid1);
    EXPECT_TRUE(janela->pnlDetalhe->Visible());
    janela->btnFecharDetalhe->Click();
    EXPECT_FALSE(janela->pnlDetalhe->Visible());
    janela->DBGrid1->OnDblClick(janela->DBGrid1);
    EXPECT_TRUE(janela->pnlDetalhe->Visible());
    janela->sbDadosComplementares->Click();
    EXPECT_FALSE(janela->pnlDetalhe->Visible());
}

TEST_F(LookupWindowsTest, PurposesSearchListsTheActiveOnesOfTheExportBalance) {
    ASSERT_TRUE(geral->ExecutaSQL(QStringLiteral(
        "INSERT INTO FUNDAMENTACAO_LEGAL_DEF (SQ_OCORRENCIA_DEF, TP_APURACAO, TP_OCORRENCIA, NU_OCORRENCIA, "
        "DS_OCORRENCIA, ST_OCORRENCIA_DEF) VALUES (9002, 'E', 52, 9002, 'Desativada', 'D')")));
    auto* janela = Abre<TfrmConFinalidades>();
    EXPECT_EQ(janela->Caption(), QStringLiteral("Consulta de Finalidades  de Saldo Credor de Exportação"));
    const int esperados = banco.Count(QStringLiteral(
        "SELECT COUNT(*) FROM FUNDAMENTACAO_LEGAL_DEF WHERE ST_OCORRENCIA_DEF = 'A' AND TP_APURACAO = 'E'"));
    ASSERT_GT(esperados, 0);
    const int ultimo =
        banco.Count(QStringLiteral("SELECT MAX(SQ_OCORRENCIA_DEF) FROM FUNDAMENTACAO_LEGAL_DEF "
                                   "WHERE ST_OCORRENCIA_DEF = 'A' AND TP_APURACAO = 'E'"));
    EXPECT_EQ(Pesquisa(janela, QString(), QString(),
                       [&](TDataSet* linha) {
                           return linha->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsInteger() ==
                                  ultimo;
                       }),
              esperados);
    EXPECT_EQ(basica->cdsFinalidades->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsInteger(), ultimo);
    EXPECT_EQ(basica->cdsFinalHist->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->AsInteger(), ultimo);
}

} // namespace
