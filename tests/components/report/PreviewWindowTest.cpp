// The preview window over reports of the report base: paging, zoom, keys,
// saving and loading, export to text and PDF, printing on the current
// printer, composite reports.

#include "components/report/TNUBRep.h"
#include "components/report/TfrmPreview.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/report/TCompositeReport.h"
#include "platform/report/TPrinter.h"
#include "platform/report/TReportDBText.h"
#include "platform/report/TReportPreviewControl.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TSpinEdit.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TStatusPanel.h"
#include "tests/components/report/PreviewDriver.h"
#include "tests/support/QStringPrinter.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QStyle>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TClientDataSet* Numbers(TComponent* owner, int count) {
    auto* data = new TClientDataSet(owner);
    data->FieldDefs().Add(QStringLiteral("NUMERO"), ftInteger);
    data->FieldDefs().Add(QStringLiteral("NOME"), ftString, 40);
    data->CreateDataSet();
    for (int i = 1; i <= count; ++i) {
        data->Append();
        data->FieldByName(QStringLiteral("NUMERO"))->SetAsInteger(i);
        data->FieldByName(QStringLiteral("NOME"))->SetAsString(QStringLiteral("Linha %1").arg(i));
        data->Post();
    }
    data->First();
    return data;
}

// A report of the base with one line per record.
TNUBRep* Listing(TComponent* owner, TDataSet* data, const QString& name) {
    auto* report = new TNUBRep(owner);
    report->SetName(name);
    report->SetReportTitle(QStringLiteral("Relação de Linhas"));
    report->SetDataSet(data);
    auto* detail = new TReportBand(owner, TBandType::rbDetail);
    detail->SetParent(report);
    detail->SetHeight(20);
    auto* text = new TReportDBText(owner);
    text->SetParent(detail);
    text->SetDataSet(data);
    text->SetDataField(QStringLiteral("NOME"));
    return report;
}

class PreviewWindowTest : public testing::Test {
protected:
    PreviewWindowTest() {
        data = Numbers(&owner, 120);
        report = Listing(&owner, data, QStringLiteral("rptLinhas"));
    }
    ~PreviewWindowTest() override { Printer().QtPrinter().setOutputFileName(QString()); }

    static QString Status(TfrmPreview* window) { return window->StatusBar1->Panels(0)->Text(); }

    QTemporaryDir dir;
    ScriptedPrompter prompter;
    TComponent owner;
    TClientDataSet* data;
    TNUBRep* report;
};

TEST_F(PreviewWindowTest, PagesTurnWithinTheReportByButtonsKeysAndTheSpinner) {
    bool visited = false;
    WhenPreviewShown(prompter, [&](TfrmPreview* window) {
        visited = true;
        EXPECT_EQ(window->Caption(), QStringLiteral("Visualizador de Impressão - Relação de Linhas"));
        EXPECT_EQ(window->WindowState(), TWindowState::wsMaximized);
        ASSERT_EQ(window->QRPreview->PageCount(), 3);
        EXPECT_TRUE(window->sePage->Enabled());
        EXPECT_FALSE(window->sePage->EditorEnabled());
        EXPECT_EQ(window->sePage->MaxValue(), 3);
        EXPECT_EQ(Status(window), QStringLiteral("Página 1 de 3"));
        window->acPrevious->Execute(); // on page 1: nothing
        EXPECT_EQ(window->QRPreview->PageNumber(), 1);
        window->acNext->Execute();
        EXPECT_EQ(window->QRPreview->PageNumber(), 2);
        EXPECT_EQ(window->sePage->Value(), 2);
        EXPECT_EQ(Status(window), QStringLiteral("Página 2 de 3"));
        window->acLast->Execute();
        window->acNext->Execute(); // on the last page: nothing
        EXPECT_EQ(window->QRPreview->PageNumber(), 3);
        window->acFirst->Execute();
        EXPECT_EQ(window->QRPreview->PageNumber(), 1);

        auto key = [&](int code, TShiftState shift = Qt::NoModifier) {
            window->OnKeyDown(window, code, shift);
            return window->QRPreview->PageNumber();
        };
        EXPECT_EQ(key(Qt::Key_PageDown), 2);
        EXPECT_EQ(key(Qt::Key_PageDown, Qt::ControlModifier), 3);
        EXPECT_EQ(key(Qt::Key_PageUp), 2);
        EXPECT_EQ(key(Qt::Key_PageUp, Qt::ControlModifier), 1);
        int swallowed = Qt::Key_PageDown;
        window->OnKeyDown(window, swallowed, Qt::NoModifier);
        EXPECT_EQ(swallowed, 0);

        window->sePage->SetValue(3);
        EXPECT_EQ(window->QRPreview->PageNumber(), 3);
        EXPECT_EQ(Status(window), QStringLiteral("Página 3 de 3"));
        int escape = Qt::Key_Escape;
        window->OnKeyDown(window, escape, Qt::NoModifier);
    });
    report->Preview();
    EXPECT_TRUE(visited);
    EXPECT_EQ(frmPreview, nullptr);
}

