#include "tests/declarations/pages/BalancePagesFixture.h"

#include "components/data/TfrmReconcileDialog.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "declarations/pages/TfrmDetALC.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBLookupComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TMemo.h"
#include "tests/support/QStringPrinter.h"

#include <QDate>
#include <gtest/gtest.h>

namespace {

constexpr int NoALC = 25;
constexpr int Manaus = 7153;
const QString NotaDuplicada = QStringLiteral("Não podem existir dois ítens com a mesma Nota Fiscal");

class TfrmDetALCTest : public BalancePages {
protected:
    ~TfrmDetALCTest() override { Application->OnModalBegin = nullptr; }

    TfrmDetALC* Abre() {
        BalancePages::Abre();
        pagina = Pagina<TfrmDetALC>(NoALC);
        linhas = pagina->DataSet();
        return pagina;
    }
    void Campo(const char* nome, const QString& texto) { linhas->FieldByName(nome)->SetText(texto); }
    // A new row that passes every rule, for invoice `nota`.
    void NovaNota(int nota) {
        Clica(pagina->fraMidasNavigator1->acInsert());
        linhas->FieldByName("CO_LOCALIDADE")->SetAsInteger(Manaus);
        Campo("NU_NOTA_FISCAL", QString::number(nota));
        Campo("DT_EMISSAO_NF", "15/01/2011");
        Campo("VL_NOTA_FISCAL", "150");
        Campo("VL_ISENTAS", "10,50");
        Campo("NU_INSCR_SUFRAMA", "200012345");
        Campo("NU_CNPJ_DESTINO", "11222333000181");
    }
    // Answers every reconcile window with `resposta`, noting what it showed.
    void Reconcilia(TModalResult resposta) {
        Application->OnModalBegin = TNotifyEvent::fromFunction([this, resposta](TObject* sender) {
            auto* janela = dynamic_cast<TfrmReconcileDialog*>(sender);
            ASSERT_NE(janela, nullptr);
            mostradas << janela->mmMensagem->Text();
            janela->SetModalResult(resposta);
        });
    }

    TfrmDetALC* pagina = nullptr;
    TClientDataSet* linhas = nullptr;
    QStringList mostradas;
};

} // namespace

TEST_F(TfrmDetALCTest, TheRowRulesInTheirOrderEachWithItsMessageAndField) {
    Abre();
    Clica(pagina->fraMidasNavigator1->acInsert());
    EXPECT_EQ(Focado(), "dblcMunicipios");
    linhas->FieldByName("CO_LOCALIDADE")->SetAsInteger(Manaus);
    TAction* grava = pagina->fraMidasNavigator1->acPost();

    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(266), QString("dbeNumeroNF")));
    Campo("NU_NOTA_FISCAL", "123");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(252), QString("dbeDataEmissao")));
    Campo("DT_EMISSAO_NF", QDate::currentDate().addDays(1).toString("dd/MM/yyyy"));
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(261), QString("dbeDataEmissao")));
    Campo("DT_EMISSAO_NF", "15/01/2011");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(234), QString("dbeVlNotaFiscal")));
    Campo("VL_NOTA_FISCAL", "150");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(38), QString("dbedtVlIsentas")));
    Campo("VL_ISENTAS", "10,50");
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(276), QString("dbedtNSuframa")));
    Campo("NU_INSCR_SUFRAMA", "200012345");
    // An empty CNPJ is refused as an invalid one, not with a conversion error.
    EXPECT_EQ(Recusa(grava), std::make_pair(Mensagem(231), QString("dbeVlBCalcNCNTB")));
    Campo("NU_CNPJ_DESTINO", "11222333000182");
    EXPECT_EQ(Recusa(grava).first, Mensagem(231));
    EXPECT_EQ(linhas->State(), TDataSetState::dsInsert) << "nothing posted";
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM SAIDA_ALC_DECLARADA"), 0);

    Campo("NU_CNPJ_DESTINO", "11222333000181");
    Clica(grava);
    ASSERT_EQ(banco.Count("SELECT COUNT(*) FROM SAIDA_ALC_DECLARADA"), 1);
    EXPECT_EQ(
        banco.Value("SELECT NU_SERIE_NOTA_FISCAL || '|' || NU_SUBSERIE_NOTA_FISCAL FROM SAIDA_ALC_DECLARADA")
            .toString(),
        " | ")
        << "absent series and subseries are stored as one blank each";
}

