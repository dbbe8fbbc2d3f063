#include "tests/declarations/pages/BalancePagesFixture.h"

#include "components/navigation/TfraMidasNavigator.h"
#include "core/data/TDMDefBasica.h"
#include "declarations/pages/InterstatePage.h"
#include "declarations/pages/TfrmDetOpInterestaduais.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBLookupComboBox.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPanel.h"
#include "tests/support/QStringPrinter.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <gtest/gtest.h>

namespace {

constexpr int NoInterestaduais = 21;
constexpr int NoEntradas = 22;
constexpr int NoSaidas = 23;

class InterstatePageTest : public BalancePages {
protected:
    QStringList Estados(TClientDataSet* linhas, const char* campo) {
        QStringList nomes;
        for (linhas->First(); !linhas->Eof(); linhas->Next())
            nomes << linhas->FieldByName(campo)->AsString();
        return nomes;
    }
};

} // namespace

TEST_F(InterstatePageTest, TheTotalsBesideTheRowsAreThoseOfTheInterstateCodesOnly) {
    Abre();
    using Op = DeclarationFixture::Operation;
    Linhas().AddEntry(
        1, 1102, Op{Currency::fromUnits(1000), Currency::fromUnits(900), {}, Currency::fromUnits(7), {}});
    Linhas().AddEntry(1, 2102,
                      Op{Currency::fromRaw(1234567),
                         Currency::fromUnits(100),
                         {},
                         Currency::fromUnits(5),
                         Currency::fromUnits(3)});
    Linhas().AddEntry(1, 2949, Op{Currency::fromUnits(50), {}, {}, {}, Currency::fromUnits(1)});
    Linhas().AddExit(1, 5102, Op{Currency::fromUnits(4000), {}, {}, {}, {}});
    Linhas().AddExit(1, 6102,
                     Op{Currency::fromUnits(600), Currency::fromUnits(500), {}, Currency::fromUnits(40), {}});

    auto* entradas = Pagina<InterstatePage>(NoEntradas);
    EXPECT_EQ(entradas->mmTotais->Text(), "Total de Entradas Interestaduais");
    EXPECT_EQ(entradas->pnlVlContabil->Caption(), "173,46"); // 123,4567 + 50, exact
    EXPECT_EQ(entradas->pnlBaseCalculo->Caption(), "100,00");
    EXPECT_EQ(entradas->pnlIsentas->Caption(), "5,00");
    EXPECT_EQ(entradas->pnlOutras->Caption(), "4,00");

    auto* saidas = Pagina<InterstatePage>(NoSaidas);
    EXPECT_EQ(saidas->pnlIsentas->Name(), "pnlImpostoRetido");
    EXPECT_EQ(saidas->pnlVlContabil->Caption(), "600,00");
    EXPECT_EQ(saidas->pnlBaseCalculo->Caption(), "500,00");
    EXPECT_EQ(saidas->pnlIsentas->Caption(), "40,00");
    EXPECT_EQ(saidas->pnlOutras->Caption(), "0,00");
}

