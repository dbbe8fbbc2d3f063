#include "components/report/TfrmPreview.h"

#include "platform/graphics/PrinterPicture.h"

#include "platform/base/TPrompter.h"
#include "platform/report/TPdfExportFilter.h"
#include "platform/report/TPrinter.h"
#include "platform/report/TPrinterSetupDialog.h"
#include "platform/report/TReportExportFilter.h"
#include "platform/report/TReportPreviewControl.h"
#include "platform/report/TReportPrinter.h"
#include "platform/report/TTextExportFilter.h"
#include "platform/ui/ControlLayout.h"
#include "platform/ui/Make.h"
#include "platform/ui/ShowMessage.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TActionList.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TImageList.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TSpeedButton.h"
#include "platform/ui/TSpinEdit.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TStatusPanel.h"

#include <QApplication>
#include <QFileInfo>
#include <QPointer>
#include <QStyle>

TfrmPreview* frmPreview = nullptr;

namespace {
const QString kCaption = QStringLiteral("Visualizador de Impressão");
constexpr int kMinWidth = 540;
constexpr int kToolbarHeight = 30;
constexpr int kButtonSize = 26;
constexpr int kSpinWidth = 60;
constexpr int kGap = 6;
constexpr int kZoomGroup = 1;
constexpr int kStartZoom = 100;
constexpr int kZoomStep = 10;

struct ActionSpec {
    const char* name;
    const char* hint;
    QStyle::StandardPixmap picture;
};
const ActionSpec kActions[] = {
    {"acFirst", "Primeira página", QStyle::SP_MediaSkipBackward},
    {"acPrevious", "Página anterior", QStyle::SP_MediaSeekBackward},
    {"acNext", "Próxima página", QStyle::SP_MediaSeekForward},
    {"acLast", "Última página", QStyle::SP_MediaSkipForward},
    {"acZoomToFit", "Exibir layout de página inteira", QStyle::SP_TitleBarNormalButton},
    {"acZoomTo100", "Exibir layout de tamanho natural", QStyle::SP_FileDialogContentsView},
    {"acZoomToWidth", "Exibir layout de largura de página", QStyle::SP_ToolBarHorizontalExtensionButton},
    {"acPrintSetup", "Configurar impressão", QStyle::SP_FileDialogDetailedView},
    {"acPrint", "Imprimir", QStyle::SP_CustomBase}, // a printer, drawn here
    {"acOpen", "Abrir relatório", QStyle::SP_DialogOpenButton},
    {"acSave", "Salvar relatório", QStyle::SP_DialogSaveButton},
    {"acSair", "Sair", QStyle::SP_DialogCloseButton},
};

// The extension a dialog filter's pattern gives ("*.qrp" -> ".qrp").
QString ExtensionOf(const QString& pattern) {
    const QString first = pattern.section(QLatin1Char(';'), 0, 0).trimmed();
    const int dot = static_cast<int>(first.lastIndexOf(QLatin1Char('.')));
    return dot < 0 ? QString() : first.mid(dot);
}
} // namespace

TfrmPreview::TfrmPreview(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("frmPreview"));
    SetCaption(kCaption);
    SetBorderIcons(biSystemMenu | biMaximize);
    SetKeyPreview(true);
    SetBounds(0, 0, 800, 600);
    Widget()->setMinimumWidth(kMinWidth);
    SetWindowState(TWindowState::wsMaximized);

    CreateActions();
    CreateToolbar();

    StatusBar1 = Make<TStatusBar>(this, QStringLiteral("StatusBar1"), this);
    StatusBar1->AddPanel(300);
    StatusBar1->SetAlign(TAlign::alBottom);

    QRPreview = Make<TReportPreviewControl>(this, QStringLiteral("QRPreview"), this);
    QRPreview->SetAlign(TAlign::alClient);
    QRPreview->SetZoom(kStartZoom);

    qrTxtx = Make<TTextExportFilter>(this, QStringLiteral("qrTxtx"));
    qrPdf = Make<TPdfExportFilter>(this, QStringLiteral("qrPdf"));

    OnShow = TNotifyEvent(this, &TfrmPreview::FormShow);
    OnClose = TCloseEvent(this, &TfrmPreview::FormClose);
    OnKeyDown = TKeyEvent(this, &TfrmPreview::FormKeyDown);
}

TfrmPreview::~TfrmPreview() {
    if (frmPreview == this)
        frmPreview = nullptr;
    if (QRPreview)
        QRPreview->SetQRPrinter(nullptr);
}

