#pragma once
// The program's preview window: the pages of a prepared report (a band
// report or a composite one) with paging, zoom, printing on the current
// printer, saving in the saved-report format or through an export filter
// (text, PDF), and loading a saved report.
//
// PreviewReport shows the window and returns when it has closed; every
// report of the program previews through it. The caller waits through the
// prompter, so tests drive the window like any other dialog; meanwhile the
// other windows take no input.
//
// Keys: Esc closes; Page Up and Page Down turn the page, with Ctrl to the
// first and the last page.

#include "platform/ui/TForm.h"

class TAction;
class TActionList;
class TImageList;
class TPanel;
class TPdfExportFilter;
class TReportPreviewControl;
class TReportPrinter;
class TSpeedButton;
class TSpinEdit;
class TStatusBar;
class TTextExportFilter;

class TfrmPreview : public TForm {
    Q_OBJECT
public:
    explicit TfrmPreview(TComponent* owner);
    ~TfrmPreview() override;

    // Shows `printer`'s pages with the title in the caption, proposes
    // `initialDir` for saving and puts the number of pages printed into
    // `printedCount` (when given); returns once the window has closed.
    static void PreviewReport(TReportPrinter& printer, const QString& title, const QString& initialDir,
                              int* printedCount);

    // What the window shows; the printer must outlive the window.
    void SetReport(TReportPrinter* printer, const QString& initialDir, int* printedCount);
    TReportPrinter* Report() const { return m_report; }
    // Whether a print was made from this window.
    bool Printed() const { return m_printed; }

    void FormShow(TObject* sender);
    void FormClose(TObject* sender, TCloseAction& action);
    void FormKeyDown(TObject* sender, int& key, TShiftState shift);
    // All pages up to `pageCount` exist.
    void QRPreviewPageAvailable(int pageCount);
    void sePageChange(TObject* sender);
    void seZoomChange(TObject* sender);

    TPanel* pnBotoes;
    TSpinEdit* sePage;
    TSpinEdit* seZoom;
    TReportPreviewControl* QRPreview;
    TStatusBar* StatusBar1;
    TTextExportFilter* qrTxtx;
    TPdfExportFilter* qrPdf;
    TImageList* ilPreview;
    TActionList* alPreview;
    TAction* acFirst;
    TAction* acPrevious;
    TAction* acNext;
    TAction* acLast;
    TAction* acZoomToFit;
    TAction* acZoomTo100;
    TAction* acZoomToWidth;
    TAction* acPrintSetup;
    TAction* acPrint;
    TAction* acOpen;
    TAction* acSave;
    TAction* acSair;

private:
    void CreateActions();
    void CreateToolbar();
    TSpeedButton* Button(TAction* action, int& left, int groupIndex = 0);
    void Initialise();
    void ShowPage(int pageNumber);
    void ShowPageStatus();
    void ChooseZoom(TAction* action);

    void acFirstExecute(TObject* sender);
    void acPreviousExecute(TObject* sender);
    void acNextExecute(TObject* sender);
    void acLastExecute(TObject* sender);
    void acZoomToFitExecute(TObject* sender);
    void acZoomTo100Execute(TObject* sender);
    void acZoomToWidthExecute(TObject* sender);
    void acPrintSetupExecute(TObject* sender);
    void acPrintExecute(TObject* sender);
    void acOpenExecute(TObject* sender);
    void acSaveExecute(TObject* sender);
    void acSairExecute(TObject* sender);

    TReportPrinter* m_report = nullptr;
    QString m_initialDir;
    int* m_printedCount = nullptr;
    bool m_printed = false;
    bool m_initPending = true;
};

// The preview window being shown, if any.
extern TfrmPreview* frmPreview;
