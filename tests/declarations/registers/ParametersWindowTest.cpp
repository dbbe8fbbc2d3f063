// The parameters window: the new maximum is written alone and committed
// before it is announced and applied; an empty entry or a failing write
// changes nothing.

#include "tests/declarations/registers/RegisterWindows.h"

#include "core/util/GeneralRoutines.h"
#include "declarations/registers/TfrmParametros.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TMemo.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/input/UserInput.h"

#include <QDir>

#include <memory>

namespace {

class ParametersWindowTest : public RegisterWindows {
protected:
    ParametersWindowTest() : janela(TfrmModDocumento::CreateDocument<TfrmParametros>(frame, -1)) {
        janela->Show();
    }

    QString Parametros() const {
        QStringList linhas;
        for (const QVariantList& linha :
             banco.Rows(QStringLiteral("SELECT ID_PARAMETRO, TX_PARAM1, CAST(VL_PARAM1 AS BIGINT) FROM "
                                       "PARAMETROS_DEF WHERE ID_PARAMETRO <> 2 ORDER BY 1")))
            linhas << linha.at(0).toString() + QLatin1Char('|') + linha.at(1).toString() + QLatin1Char('|') +
                          linha.at(2).toString();
        return linhas.join(QLatin1Char('\n'));
    }
    qlonglong Maximo() const {
        return banco
            .Value(
                QStringLiteral("SELECT CAST(VL_PARAM1 AS BIGINT) FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 2"))
            .toLongLong();
    }
    // Types a money value into a declaration; true when it is taken.
    bool Aceita(const QString& valor) {
        def->cdsDeclaracao->Edit();
        bool aceito = true;
        try {
            def->cdsDeclaracao->FieldByName(QStringLiteral("VL_SALDO_ANTERIOR"))->SetAsString(valor);
        } catch (const EAbort&) {
            aceito = false;
        }
        def->cdsDeclaracao->Cancel();
        return aceito;
    }
    void Confirma() {
        Application->SafeCall(janela.get(), [this] { janela->btnConfirmar->Click(); });
    }

    std::unique_ptr<TfrmParametros> janela;
};

TEST_F(ParametersWindowTest, ShowsTheCurrentMaximumAndItsNote) {
    EXPECT_EQ(janela->Caption(), QStringLiteral("Parâmetros"));
    EXPECT_EQ(janela->medtVlMaximo->Text().trimmed(), QStringLiteral("9999999999"));
    EXPECT_EQ(janela->medtVlMaximo->EditMask(), QStringLiteral("9999999999999;0; "));
    EXPECT_TRUE(janela->mmoObservacao->ReadOnly());
    EXPECT_TRUE(janela->mmoObservacao->Text().startsWith(QStringLiteral("Esta função possibilita")));
    EXPECT_EQ(janela->btnConfirmar->Caption(), QStringLiteral("&Confirmar"));
    EXPECT_EQ(janela->btnCancelar->Caption(), QStringLiteral("&Sair"));
}

TEST_F(ParametersWindowTest, ANewMaximumIsStoredAloneAnnouncedAndAppliedAtOnce) {
    ASSERT_TRUE(geral->ExecutaSQL(QStringLiteral(
        "INSERT INTO CONTRIBUINTE (NU_INSCRICAO, NU_CGC_CPF, NO_RAZAO, IN_CGC_CPF) VALUES (12345674, "
        "11222333000181, 'Padaria', '1')")));
    BuildDeclaration(1, 12345674);
    def->cdsDeclaracao->Open();
    EXPECT_TRUE(Aceita(QStringLiteral("1600000")));

    const QString outros = Parametros();
    janela->medtVlMaximo->SetText(QStringLiteral("1500000"));
    prompter.Answer(mrOk);
    Confirma();
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Valor Máximo alterado com sucesso para: 1.500.000"));
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Informa"));
    EXPECT_EQ(Maximo(), 1500000);
    EXPECT_EQ(Parametros(), outros);
    EXPECT_EQ(ValorMaximo, Currency::fromUnits(1500000));
    EXPECT_FALSE(janela->Visible());
    // The next money value typed meets the new maximum.
    EXPECT_TRUE(Aceita(QStringLiteral("1400000")));
    prompter.Answer(mrOk);
    EXPECT_FALSE(Aceita(QStringLiteral("1600000")));
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
    EXPECT_TRUE(prompter.Last().Text.contains(QStringLiteral("excede o limite parametrizado")));
}

TEST_F(ParametersWindowTest, ANewMaximumTypedOverTheShownOneReplacesItWhole) {
    // Selected whole and typed over, or typed where a click into the blank part leaves the caret.
    const std::vector<std::tuple<const char*, std::function<void()>, qlonglong>> entradas = {
        {"typed-over-the-selection",
         [this] { UserInput::TypeOver(janela->medtVlMaximo, QStringLiteral("1500000")); }, 1500000},
        {"typed-after-a-click-into-the-blank",
         [this] {
             UserInput::TypeOver(janela->medtVlMaximo, QStringLiteral("12"));
             UserInput::Click(janela->medtVlMaximo->Widget(), QPoint(janela->medtVlMaximo->Width() - 5, 10));
             UserInput::Type(QStringLiteral("34"));
         },
         1234},
    };
    for (const auto& [como, digita, maximo] : entradas) {
        janela->Show();
        digita();
        const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots/input");
        ASSERT_TRUE(QDir().mkpath(pasta));
        janela->Widget()->grab().toImage().save(
            pasta + QStringLiteral("/parameters-%1.png").arg(QLatin1String(como)));
        prompter.Answer(mrOk);
        UserInput::Click(janela->btnConfirmar);
        EXPECT_EQ(Maximo(), maximo) << como;
    }
}

TEST_F(ParametersWindowTest, AnEmptyEntryChangesNothingAndTheWindowStays) {
    const Currency antes = ValorMaximo;
    janela->medtVlMaximo->SetText(QString());
    prompter.Answer(mrOk);
    Confirma();
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Erro na alteração do parâmetro!"));
    EXPECT_EQ(prompter.Last().Caption, QStringLiteral("Erro"));
    EXPECT_EQ(Maximo(), 9999999999LL);
    EXPECT_EQ(ValorMaximo, antes);
    EXPECT_TRUE(janela->Visible());
}

TEST_F(ParametersWindowTest, AWriteThatFailsIsReportedAndNothingIsApplied) {
    ASSERT_TRUE(geral->ExecutaSQL(QStringLiteral("DELETE FROM PARAMETROS_DEF WHERE ID_PARAMETRO = 2")));
    const Currency antes = ValorMaximo;
    janela->medtVlMaximo->SetText(QStringLiteral("1500000"));
    prompter.Answer(mrOk);
    Confirma();
    EXPECT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Erro na alteração do parâmetro!"));
    EXPECT_EQ(ValorMaximo, antes);
    EXPECT_TRUE(janela->Visible());
}

} // namespace
