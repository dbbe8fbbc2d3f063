// The prompter that shows Qt dialogs: file filters, questions, the save dialog.

#include "platform/ui/TQtPrompter.h"
#include "platform/ui/TApplication.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

TEST(TQtPrompterTest, FileFiltersBecomeQtFilters) {
    EXPECT_EQ(TQtPrompter::QtFilter("Arquivos ZEB|*.zeb|Todos|*.*"), "Arquivos ZEB (*.zeb);;Todos (*.*)");
    EXPECT_EQ(TQtPrompter::QtFilter("Cópias|*.zip;*.gbk"), "Cópias (*.zip *.gbk)");
    EXPECT_EQ(TQtPrompter::QtFilter(""), "");
    // A description that already shows its patterns does not get them twice.
    EXPECT_EQ(TQtPrompter::QtFilter("Arquivos ZIP (*.zip)|*.zip"), "Arquivos ZIP (*.zip)");
    EXPECT_EQ(TQtPrompter::QtFilter("Relatório (*.qrp)|*.qrp|Todos (*.*)|*.*"),
              "Relatório (*.qrp);;Todos (*.*)");
    EXPECT_EQ(TQtPrompter::QtFilter("Cópias (*.zip; *.gbk)|*.zip;*.gbk"), "Cópias (*.zip *.gbk)");
}

TPromptResult PromptAndLook(const TPromptRequest& request, const std::function<void(QWidget*)>& look) {
    QTimer::singleShot(0, [look] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no window opened";
            return;
        }
        look(modal);
    });
    TQtPrompter prompter;
    return prompter.Prompt(request);
}

void SaveScreenshot(QWidget* window, const QString& name) {
    const QString folder = QStringLiteral(ZEB_BUILD_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(window->grab().save(folder + QLatin1Char('/') + name));
}

TEST(TQtPrompterTest, AQuestionAsksSimOrNaoAndAClickOnNaoAnswersNo) {
    const TPromptRequest request =
        TPromptRequest::FromMessageBoxFlags("Confirma a exclusão da declaração?", "ZEB-ICMS", 0x04 | 0x20);
    QStringList captions;
    const TPromptResult result = PromptAndLook(request, [&captions](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            captions << button->text().remove(QLatin1Char('&'));
        SaveScreenshot(box, "question-sim-nao.png");
        for (QAbstractButton* button : box->buttons())
            if (button->text().remove(QLatin1Char('&')) == QStringLiteral("Não"))
                QTest::mouseClick(button, Qt::LeftButton);
        if (box->isVisible())
            box->reject();
    });
    captions.sort();
    EXPECT_EQ(captions, QStringList({"Não", "Sim"}));
    EXPECT_EQ(result.Button, mrNo);
}

TEST(TQtPrompterTest, TheSaveDialogSpeaksPortugueseAndShowsEachPatternOnce) {
    // An empty folder: no folder in the list to make the accept button read "Abrir".
    QTemporaryDir folder;
    TPromptRequest request;
    request.Kind = TPromptKind::pkSaveFile;
    request.Caption = "Salvar Relatório";
    request.Filter = "Relatório (*.qrp)|*.qrp";
    request.InitialDir = folder.path();
    QStringList texts;
    QStringList filters;
    PromptAndLook(request, [&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->resize(640, 400);
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            texts << label->text();
        for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            texts << button->text();
        texts << dialog->labelText(QFileDialog::Accept);
        filters = dialog->nameFilters();
        SaveScreenshot(dialog, "save-dialog.png");
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_EQ(filters, QStringList{"Relatório (*.qrp)"});
    const QString shown = texts.join(QLatin1Char('|'));
    EXPECT_TRUE(shown.contains("Salvar")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("Cancelar")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("Cancel|")) << shown.toStdString();
}

} // namespace
