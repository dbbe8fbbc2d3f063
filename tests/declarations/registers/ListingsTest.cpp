// Every register and lookup listing, read through the text export, and the
// taxpayer listing saved as PDF from its preview and read back by pdftotext.

#include "tests/declarations/registers/RegisterWindows.h"

#include "components/navigation/TfraMidasNavigator.h"
#include "declarations/registers/TfrmCadContabilista.h"
#include "declarations/registers/TfrmCadContribuintes.h"
#include "declarations/registers/TfrmCadRepresentante.h"
#include "declarations/registers/TfrmConCFOPs.h"
#include "declarations/registers/TfrmConFinalidades.h"
#include "declarations/registers/TfrmConFundamentos.h"
#include "declarations/registers/TfrmConMunicipios.h"
#include "declarations/registers/TfrmConUFs.h"
#include "platform/ui/TAction.h"
#include "tests/support/QStringPrinter.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QStringList PdfTexts(const QString& pdfFile) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfFile, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

class ListingsTest : public RegisterWindows {
protected:
    // Prints from the window; each preview shown adds its pages' text.
    std::vector<QStringList> Imprime(TfrmModCadastroMidas* janela, int previews) {
        std::vector<QStringList> paginas(static_cast<std::size_t>(previews));
        for (QStringList& cada : paginas)
            GuardaPaginas(cada);
        Clica(janela, janela->fsnCadastro->acPrint());
        return paginas;
    }
    static bool Tem(const QStringList& paginas, const QString& texto) {
        return paginas.join(QLatin1Char('\f')).contains(texto);
    }
};

TEST_F(ListingsTest, TaxpayersGiveTheOneClickListingThenTheirOwnWithTheEmail) {
    CriaContribuinte(12345674, QStringLiteral("Padaria Estrela"), QStringLiteral("padaria@estrela.kv"));
    CriaContribuinte(87654320, QStringLiteral("Mercado Central"));
    auto* janela = Abre<TfrmCadContribuintes>();
    const auto paginas = Imprime(janela, 2);
    const QStringList& rapida = paginas[0];
    ASSERT_FALSE(rapida.isEmpty());
    EXPECT_TRUE(Tem(rapida, QStringLiteral("Relatório de Contribuintes")));
    EXPECT_TRUE(Tem(rapida, QStringLiteral("padaria@estrela.kv")));
    EXPECT_TRUE(Tem(rapida, QStringLiteral("12.345.674")));
    EXPECT_TRUE(Tem(rapida, QStringLiteral("rptCadastro")));
    const QStringList& propria = paginas[1];
    ASSERT_FALSE(propria.isEmpty());
    EXPECT_TRUE(Tem(propria, QStringLiteral("Relatório de Contribuintes Declarantes")));
    EXPECT_TRUE(Tem(propria, QStringLiteral("Correio eletrônico")));
    EXPECT_TRUE(Tem(propria, QStringLiteral("padaria@estrela.kv")));
    EXPECT_TRUE(Tem(propria, QStringLiteral("Mercado Central")));
    EXPECT_TRUE(Tem(propria, QStringLiteral("11.222.333/0001-81")));
    EXPECT_TRUE(Tem(propria, QStringLiteral("rptContribuinte")));
}

TEST_F(ListingsTest, EachRegistersListingIsSavedAsPdfFromItsPreview) {
    CriaContribuinte(12345674, QStringLiteral("Padaria Estrela"), QStringLiteral("padaria@estrela.kv"));
    ASSERT_TRUE(geral->ExecutaSQL(QStringLiteral(
        "INSERT INTO REPRESENTANTE (SQ_REPRESENTANTE, NO_REPRESENTANTE_LEGAL, NU_DDD_REPRESENTANTE_LEGAL, "
        "NU_TEL_REPRESENTANTE_LEGAL) VALUES (1, 'Maria da Silva', '21', '32221234')")));
    ASSERT_TRUE(geral->ExecutaSQL(
        QStringLiteral("INSERT INTO CONTABILISTA (SQ_CONTABILISTA, NO_CONTABILISTA, NU_DDD_CONTABILISTA, "
                       "NU_TEL_CONTABILISTA) VALUES (1, 'Carlos Mendes', '61', '33334444')")));
    QTemporaryDir pasta;
    // Prints from the window; the last preview saves itself as PDF through its save dialog.
    auto salvaPdf = [&](TfrmModCadastroMidas* janela, int previews, const QString& nome) {
        QStringList antes;
        for (int i = 1; i < previews; ++i)
            GuardaPaginas(antes);
        const QString arquivo = pasta.filePath(nome);
        prompter.AnswerWith([&, arquivo](const TPromptRequest& request) {
            auto* preview =
                dynamic_cast<TfrmPreview*>(TControl::ControlOf(qobject_cast<QWidget*>(request.Window)));
            EXPECT_NE(preview, nullptr);
            if (preview) {
                prompter.AnswerWith([arquivo](const TPromptRequest&) {
                    return TPromptResult{mrOk, arquivo, 3};
                });
                preview->acSave->Execute();
            }
            return TPromptResult{mrOk, {}};
        });
        Clica(janela, janela->fsnCadastro->acPrint());
        return PdfTexts(arquivo + QStringLiteral(".pdf"));
    };
    const QStringList contribuintes =
        salvaPdf(Abre<TfrmCadContribuintes>(), 2, QStringLiteral("contribuintes"));
    ASSERT_EQ(contribuintes.size(), 1);
    EXPECT_TRUE(contribuintes[0].contains(QStringLiteral("Relatório de Contribuintes Declarantes")));
    EXPECT_TRUE(contribuintes[0].contains(QStringLiteral("padaria@estrela.kv")));
    EXPECT_TRUE(contribuintes[0].contains(QStringLiteral("Padaria Estrela")));
    EXPECT_TRUE(contribuintes[0].contains(QStringLiteral("Página: 1")));
    const QStringList representantes =
        salvaPdf(Abre<TfrmCadRepresentante>(), 2, QStringLiteral("representantes"));
    ASSERT_EQ(representantes.size(), 1);
    EXPECT_TRUE(representantes[0].contains(QStringLiteral("Relatório de Representantes Legais")));
    EXPECT_TRUE(representantes[0].contains(QStringLiteral("Maria da Silva")));
    const QStringList contabilistas =
        salvaPdf(Abre<TfrmCadContabilista>(), 1, QStringLiteral("contabilistas"));
    ASSERT_EQ(contabilistas.size(), 1);
    EXPECT_TRUE(contabilistas[0].contains(QStringLiteral("Relatório de Contabilistas")));
    EXPECT_TRUE(contabilistas[0].contains(QStringLiteral("Carlos Mendes")));
}