TEST_F(InterstatePageTest, EachStateOnceAndChosenOnlyWhileARowIsInserted) {
    AbreComLinhas(); // an entry of São Paulo
    auto* pagina = Pagina<InterstatePage>(NoEntradas);
    TClientDataSet* linhas = pagina->DataSet();
    ASSERT_EQ(linhas->RecordCount(), 1);
    EXPECT_FALSE(pagina->dblcUFs->Enabled());
    EXPECT_EQ(pagina->dblcUFs->Color(), clInfoBk);

    Clica(pagina->fraMidasNavigator1->acInsert());
    ASSERT_EQ(linhas->State(), TDataSetState::dsInsert);
    EXPECT_TRUE(pagina->dblcUFs->Enabled());
    EXPECT_EQ(pagina->dblcUFs->Color(), clWindow);
    EXPECT_FALSE(pagina->dblcUFs->Items().contains("São Paulo")) << "a state already on the page";
    EXPECT_TRUE(pagina->dblcUFs->Items().contains("Rio de Janeiro"));
    EXPECT_EQ(Focado(), "dblcUFs");
    // In Portuguese alphabetical order, as the list drops down.
    const QStringList estados = pagina->dblcUFs->Items();
    EXPECT_LT(estados.indexOf("Pará"), estados.indexOf("Paraíba"));
    EXPECT_LT(estados.indexOf("Paraíba"), estados.indexOf("Paraná"));
    EXPECT_LT(estados.indexOf("Rio de Janeiro"), estados.indexOf("Rio Grande do Norte"));
    auto* lista = qobject_cast<QComboBox*>(pagina->dblcUFs->Widget());
    ASSERT_NE(lista, nullptr);
    lista->showPopup();
    lista->view()->scrollTo(lista->model()->index(static_cast<int>(estados.indexOf("Pará")), 0),
                            QAbstractItemView::PositionAtTop);
    Application->ProcessMessages();
    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(pasta));
    EXPECT_TRUE(lista->view()->window()->grab().save(pasta + "/states-portuguese-order.png"));
    lista->hidePopup();

    linhas->FieldByName("CO_UF")->SetAsInteger(33);
    linhas->FieldByName("VL_OUTROS_PRODUTOS")->SetAsString("0,01");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM ENTRADA_IE_DECLARADA WHERE CO_UF = 33"), 1);
    EXPECT_FALSE(DMDefBasica->cdsUFs->Filtered()) << "every state again";
    QStringList nomes = Estados(linhas, "NomeUF");
    nomes.sort();
    EXPECT_EQ(nomes, (QStringList{"Rio de Janeiro", "São Paulo"})) << "every name shows again";
    EXPECT_FALSE(pagina->dblcUFs->Enabled());

    // A stored row keeps its state: the chooser stays locked while it is edited.
    Clica(pagina->fraMidasNavigator1->acEdit());
    EXPECT_EQ(linhas->State(), TDataSetState::dsEdit);
    EXPECT_FALSE(pagina->dblcUFs->Enabled());
    Clica(pagina->fraMidasNavigator1->acCancel());
    Foto(NoEntradas, "interstate-entries");
}

TEST_F(InterstatePageTest, ARowWithoutAnyAmountIsRefused) {
    Abre();
    auto* pagina = Pagina<InterstatePage>(NoSaidas);
    TClientDataSet* linhas = pagina->DataSet();
    Clica(pagina->fraMidasNavigator1->acInsert());
    linhas->FieldByName("CO_UF")->SetAsInteger(35);
    EXPECT_EQ(Recusa(pagina->fraMidasNavigator1->acPost()).first, Mensagem(228));
    EXPECT_EQ(linhas->State(), TDataSetState::dsInsert) << "the row waits for correction";
    linhas->FieldByName("VL_IMPOSTO_COBRADO_ST")->SetAsString("0,01");
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM SAIDA_IE_DECLARADA WHERE CO_UF = 35"), 1);

    // Amounts are cut to hundredths and kept under the maximum, as typed or pasted.
    Clica(pagina->fraMidasNavigator1->acEdit());
    linhas->FieldByName("VL_CONTABIL_CNTB")->SetText("12,349");
    EXPECT_EQ(linhas->FieldByName("VL_CONTABIL_CNTB")->AsCurrency(), Currency::fromRaw(123400));
    prompter.Answer(mrOk);
    EXPECT_THROW(linhas->FieldByName("VL_CONTABIL_CNTB")->SetText("99999999999999"), EAbort);
    Clica(pagina->fraMidasNavigator1->acCancel());
}

TEST_F(InterstatePageTest, TheBranchAndItsPagesAsTheyShow) {
    AbreComLinhas();
    auto* ramo = Pagina<TfrmDetOpInterestaduais>(NoInterestaduais);
    EXPECT_TRUE(ramo->Memo1->Text().startsWith("Ficha utilizada para detalhar por estado"));
    Foto(NoInterestaduais, "interstate-operations");
    Pagina<InterstatePage>(NoSaidas);
    Foto(NoSaidas, "interstate-exits");
}