TEST_F(PreviewWindowTest, ThePrintButtonShowsAPrinterNotAFloppyDisk) {
    WhenPreviewShown(prompter, [&](TfrmPreview* window) {
        const auto picture = [window](TAction* action) {
            return window->ilPreview->GetBitmap(action->ImageIndex())
                .toImage()
                .convertToFormat(QImage::Format_ARGB32);
        };
        const QImage print = picture(window->acPrint);
        EXPECT_NE(print, QApplication::style()
                             ->standardIcon(QStyle::SP_DriveFDIcon)
                             .pixmap(16, 16)
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32));
        for (TAction* other : {window->acSave, window->acOpen, window->acPrintSetup})
            EXPECT_NE(print, picture(other)) << other->Name().toStdString();
        const QString folder = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
        ASSERT_TRUE(QDir().mkpath(folder));
        window->Widget()->resize(900, 260);
        Application->ProcessMessages();
        ASSERT_TRUE(window->Widget()->grab().save(folder + "/preview-print-button.png"));
    });
    report->Preview();
}

TEST_F(PreviewWindowTest, WhileItShowsNoOtherWindowTakesInput) {
    TForm other(nullptr);
    other.Show();
    WhenPreviewShown(prompter, [&](TfrmPreview* window) {
        EXPECT_EQ(QApplication::activeModalWidget(), window->Widget());
        EXPECT_TRUE(other.Widget()->isVisible());
    });
    report->Preview();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "closed, the others take input again";
}

TEST_F(PreviewWindowTest, AOnePageReportLeavesThePageSpinnerDisabled) {
    auto* few = Listing(&owner, Numbers(&owner, 3), QStringLiteral("rptPoucas"));
    WhenPreviewShown(prompter, [&](TfrmPreview* window) {
        EXPECT_EQ(window->QRPreview->PageCount(), 1);
        EXPECT_FALSE(window->sePage->Enabled());
        EXPECT_EQ(Status(window), QStringLiteral("Página 1 de 1"));
    });
    few->Preview();
}

TEST_F(PreviewWindowTest, ZoomStartsAtThePageWidthAndKeepsToItsLimits) {
    WhenPreviewShown(prompter, [&](TfrmPreview* window) {
        EXPECT_TRUE(window->acZoomToWidth->Checked());
        EXPECT_EQ(window->seZoom->Value(), window->QRPreview->Zoom());
        window->acZoomTo100->Execute();
        EXPECT_EQ(window->QRPreview->Zoom(), 100);
        EXPECT_EQ(window->seZoom->Value(), 100);
        EXPECT_TRUE(window->acZoomTo100->Checked());
        EXPECT_FALSE(window->acZoomToWidth->Checked());
        window->seZoom->SetText(QStringLiteral("350"));
        EXPECT_EQ(window->seZoom->Text(), QStringLiteral("300"));
        EXPECT_EQ(window->QRPreview->Zoom(), 300);
        window->seZoom->SetText(QString());
        EXPECT_EQ(window->QRPreview->Zoom(), 300);
        window->seZoom->SetText(QStringLiteral("abc"));
        EXPECT_EQ(window->QRPreview->Zoom(), 300);
        window->seZoom->SetText(QStringLiteral("150"));
        EXPECT_EQ(window->QRPreview->Zoom(), 150);
        window->acZoomToFit->Execute();
        EXPECT_TRUE(window->acZoomToFit->Checked());
        EXPECT_EQ(window->seZoom->Value(), window->QRPreview->Zoom());
        EXPECT_LT(window->QRPreview->Zoom(), 150);
    });
    report->Preview();
}