void TfrmPreview::CreateActions() {
    ilPreview = Make<TImageList>(this, QStringLiteral("ilPreview"));
    alPreview = Make<TActionList>(this, QStringLiteral("alPreview"));
    alPreview->SetImages(ilPreview);
    std::vector<TAction*> actions;
    for (const ActionSpec& spec : kActions) {
        auto* action = Make<TAction>(this, QString::fromLatin1(spec.name));
        action->SetHint(QString::fromUtf8(spec.hint));
        action->SetImageIndex(
            ilPreview->Add(spec.picture == QStyle::SP_CustomBase
                               ? PrinterPicture(16)
                               : QApplication::style()->standardIcon(spec.picture).pixmap(16, 16)));
        action->SetActionList(alPreview);
        actions.push_back(action);
    }
    acFirst = actions[0];
    acPrevious = actions[1];
    acNext = actions[2];
    acLast = actions[3];
    acZoomToFit = actions[4];
    acZoomTo100 = actions[5];
    acZoomToWidth = actions[6];
    acPrintSetup = actions[7];
    acPrint = actions[8];
    acOpen = actions[9];
    acSave = actions[10];
    acSair = actions[11];
    acFirst->OnExecute = TNotifyEvent(this, &TfrmPreview::acFirstExecute);
    acPrevious->OnExecute = TNotifyEvent(this, &TfrmPreview::acPreviousExecute);
    acNext->OnExecute = TNotifyEvent(this, &TfrmPreview::acNextExecute);
    acLast->OnExecute = TNotifyEvent(this, &TfrmPreview::acLastExecute);
    acZoomToFit->OnExecute = TNotifyEvent(this, &TfrmPreview::acZoomToFitExecute);
    acZoomTo100->OnExecute = TNotifyEvent(this, &TfrmPreview::acZoomTo100Execute);
    acZoomToWidth->OnExecute = TNotifyEvent(this, &TfrmPreview::acZoomToWidthExecute);
    acPrintSetup->OnExecute = TNotifyEvent(this, &TfrmPreview::acPrintSetupExecute);
    acPrint->OnExecute = TNotifyEvent(this, &TfrmPreview::acPrintExecute);
    acOpen->OnExecute = TNotifyEvent(this, &TfrmPreview::acOpenExecute);
    acSave->OnExecute = TNotifyEvent(this, &TfrmPreview::acSaveExecute);
    acSair->OnExecute = TNotifyEvent(this, &TfrmPreview::acSairExecute);
}

TSpeedButton* TfrmPreview::Button(TAction* action, int& left, int groupIndex) {
    auto* button = Make<TSpeedButton>(this, QStringLiteral("sb") + action->Name().mid(2), pnBotoes);
    button->SetFlat(true);
    button->SetGroupIndex(groupIndex);
    button->SetAction(action);
    button->SetCaption(QString());
    button->SetShowHint(true);
    button->SetBounds(left, (kToolbarHeight - kButtonSize) / 2, kButtonSize, kButtonSize);
    left += kButtonSize;
    return button;
}

void TfrmPreview::CreateToolbar() {
    pnBotoes = MakePanel(this, this, QStringLiteral("pnBotoes"), TAlign::alTop);
    pnBotoes->SetHeight(kToolbarHeight);

    int left = kGap;
    for (TAction* action : {acFirst, acPrevious})
        Button(action, left);
    sePage = Make<TSpinEdit>(this, QStringLiteral("sePage"), pnBotoes);
    sePage->SetBounds(left + 2, (kToolbarHeight - 22) / 2, kSpinWidth, 22);
    sePage->SetMinValue(1);
    sePage->SetMaxValue(1);
    sePage->SetValue(1);
    sePage->SetEditorEnabled(false);
    sePage->SetEnabled(false);
    sePage->OnChange = TNotifyEvent(this, &TfrmPreview::sePageChange);
    left += kSpinWidth + 4;
    for (TAction* action : {acNext, acLast})
        Button(action, left);

    left += kGap;
    for (TAction* action : {acZoomToFit, acZoomTo100, acZoomToWidth})
        Button(action, left, kZoomGroup);
    seZoom = Make<TSpinEdit>(this, QStringLiteral("seZoom"), pnBotoes);
    seZoom->SetBounds(left + 2, (kToolbarHeight - 22) / 2, kSpinWidth, 22);
    seZoom->SetMinValue(TReportPreview::kMinZoom);
    seZoom->SetMaxValue(TReportPreview::kMaxZoom);
    seZoom->SetIncrement(kZoomStep);
    seZoom->SetValue(kStartZoom);
    seZoom->OnChange = TNotifyEvent(this, &TfrmPreview::seZoomChange);
    left += kSpinWidth + 4 + kGap;
    for (TAction* action : {acPrintSetup, acPrint})
        Button(action, left);
    left += kGap;
    for (TAction* action : {acOpen, acSave})
        Button(action, left);
    left += kGap;
    Button(acSair, left);
}