TEST_F(TfrmDetALCTest, ADateThatIsNoDateIsRefusedByTheDateCheck) {
    Abre();
    NovaNota(1);
    prompter.Answer(mrOk);
    EXPECT_THROW(Campo("DT_EMISSAO_NF", "31/02/2011"), EAbort);
    EXPECT_EQ(prompter.Last().Text, Mensagem(252));
    EXPECT_EQ(linhas->FieldByName("DT_EMISSAO_NF")->AsString(), "15/01/2011") << "the field keeps its date";
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(banco.Value("SELECT DT_EMISSAO_NF FROM SAIDA_ALC_DECLARADA").toDate(), QDate(2011, 1, 15));
}

TEST_F(TfrmDetALCTest, ADuplicateInvoiceIsNamedAsSuchAndOtherRefusalsShowTheirOwnText) {
    Abre();
    NovaNota(77);
    Clica(pagina->fraMidasNavigator1->acPost());
    ASSERT_EQ(banco.Count("SELECT COUNT(*) FROM SAIDA_ALC_DECLARADA"), 1);

    Reconcilia(mrOk); // "Corrigir": the refused row stays to be corrected
    NovaNota(77);
    Clica(pagina->fraMidasNavigator1->acPost());
    EXPECT_EQ(mostradas, QStringList{NotaDuplicada});
    EXPECT_EQ(linhas->ChangeCount(), 1) << "the refused row is kept, not lost";
    EXPECT_EQ(linhas->RecordCount(), 2) << "and shown";
    Clica(pagina->fraMidasNavigator1->acPost()); // confirmed again: refused again
    EXPECT_EQ(mostradas, (QStringList{NotaDuplicada, NotaDuplicada}));
    EXPECT_EQ(linhas->ChangeCount(), 1);
    Clica(pagina->fraMidasNavigator1->acCancel());
    EXPECT_EQ(linhas->ChangeCount(), 0);
    EXPECT_EQ(banco.Count("SELECT COUNT(*) FROM SAIDA_ALC_DECLARADA"), 1);

    // A municipality the database does not know: its own words, not the duplicate's.
    mostradas.clear();
    Reconcilia(mrCancel);
    NovaNota(79);
    linhas->FieldByName("CO_LOCALIDADE")->SetAsInteger(9999);
    Clica(pagina->fraMidasNavigator1->acPost());
    ASSERT_EQ(mostradas.size(), 1);
    EXPECT_NE(mostradas.first(), NotaDuplicada);
    EXPECT_TRUE(mostradas.first().contains("FK_SAIDA_ALC_MUN")) << mostradas.first().toStdString();
    EXPECT_EQ(linhas->ChangeCount(), 0) << "undone";
}

TEST_F(TfrmDetALCTest, TheMunicipalityOfAStoredRowCannotChange) {
    Linhas().Taxpayer(87654321);
    BalancePages::AbreComLinhas();
    pagina = Pagina<TfrmDetALC>(NoALC);
    linhas = pagina->DataSet();
    ASSERT_EQ(linhas->RecordCount(), 1);
    EXPECT_EQ(linhas->FieldByName("NomeLocalidade")->AsString(), "Manaus");
    EXPECT_EQ(pagina->dbeUF->Text(), "AM");
    EXPECT_TRUE(pagina->dblcMunicipios->Items().contains("Manaus - AM"));
    EXPECT_FALSE(pagina->dblcMunicipios->Enabled());
    EXPECT_EQ(pagina->dblcMunicipios->Color(), clInfoBk);
    Clica(pagina->fraMidasNavigator1->acEdit());
    EXPECT_FALSE(pagina->dblcMunicipios->Enabled());
    Clica(pagina->fraMidasNavigator1->acCancel());
    Clica(pagina->fraMidasNavigator1->acInsert());
    EXPECT_TRUE(pagina->dblcMunicipios->Enabled());
    EXPECT_EQ(pagina->dblcMunicipios->Color(), clWindow);
    Clica(pagina->fraMidasNavigator1->acCancel());
    EXPECT_EQ(linhas->State(), TDataSetState::dsBrowse);
    EXPECT_EQ(linhas->ChangeCount(), 0);
    Application->Idle(); // the navigator follows on idle, as between two events
    EXPECT_FALSE(pagina->fraMidasNavigator1->acPost()->Enabled());
    Foto(NoALC, "free-trade-area");
}
