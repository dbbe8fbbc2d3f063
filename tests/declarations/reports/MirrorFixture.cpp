#include "tests/declarations/reports/MirrorFixture.h"

#include "components/report/TfrmPreview.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TIBDatabase.h"
#include "platform/report/TReportPrinter.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TRadioGroup.h"

#include <QFile>
#include <QProcess>

namespace {

QStringList Paginas(const QString& texto) {
    QStringList paginas = texto.split(QLatin1Char('\f'));
    if (!paginas.isEmpty() && paginas.last().trimmed().isEmpty())
        paginas.removeLast();
    return paginas;
}

} // namespace

MirrorFixture::MirrorFixture() {
    fixture = std::make_unique<DeclarationFixture>(*geral->ibDBDef);
    fixture->Taxpayer();
}

MirrorFixture::~MirrorFixture() {
    def->cdsSelDeclaracao->Close();
    Application->ProcessMessages();
    fixture.reset();
}

void MirrorFixture::DeclaracaoCompleta(int sq, DeclarationFixture::Declaration declaracao) {
    declaracao.sq = sq;
    fixture->AddDeclaration(declaracao);
    fixture->FillSmall(sq);
    Seleciona(sq);
}

void MirrorFixture::Seleciona(int sq) {
    TClientDataSet* lista = def->cdsSelDeclaracao;
    if (lista->Active())
        lista->Refresh();
    else
        lista->Open();
    ASSERT_TRUE(lista->Locate(QStringLiteral("SQ_DECLARACAO"), sq));
}

std::unique_ptr<TfrmDlgEspelhoZeb> MirrorFixture::Dialogo() {
    return std::unique_ptr<TfrmDlgEspelhoZeb>(TForm::Create<TfrmDlgEspelhoZeb>(nullptr));
}

QStringList MirrorFixture::PdfTexts(const QString& pdfFile) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfFile, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return Paginas(QString::fromUtf8(process.readAllStandardOutput()));
}

MirrorFixture::Impressao MirrorFixture::Imprime(TfrmDlgEspelhoZeb& dialogo, bool comPdf,
                                                const std::function<void(TfrmDlgEspelhoZeb&)>& enquanto) {
    Impressao impressao;
    static int numero = 0;
    const QString base = pasta.filePath(QStringLiteral("espelho%1").arg(++numero));
    prompter.AnswerWith([&](const TPromptRequest& request) {
        auto* preview =
            dynamic_cast<TfrmPreview*>(TControl::ControlOf(qobject_cast<QWidget*>(request.Window)));
        EXPECT_NE(preview, nullptr);
        if (!preview)
            return TPromptResult{mrOk, {}};
        impressao.previsualizada = true;
        TReportPrinter* printer = preview->Report();
        printer->ExportToText(base + QStringLiteral(".txt"));
        QFile texto(base + QStringLiteral(".txt"));
        EXPECT_TRUE(texto.open(QIODevice::ReadOnly));
        impressao.paginas = Paginas(QString::fromUtf8(texto.readAll()));
        EXPECT_EQ(impressao.paginas.size(), printer->PageCount());
        if (comPdf) {
            impressao.arquivoPdf = base + QStringLiteral(".pdf");
            printer->ExportToPdf(impressao.arquivoPdf);
            impressao.pdf = PdfTexts(impressao.arquivoPdf);
        }
        if (enquanto)
            enquanto(dialogo);
        return TPromptResult{mrOk, {}};
    });
    Application->SafeCall(&dialogo, [&dialogo] { dialogo.btnImprimir->Click(); });
    return impressao;
}

MirrorFixture::Impressao
MirrorFixture::ImprimeSecoes(bool resumos, std::initializer_list<const char*> caixas, bool comPdf,
                             const std::function<void(TfrmDlgEspelhoZeb&)>& enquanto) {
    std::unique_ptr<TfrmDlgEspelhoZeb> dialogo = Dialogo();
    dialogo->rgTipo->SetItemIndex(resumos ? 1 : 0);
    TCheckBox* todos = resumos ? dialogo->cbTodosR : dialogo->cbTodos;
    todos->SetChecked(false);
    const int secao = resumos ? TfrmDlgEspelhoZeb::kSummaryTag : TfrmDlgEspelhoZeb::kDataTag;
    for (int i = 0; i < dialogo->ComponentCount(); ++i)
        if (auto* caixa = dynamic_cast<TCheckBox*>(dialogo->Components(i)); caixa && caixa->Tag() == secao)
            caixa->SetChecked(std::any_of(caixas.begin(), caixas.end(), [caixa](const char* nome) {
                return caixa->Name() == QLatin1String(nome);
            }));
    return Imprime(*dialogo, comPdf, enquanto);
}

QString MirrorFixture::Secao(const QStringList& paginas, const QString& titulo) {
    QStringList escolhidas;
    for (const QString& pagina : paginas)
        if (pagina.contains(titulo))
            escolhidas << pagina;
    return escolhidas.join(QLatin1Char('\f'));
}
