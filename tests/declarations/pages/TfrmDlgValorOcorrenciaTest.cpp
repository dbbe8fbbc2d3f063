// The dialog that asks for the amount of an occurrence.

#include "declarations/pages/TfrmDlgValorOcorrencia.h"
#include "core/data/TDMDef.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TEdit.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <memory>
#include <utility>

namespace {

TEST(TfrmDlgValorOcorrenciaTest, TakesAnAmountOfAtLeastOneCentUpToTheMaximumCutToCents) {
    ScriptedPrompter prompter;
    const Currency maximo = ValorMaximo;
    ValorMaximo = Currency::fromUnits(1000);
    std::unique_ptr<TfrmDlgValorOcorrencia> dialogo(TForm::Create<TfrmDlgValorOcorrencia>(nullptr));
    EXPECT_EQ(dialogo->Caption(), "Valor da Ocorrência");
    EXPECT_EQ(dialogo->edtValor->Text(), "0,00");
    EXPECT_EQ(dialogo->edtValor->MaxLength(), 20);
    for (auto [tecla, passa] : {std::pair{'5', true}, std::pair{',', true}, std::pair{'-', false},
                                std::pair{'.', false}, std::pair{'a', false}}) {
        QChar k = QLatin1Char(tecla);
        dialogo->edtValor->OnKeyPress(dialogo->edtValor, k);
        EXPECT_EQ(!k.isNull(), passa) << tecla;
    }
    dialogo->edtValor->SetText("R$ -1.234,5");
    EXPECT_EQ(dialogo->edtValor->Text(), "1234,5") << "pasted text keeps what typing would";

    auto confirma = [&](const QString& texto) {
        dialogo->edtValor->SetText(texto);
        dialogo->SetModalResult(mrNone);
        dialogo->btnConfirmar->Click();
        return dialogo->ModalResult();
    };
    for (const char* recusado : {"0", "0,009", "", ",", "1,2,3"}) {
        prompter.Answer(mrOk);
        EXPECT_EQ(confirma(recusado), mrNone) << recusado;
        EXPECT_EQ(prompter.Last().Text, "Valor inválido!") << recusado;
    }
    prompter.Answer(mrOk);
    EXPECT_EQ(confirma("1000,01"), mrNone);
    EXPECT_TRUE(prompter.Last().Text.startsWith("O campo Valor excede o limite parametrizado !"));
    EXPECT_EQ(confirma("1000,009"), mrOk) << "cut to the maximum itself";
    EXPECT_EQ(dialogo->ConfirmedValue(), Currency::fromUnits(1000));
    EXPECT_EQ(confirma("12,349"), mrOk);
    EXPECT_EQ(dialogo->ConfirmedValue(), Currency::fromRaw(123400));
    EXPECT_EQ(dialogo->ValorDigitado(), "12,349");
    ValorMaximo = maximo;
}

} // namespace
