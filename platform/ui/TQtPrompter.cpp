#include "platform/ui/TQtPrompter.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>

namespace {
QMessageBox::StandardButton StandardButtonOf(TMsgDlgBtn button) {
    switch (button) {
    case TMsgDlgBtn::mbYes:
        return QMessageBox::Yes;
    case TMsgDlgBtn::mbNo:
        return QMessageBox::No;
    case TMsgDlgBtn::mbOK:
        return QMessageBox::Ok;
    case TMsgDlgBtn::mbCancel:
        return QMessageBox::Cancel;
    case TMsgDlgBtn::mbAbort:
        return QMessageBox::Abort;
    case TMsgDlgBtn::mbRetry:
        return QMessageBox::Retry;
    case TMsgDlgBtn::mbIgnore:
        return QMessageBox::Ignore;
    }
    return QMessageBox::NoButton;
}

QMessageBox::Icon IconOf(TMsgDlgType type) {
    switch (type) {
    case TMsgDlgType::mtInformation:
        return QMessageBox::Information;
    case TMsgDlgType::mtWarning:
        return QMessageBox::Warning;
    case TMsgDlgType::mtError:
        return QMessageBox::Critical;
    case TMsgDlgType::mtConfirmation:
        return QMessageBox::Question;
    case TMsgDlgType::mtNone:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

TPromptResult TQtPrompter::Prompt(const TPromptRequest& request) {
    if (request.Kind == TPromptKind::pkMessage)
        return ShowMessage(request);
    if (request.Kind == TPromptKind::pkWindow)
        return RunWindow(request);
    return ShowFileDialog(request);
}

TPromptResult TQtPrompter::RunWindow(const TPromptRequest& request) {
    if (auto* dialog = qobject_cast<QDialog*>(request.Window))
        return {dialog->exec() == QDialog::Accepted ? mrOk : mrCancel, {}};
    QPointer<QWidget> window = qobject_cast<QWidget*>(request.Window);
    if (!window)
        return {mrCancel, {}};
    window->show();
    // Waits while the window stays open; any message may close it.
    QEventLoop loop;
    const auto ended = [&loop] { loop.quit(); };
    QObject::connect(window.data(), &QObject::destroyed, &loop, ended);
    struct HideWatch : QObject {
        QEventLoop* loop;
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Hide)
                loop->quit();
            return false;
        }
    } watch;
    watch.loop = &loop;
    window->installEventFilter(&watch);
    if (window->isVisible())
        loop.exec(QEventLoop::DialogExec);
    if (window)
        window->removeEventFilter(&watch);
    return {mrOk, {}};
}

TPromptResult TQtPrompter::ShowMessage(const TPromptRequest& request) {
    QMessageBox box(IconOf(request.Icon), request.Caption, request.Text, QMessageBox::NoButton,
                    QApplication::activeWindow());
    std::vector<std::pair<QAbstractButton*, TMsgDlgBtn>> buttons;
    for (TMsgDlgBtn button : request.Buttons)
        buttons.emplace_back(box.addButton(StandardButtonOf(button)), button);
    if (buttons.empty())
        buttons.emplace_back(box.addButton(QMessageBox::Ok), TMsgDlgBtn::mbOK);
    if (request.DefaultButton)
        if (auto* def = box.button(StandardButtonOf(*request.DefaultButton)))
            box.setDefaultButton(qobject_cast<QPushButton*>(def));
    if (request.SystemModal) {
        box.setWindowModality(Qt::ApplicationModal);
        box.setWindowFlags(box.windowFlags() | Qt::WindowStaysOnTopHint);
    }
    box.exec();
    for (const auto& [widget, button] : buttons)
        if (box.clickedButton() == widget)
            return {ModalResultOf(button), {}};
    // Closed without a button: the escape button answers.
    return {request.Buttons.size() == 1 ? ModalResultOf(request.Buttons.front()) : mrCancel, {}};
}

QString TQtPrompter::QtFilter(const QString& filter) {
    // Qt shows the patterns after the description itself; a description that
    // already ends in its patterns ("Arquivos ZIP (*.zip)") leaves them off.
    static const QRegularExpression shownPatterns(QStringLiteral("\\s*\\([^()]*\\*[^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        description.remove(shownPatterns);
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        entries << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

TPromptResult TQtPrompter::ShowFileDialog(const TPromptRequest& request) {
    QFileDialog dialog(QApplication::activeWindow(), request.Caption, request.InitialDir,
                       QtFilter(request.Filter));
    switch (request.Kind) {
    case TPromptKind::pkOpenFile:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        break;
    case TPromptKind::pkSaveFile:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!request.OverwritePrompt)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        break;
    case TPromptKind::pkFolder:
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    case TPromptKind::pkMessage:
    case TPromptKind::pkWindow:
        break;
    }
    if (!request.DefaultExt.isEmpty())
        dialog.setDefaultSuffix(request.DefaultExt);
    const QStringList filters = dialog.nameFilters();
    if (request.FilterIndex >= 1 && request.FilterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(request.FilterIndex - 1));
    if (!request.FileName.isEmpty())
        dialog.selectFile(request.FileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {mrCancel, {}};
    return {mrOk, dialog.selectedFiles().constFirst(),
            static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1};
}
