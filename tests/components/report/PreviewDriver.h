#pragma once
// Driving the preview window from a test: the scripted answer to the
// preview's window prompt runs the test's code inside the open window; the
// text of prepared pages; pdftotext's reading of a PDF file.

#include "components/report/TfrmPreview.h"
#include "platform/report/TReportPrinter.h"
#include "tests/support/ScriptedPrompter.h"

#include <QStringList>
#include <functional>

// Queues an answer that hands the open preview window to `drive`.
void WhenPreviewShown(ScriptedPrompter& prompter, std::function<void(TfrmPreview*)> drive);
// The text of the pages, one entry per page.
QStringList PageTexts(const TReportPrinter& printer);
// pdftotext's text of a PDF file, one entry per page (empty on failure).
QStringList PdfTexts(const QString& pdfFile);