TEST_F(PreviewWindowTest, SavesWithTheChosenExtensionOnceAndLoadsItBack) {
    const QString plain = dir.filePath(QStringLiteral("listagem"));
    const QString named = dir.filePath(QStringLiteral("copia.qrp"));
    WhenPreviewShown(prompter, [&](TfrmPreview* window) {
        prompter.AnswerWith([&](const TPromptRequest& request) {
            EXPECT_EQ(request.Kind, TPromptKind::pkSaveFile);
            EXPECT_TRUE(request.Filter.startsWith(QStringLiteral("Relatório (*.qrp)|*.qrp|")));
            EXPECT_TRUE(request.Filter.contains(QStringLiteral("|*.txt|")));
            EXPECT_TRUE(request.Filter.endsWith(QStringLiteral("|*.pdf")));
            EXPECT_EQ(request.InitialDir, QStringLiteral("/tmp/relatorios"));
            return TPromptResult{mrOk, plain, 1};
        });
        window->acSave->Execute();
        prompter.AnswerWith([&](const TPromptRequest&) { return TPromptResult{mrOk, named, 1}; });
        window->acSave->Execute();
        window->acSave->Execute(); // cancelled: nothing written
    });
    prompter.Answer(mrCancel);
    report->SetInitialDir(QStringLiteral("/tmp/relatorios"));
    report->Preview();
    EXPECT_TRUE(QFile::exists(plain + QStringLiteral(".qrp")));
    EXPECT_TRUE(QFile::exists(named));
    EXPECT_FALSE(QFile::exists(named + QStringLiteral(".qrp")));

    // Another report's preview loads the saved pages.
    auto* other = Listing(&owner, Numbers(&owner, 2), QStringLiteral("rptOutro"));
    WhenPreviewShown(prompter, [&](TfrmPreview* window) {
        EXPECT_EQ(window->QRPreview->PageCount(), 1);
        prompter.AnswerWith([&](const TPromptRequest& request) {
            EXPECT_EQ(request.Kind, TPromptKind::pkOpenFile);
            EXPECT_EQ(request.Filter, QStringLiteral("Relatório (*.qrp)|*.qrp"));
            return TPromptResult{mrOk, named, 1};
        });
        window->acOpen->Execute();
        EXPECT_EQ(window->QRPreview->PageCount(), 3);
        EXPECT_EQ(window->QRPreview->PageNumber(), 1);
        EXPECT_TRUE(window->sePage->Enabled());
        EXPECT_EQ(window->Caption(), QStringLiteral("Visualizador de Impressão - ") + named);
        EXPECT_EQ(Status(window), QStringLiteral("Página 1 de 3"));
        EXPECT_TRUE(PageTexts(*window->Report()).at(2).contains(QStringLiteral("Linha 120")));

        const QString missing = dir.filePath(QStringLiteral("nada.qrp"));
        prompter.AnswerPath(missing).Answer(mrOk);
        window->acOpen->Execute();
        EXPECT_EQ(prompter.Last().Text, QStringLiteral("Falha ao abrir o arquivo : \"%1\"").arg(missing));
        EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtNone);
        EXPECT_EQ(window->QRPreview->PageCount(), 3);
    });
    other->Preview();
}