TEST_F(ListingsTest, RepresentativesAndAccountants) {
    ASSERT_TRUE(geral->ExecutaSQL(QStringLiteral(
        "INSERT INTO REPRESENTANTE (SQ_REPRESENTANTE, NO_REPRESENTANTE_LEGAL, NU_DDD_REPRESENTANTE_LEGAL, "
        "NU_TEL_REPRESENTANTE_LEGAL) VALUES (1, 'Maria da Silva', '21', '32221234')")));
    ASSERT_TRUE(geral->ExecutaSQL(
        QStringLiteral("INSERT INTO CONTABILISTA (SQ_CONTABILISTA, NO_CONTABILISTA, NU_DDD_CONTABILISTA, "
                       "NU_TEL_CONTABILISTA) VALUES (1, 'Carlos Mendes', '61', '33334444')")));
    const auto representantes = Imprime(Abre<TfrmCadRepresentante>(), 2);
    EXPECT_TRUE(Tem(representantes[0], QStringLiteral("Maria da Silva")));
    EXPECT_TRUE(Tem(representantes[1], QStringLiteral("Relatório de Representantes Legais")));
    EXPECT_TRUE(Tem(representantes[1], QStringLiteral("Maria da Silva")));
    // The accountants print their own listing only.
    const auto contabilistas = Imprime(Abre<TfrmCadContabilista>(), 1);
    EXPECT_TRUE(Tem(contabilistas[0], QStringLiteral("Relatório de Contabilistas")));
    EXPECT_TRUE(Tem(contabilistas[0], QStringLiteral("Carlos Mendes")));
    EXPECT_TRUE(Tem(contabilistas[0], QStringLiteral("Telefone")));
}

TEST_F(ListingsTest, StatesAndMunicipalities) {
    const auto ufs = Imprime(Abre<TfrmConUFs>(), 2);
    EXPECT_TRUE(Tem(ufs[0], QStringLiteral("Rondônia")));
    EXPECT_TRUE(Tem(ufs[1], QStringLiteral("Relatório de UFs")));
    EXPECT_TRUE(ufs[1].join(QString()).contains(QRegularExpression(QStringLiteral("Rondônia +RO"))));
    const auto municipios = Imprime(Abre<TfrmConMunicipios>(), 2);
    EXPECT_TRUE(Tem(municipios[1], QStringLiteral("Relatório de Municipios")));
    const QString nome = banco.Value(QStringLiteral("SELECT MIN(NO_LOCALIDADE) FROM MUNICIPIO")).toString();
    EXPECT_TRUE(Tem(municipios[1], nome));
}

TEST_F(ListingsTest, CfopsWithTheirHistory) {
    const auto cfops = Imprime(Abre<TfrmConCFOPs>(), 2);
    EXPECT_TRUE(Tem(cfops[1], QStringLiteral("Relatório de CFOPs")));
    EXPECT_TRUE(Tem(cfops[1], QStringLiteral("Natureza do CFOP")));
    const QString descricao =
        banco.Value(QStringLiteral("SELECT DS_CFOP FROM CFOP_HIST WHERE CO_FISCAL_OPERACAO = 5102"))
            .toString();
    ASSERT_FALSE(descricao.isEmpty());
    EXPECT_TRUE(Tem(cfops[1], descricao.left(20)));
    EXPECT_TRUE(Tem(cfops[1], QStringLiteral("Saída")));
    EXPECT_GT(cfops[1].size(), 5);
    EXPECT_TRUE(basica->cdsCFOPs->Active());
}

TEST_F(ListingsTest, LegalGroundsAndPurposesWithTheirHistory) {
    const auto fundamentos = Imprime(Abre<TfrmConFundamentos>(), 2);
    EXPECT_TRUE(Tem(fundamentos[1], QStringLiteral("Relatório de Ocorrências")));
    EXPECT_TRUE(Tem(fundamentos[1], QStringLiteral("N020001")));
    EXPECT_TRUE(Tem(fundamentos[1], QStringLiteral("Outros débitos não especificados")));
    EXPECT_TRUE(Tem(fundamentos[1], QStringLiteral("Operações Próprias")));
    const auto finalidades = Imprime(Abre<TfrmConFinalidades>(), 2);
    EXPECT_TRUE(
        Tem(finalidades[1], QStringLiteral("Relatório de Finalidades de Saldo Credor de Exportação")));
    EXPECT_TRUE(Tem(finalidades[1], QStringLiteral("Saldo Credor de Exportação")));
}

} // namespace
