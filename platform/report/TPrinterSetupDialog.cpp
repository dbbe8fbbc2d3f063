#include "platform/report/TPrinterSetupDialog.h"

#include "platform/base/TPrompter.h"
#include "platform/report/TPrinter.h"

#include <QApplication>
#include <QPrintDialog>

bool TPrinterSetupDialog::Execute() {
    QPrintDialog dialog(&Printer().QtPrinter(), QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Configurar impressão"));
    TPromptRequest request;
    request.Kind = TPromptKind::pkWindow;
    request.Caption = dialog.windowTitle();
    request.Window = &dialog;
    return TPrompter::Current().Prompt(request).Button == mrOk;
}