TEST_F(PreviewWindowTest, ExportsTextAndPdfThroughTheFilterChosen) {
    const QString text = dir.filePath(QStringLiteral("linhas"));
    const QString pdf = dir.filePath(QStringLiteral("linhas.pdf"));
    WhenPreviewShown(prompter, [&](TfrmPreview* window) {
        prompter.AnswerWith([&](const TPromptRequest&) { return TPromptResult{mrOk, text, 2}; });
        window->acSave->Execute();
        prompter.AnswerWith([&](const TPromptRequest&) { return TPromptResult{mrOk, pdf, 3}; });
        window->acSave->Execute();
    });
    report->Preview();
    QFile exported(text + QStringLiteral(".txt"));
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    const QStringList textPages = QString::fromUtf8(exported.readAll()).split(QLatin1Char('\f'));
    ASSERT_EQ(textPages.size(), 3);
    EXPECT_TRUE(textPages[0].contains(QStringLiteral("Linha 1\n")));
    EXPECT_TRUE(textPages[2].contains(QStringLiteral("Página: 3")));
    const QStringList pdfPages = PdfTexts(pdf);
    ASSERT_EQ(pdfPages.size(), 3);
    EXPECT_TRUE(pdfPages[0].contains(QStringLiteral("Relação de Linhas")));
    EXPECT_TRUE(pdfPages[2].contains(QStringLiteral("Linha 120")));
    EXPECT_FALSE(QFile::exists(pdf + QStringLiteral(".pdf")));
}

TEST_F(PreviewWindowTest, PrintsOnTheCurrentPrinterAndAPrinterErrorLosesNothing) {
    const QString printed = dir.filePath(QStringLiteral("impresso.pdf"));
    WhenPreviewShown(prompter, [&](TfrmPreview* window) {
        // The setup dialog chooses where the pages go.
        prompter.AnswerWith([&](const TPromptRequest& request) {
            EXPECT_EQ(request.Kind, TPromptKind::pkWindow);
            Printer().QtPrinter().setOutputFileName(dir.filePath(QStringLiteral("falta/impresso.pdf")));
            return TPromptResult{mrOk, {}};
        });
        window->acPrintSetup->Execute();
        prompter.Answer(mrOk); // the printer's error, as a click shows it
        Application->SafeCall(window, [&] { window->acPrint->Execute(); });
        EXPECT_EQ(prompter.Last().Text, QStringLiteral("Não foi possível iniciar a impressão."));
        EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtError);
        EXPECT_FALSE(window->Printed());
        EXPECT_TRUE(window->acPrint->Enabled());
        EXPECT_EQ(window->QRPreview->PageCount(), 3);
        Printer().QtPrinter().setOutputFileName(printed);
        window->acPrint->Execute();
        EXPECT_TRUE(window->Printed());
        EXPECT_TRUE(window->acPrint->Enabled());
    });
    report->Preview();
    EXPECT_EQ(report->PrintedCount(), 3);
    EXPECT_EQ(PdfTexts(printed).size(), 3);
}

TEST_F(PreviewWindowTest, ACompositeReportPagesThroughAllItsParts) {
    TCompositeReport composite(&owner);
    auto* second = Listing(&owner, Numbers(&owner, 10), QStringLiteral("rptSegunda"));
    composite.OnAddReports = TNotifyEvent::fromFunction([&](TObject*) {
        composite.Add(report);
        composite.Add(second);
    });
    composite.OnPreview = TNotifyEvent::fromFunction([&](TObject*) {
        TfrmPreview::PreviewReport(composite.ReportPrinter(), QStringLiteral("Espelho"), QString(), nullptr);
    });
    WhenPreviewShown(prompter, [&](TfrmPreview* window) {
        EXPECT_EQ(window->QRPreview->PageCount(), 4);
        EXPECT_EQ(Status(window), QStringLiteral("Página 1 de 4"));
        window->acLast->Execute();
        EXPECT_EQ(Status(window), QStringLiteral("Página 4 de 4"));
        const QString last = PageTexts(*window->Report()).at(3);
        EXPECT_TRUE(last.contains(QStringLiteral("Página: 4")));
        EXPECT_TRUE(last.contains(QStringLiteral("rptSegunda")));
    });
    composite.Preview();
}

} // namespace