void TfrmPreview::PreviewReport(TReportPrinter& printer, const QString& title, const QString& initialDir,
                                int* printedCount) {
    // Whatever ends the wait, also an error, the window goes with it.
    struct Window {
        QPointer<TfrmPreview> form = TForm::Create<TfrmPreview>(Application);
        ~Window() {
            if (form)
                form->Free();
        }
    } window;
    frmPreview = window.form;
    window.form->SetCaption(kCaption + QStringLiteral(" - ") + title);
    window.form->SetReport(&printer, initialDir, printedCount);
    // The caller waits for the window: nothing else may close it (or the
    // window whose report this is) meanwhile.
    window.form->Widget()->setWindowModality(Qt::ApplicationModal);
    window.form->Show();
    window.form->QRPreviewPageAvailable(printer.PageCount());
    TPromptRequest request;
    request.Kind = TPromptKind::pkWindow;
    request.Caption = window.form->Caption();
    request.Window = window.form->Widget();
    TPrompter::Current().Prompt(request);
}

void TfrmPreview::SetReport(TReportPrinter* printer, const QString& initialDir, int* printedCount) {
    m_report = printer;
    m_initialDir = initialDir;
    m_printedCount = printedCount;
    QRPreview->SetQRPrinter(printer);
    m_initPending = true;
}

void TfrmPreview::FormShow(TObject*) {
    m_printed = false;
    m_initPending = true;
}

void TfrmPreview::FormClose(TObject*, TCloseAction& action) {
    QRPreview->SetQRPrinter(nullptr);
    action = TCloseAction::caFree;
}

void TfrmPreview::Initialise() {
    if (!m_initPending)
        return;
    m_initPending = false;
    // The window's layout settles before the page width is measured.
    if (Application)
        Application->ProcessMessages();
    const int count = m_report ? m_report->PageCount() : 0;
    sePage->SetMinValue(1);
    sePage->SetMaxValue(std::max(count, 1));
    sePage->SetValue(1);
    QRPreview->ZoomToWidth();
    ChooseZoom(acZoomToWidth);
    seZoom->SetValue(QRPreview->Zoom());
}

void TfrmPreview::QRPreviewPageAvailable(int pageCount) {
    Initialise();
    sePage->SetMaxValue(std::max(pageCount, 1));
    const int total = m_report ? m_report->PageCount() : 0;
    if (pageCount == total) {
        ShowPageStatus();
        sePage->SetEnabled(total > 1);
    } else {
        StatusBar1->Panels(0)->SetText(QStringLiteral("Desenhando Página %1").arg(pageCount));
    }
}

void TfrmPreview::ShowPageStatus() {
    const int total = m_report ? m_report->PageCount() : 0;
    StatusBar1->Panels(0)->SetText(QStringLiteral("Página %1 de %2").arg(QRPreview->PageNumber()).arg(total));
}

void TfrmPreview::ShowPage(int pageNumber) {
    QRPreview->SetPageNumber(pageNumber);
    sePage->SetValue(QRPreview->PageNumber());
    ShowPageStatus();
}

void TfrmPreview::sePageChange(TObject*) {
    if (sePage->Text().trimmed().isEmpty())
        return;
    QRPreview->SetPageNumber(sePage->Value());
    ShowPageStatus();
}

void TfrmPreview::seZoomChange(TObject*) {
    const QString text = seZoom->Text().trimmed();
    if (text.isEmpty())
        return;
    bool ok = false;
    int zoom = text.toInt(&ok);
    if (!ok)
        return;
    if (zoom > seZoom->MaxValue()) {
        zoom = seZoom->MaxValue();
        seZoom->SetValue(zoom);
    }
    QRPreview->SetZoom(zoom);
}

void TfrmPreview::ChooseZoom(TAction* action) {
    for (TAction* zoom : {acZoomToFit, acZoomTo100, acZoomToWidth})
        zoom->SetChecked(zoom == action);
}

