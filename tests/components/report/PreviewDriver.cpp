#include "tests/components/report/PreviewDriver.h"

#include "platform/report/TPageText.h"

#include <QProcess>
#include <QWidget>
#include <gtest/gtest.h>

void WhenPreviewShown(ScriptedPrompter& prompter, std::function<void(TfrmPreview*)> drive) {
    prompter.AnswerWith([drive](const TPromptRequest& request) {
        EXPECT_EQ(request.Kind, TPromptKind::pkWindow);
        auto* window =
            dynamic_cast<TfrmPreview*>(TControl::ControlOf(qobject_cast<QWidget*>(request.Window)));
        EXPECT_NE(window, nullptr);
        if (window)
            drive(window);
        return TPromptResult{mrOk, {}};
    });
}

QStringList PageTexts(const TReportPrinter& printer) {
    QStringList pages;
    for (const TPreparedPage& page : printer.Pages())
        pages << TPageText::FromPage(page);
    return pages;
}

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
