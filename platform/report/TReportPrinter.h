#pragma once
// The prepared pages of a report and everything done with them: rendering for
// the preview, printing, PDF, text, and saving to and loading from the
// saved-report format. A report fills it when prepared; the preview and the
// export filters read it.

#include "platform/base/TEvent.h"
#include "platform/base/TObject.h"
#include "platform/report/TPreparedPage.h"

#include <QString>
#include <vector>

class QPrinter;
class QWidget;
class QPainter;

class TReportPrinter : public TObject {
public:
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    // Pages are numbered from 1; raises an Exception outside 1..PageCount.
    const TPreparedPage& Page(int pageNumber) const;
    const std::vector<TPreparedPage>& Pages() const { return m_pages; }
    // Replaces all pages at once.
    void SetPages(std::vector<TPreparedPage> pages);
    void Clear() { m_pages.clear(); }

    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }

    // Told while a report is prepared with the number of each finished page,
    // and once more with PageCount when all pages stand.
    TEvent<TObject*, int> OnPageAvailable;
    void PageAvailable(int pageNumber) { OnPageAvailable(this, pageNumber); }

    // Paints page `pageNumber` at `origin` with `pixelsPerMm` device pixels to the millimetre.
    void RenderPage(int pageNumber, QPainter& painter, double x, double y, double pixelsPerMm) const;

    // Prints pages fromPage..toPage (0: to the last) on `printer`, each with its own size.
    void Print(QPrinter& printer, int fromPage = 1, int toPage = 0) const;
    // Asks for the printer and the pages through the print dialog on the
    // current printer (through the prompter), then prints; false when the
    // user cancels.
    bool PrintWithDialog(QWidget* parent);

    // Raise Exception, in Portuguese with the reason, when the file cannot be
    // written (SaveToFile too); a text or saved report is written whole or
    // not at all.
    void ExportToPdf(const QString& fileName) const;
    void ExportToText(const QString& fileName) const;

    // The saved-report format (".qrp"); loading raises EReportFileError for a
    // damaged or foreign file and keeps the pages held before.
    void SaveToFile(const QString& fileName) const;
    void LoadFromFile(const QString& fileName);

private:
    std::vector<TPreparedPage> m_pages;
    QString m_title;
};