void TfrmPreview::FormKeyDown(TObject*, int& key, TShiftState shift) {
    const bool control = shift & Qt::ControlModifier;
    TAction* action = nullptr;
    switch (key) {
    case Qt::Key_Escape:
        action = acSair;
        break;
    case Qt::Key_PageUp:
        action = control ? acFirst : acPrevious;
        break;
    case Qt::Key_PageDown:
        action = control ? acLast : acNext;
        break;
    default:
        return;
    }
    key = 0;
    action->Execute();
}

void TfrmPreview::acFirstExecute(TObject*) {
    ShowPage(1);
}

void TfrmPreview::acPreviousExecute(TObject*) {
    if (QRPreview->PageNumber() > 1)
        ShowPage(QRPreview->PageNumber() - 1);
}

void TfrmPreview::acNextExecute(TObject*) {
    if (QRPreview->PageNumber() < QRPreview->PageCount())
        ShowPage(QRPreview->PageNumber() + 1);
}

void TfrmPreview::acLastExecute(TObject*) {
    ShowPage(QRPreview->PageCount());
}

void TfrmPreview::acZoomToFitExecute(TObject*) {
    QRPreview->ZoomToFit();
    ChooseZoom(acZoomToFit);
    seZoom->SetValue(QRPreview->Zoom());
}

void TfrmPreview::acZoomTo100Execute(TObject*) {
    QRPreview->ZoomTo100();
    ChooseZoom(acZoomTo100);
    seZoom->SetValue(QRPreview->Zoom());
}

void TfrmPreview::acZoomToWidthExecute(TObject*) {
    QRPreview->ZoomToWidth();
    ChooseZoom(acZoomToWidth);
    seZoom->SetValue(QRPreview->Zoom());
}

void TfrmPreview::acPrintSetupExecute(TObject*) {
    TPrinterSetupDialog dialog;
    dialog.Execute();
}

void TfrmPreview::acPrintExecute(TObject*) {
    if (!m_report)
        return;
    acPrint->SetEnabled(false);
    struct Enable {
        TAction* action;
        ~Enable() { action->SetEnabled(true); }
    } enable{acPrint};
    m_report->Print(Printer().QtPrinter());
    if (m_printedCount)
        *m_printedCount = m_report->PageCount();
    m_printed = true;
}

void TfrmPreview::acSaveExecute(TObject*) {
    if (!m_report)
        return;
    TPromptRequest request;
    request.Kind = TPromptKind::pkSaveFile;
    request.Caption = acSave->Hint();
    request.InitialDir = m_initialDir;
    request.Filter = TReportExportFilter::DialogFilter();
    const TPromptResult answer = TPrompter::Current().Prompt(request);
    if (answer.Button != mrOk || answer.Path.isEmpty())
        return;
    QStringList patterns;
    const QStringList parts = request.Filter.split(QLatin1Char('|'));
    for (int i = 1; i < parts.size(); i += 2)
        patterns << parts[i];
    const int index =
        answer.FilterIndex >= 1 && answer.FilterIndex <= patterns.size() ? answer.FilterIndex : 1;
    const QString extension = ExtensionOf(patterns.at(index - 1));
    QString fileName = answer.Path;
    if (!fileName.endsWith(extension, Qt::CaseInsensitive))
        fileName += extension;
    if (index == 1) {
        m_report->SaveToFile(fileName);
        return;
    }
    const auto& filters = TReportExportFilter::RegisteredFilters();
    const auto filter = static_cast<std::size_t>(index - 2);
    if (filter < filters.size())
        filters[filter]->ExportPages(*m_report, fileName);
}

void TfrmPreview::acOpenExecute(TObject*) {
    if (!m_report)
        return;
    TPromptRequest request;
    request.Kind = TPromptKind::pkOpenFile;
    request.Caption = acOpen->Hint();
    request.Filter = QStringLiteral("Relatório (*.qrp)|*.qrp");
    const TPromptResult answer = TPrompter::Current().Prompt(request);
    if (answer.Button != mrOk || answer.Path.isEmpty())
        return;
    if (!QFileInfo::exists(answer.Path)) {
        ShowMessage(QStringLiteral("Falha ao abrir o arquivo : \"%1\"").arg(answer.Path));
        return;
    }
    m_report->LoadFromFile(answer.Path);
    QRPreview->SetQRPrinter(m_report);
    SetCaption(kCaption + QStringLiteral(" - ") + answer.Path);
    m_initPending = true;
    QRPreviewPageAvailable(m_report->PageCount());
}

void TfrmPreview::acSairExecute(TObject*) {
    Close();
}
