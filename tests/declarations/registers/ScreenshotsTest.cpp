// Every register and lookup window, and the preview of the taxpayer
// listing, rendered to PNG under <build>/screenshots for a look by eye.

#include "tests/declarations/registers/RegisterWindows.h"

#include "components/navigation/TfraMidasNavigator.h"
#include "components/search/TfrmDataSetSearch.h"
#include "declarations/registers/TfrmCadContabilista.h"
#include "declarations/registers/TfrmCadContribuintes.h"
#include "declarations/registers/TfrmCadRepresentante.h"
#include "declarations/registers/TfrmConCFOPs.h"
#include "declarations/registers/TfrmConFinalidades.h"
#include "declarations/registers/TfrmConFundamentos.h"
#include "declarations/registers/TfrmConMunicipios.h"
#include "declarations/registers/TfrmConUFs.h"
#include "declarations/registers/TfrmParametros.h"
#include "platform/db/TClientDataSet.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TPanel.h"

#include <QDir>
#include <QImage>
#include <QMdiSubWindow>

namespace {

class ScreenshotsTest : public RegisterWindows {
protected:
    static QString Pasta() {
        const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
        QDir().mkpath(pasta);
        return pasta;
    }
    // Shows the window alone in the frame and saves its picture.
    static void Salva(TfrmModCadastroMidas* janela, const QString& nome) {
        janela->fsnCadastro->alNav()->UpdateActions();
        Application->ProcessMessages();
        const QImage imagem = janela->MdiSubWindow()->grab().toImage();
        EXPECT_GE(imagem.width(), 400) << nome.toStdString();
        EXPECT_TRUE(imagem.save(Pasta() + QLatin1Char('/') + nome)) << nome.toStdString();
        janela->Free();
        Application->ProcessMessages();
    }
};

TEST_F(ScreenshotsTest, RegistersLookupsAndTheTaxpayerListing) {
    CriaContribuinte(12345674, QStringLiteral("Padaria Estrela Ltda"), QStringLiteral("contato@estrela.kv"));
    CriaContribuinte(87654320, QStringLiteral("Mercado Central S.A."), QStringLiteral("vendas@central.kv"));
    CriaContribuinte(22222228, QStringLiteral("Oficina Rápida ME"));
    ASSERT_TRUE(geral->ExecutaSQL(QStringLiteral(
        "INSERT INTO REPRESENTANTE (SQ_REPRESENTANTE, NO_REPRESENTANTE_LEGAL, NU_DDD_REPRESENTANTE_LEGAL, "
        "NU_TEL_REPRESENTANTE_LEGAL) VALUES (1, 'Maria da Silva Prado', '21', '32221234')")));
    ASSERT_TRUE(geral->ExecutaSQL(
        QStringLiteral("INSERT INTO CONTABILISTA (SQ_CONTABILISTA, NO_CONTABILISTA, NU_DDD_CONTABILISTA, "
                       "NU_TEL_CONTABILISTA) VALUES (1, 'Carlos Mendes Contabilidade', '61', '33334444')")));

    auto* pesquisa = Abre<TfrmCadContribuintes>();
    bool dialogoSalvo = false;
    AoPesquisar([&](TfrmDataSetSearch* dialogo) {
        Pesquisa(dialogo, QString());
        Application->ProcessMessages();
        dialogoSalvo =
            dialogo->Widget()->grab().toImage().save(Pasta() + QStringLiteral("/search-taxpayers.png"));
        return mrCancel;
    });
    Clica(pesquisa, pesquisa->fsnCadastro->acSearch());
    EXPECT_TRUE(dialogoSalvo);
    Salva(pesquisa, QStringLiteral("register-taxpayers.png"));
    Salva(Abre<TfrmCadRepresentante>(), QStringLiteral("register-representatives.png"));
    Salva(Abre<TfrmCadContabilista>(), QStringLiteral("register-accountants.png"));
    Salva(Abre<TfrmConUFs>(), QStringLiteral("lookup-states.png"));
    auto* cfops = Abre<TfrmConCFOPs>();
    basica->cdsCFOPs->Locate(QStringLiteral("CO_FISCAL_OPERACAO"), 5102);
    cfops->pnlDetalhe->Show();
    Salva(cfops, QStringLiteral("lookup-cfops.png"));
    auto* municipios = Abre<TfrmConMunicipios>();
    basica->cdsMunicipios->Locate(QStringLiteral("CO_LOCALIDADE"), 7153);
    Salva(municipios, QStringLiteral("lookup-municipalities.png"));
    auto* fundamentos = Abre<TfrmConFundamentos>();
    fundamentos->pnlDetalhe->Show();
    Salva(fundamentos, QStringLiteral("lookup-legal-grounds.png"));
    Salva(Abre<TfrmConFinalidades>(), QStringLiteral("lookup-purposes.png"));

    auto* parametros = TfrmModDocumento::CreateDocument<TfrmParametros>(frame, -1);
    parametros->Show();
    Application->ProcessMessages();
    EXPECT_TRUE(parametros->Widget()->grab().toImage().save(Pasta() + QStringLiteral("/parameters.png")));
    parametros->Free();

    auto* contribuintes = Abre<TfrmCadContribuintes>();
    QStringList rapida;
    GuardaPaginas(rapida);
    bool salvo = false;
    prompter.AnswerWith([&](const TPromptRequest& request) {
        auto* preview =
            dynamic_cast<TfrmPreview*>(TControl::ControlOf(qobject_cast<QWidget*>(request.Window)));
        EXPECT_NE(preview, nullptr);
        if (preview) {
            preview->Widget()->resize(1000, 720);
            Application->ProcessMessages();
            preview->acZoomToWidth->Execute();
            Application->ProcessMessages();
            salvo =
                preview->Widget()->grab().toImage().save(Pasta() + QStringLiteral("/preview-taxpayers.png"));
        }
        return TPromptResult{mrOk, {}};
    });
    Clica(contribuintes, contribuintes->fsnCadastro->acPrint());
    EXPECT_TRUE(salvo);
}

} // namespace
