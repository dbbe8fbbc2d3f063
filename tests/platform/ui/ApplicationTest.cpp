#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TMenuItem.h"
#include "platform/ui/TPopupMenu.h"
#include "platform/ui/TQtPrompter.h"
#include "platform/ui/TStatusBar.h"
#include "platform/ui/TStatusPanel.h"
#include "platform/ui/TTimer.h"
#include "tests/support/ScriptedPrompter.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>

namespace {
// Resets the application's state the tests below change.
class ApplicationTest : public testing::Test {
protected:
    void TearDown() override {
        while (Application->ComponentCount() > 1) // the screen stays
            delete Application->Components(Application->ComponentCount() - 1);
        Application->ProcessMessages();
    }
};
} // namespace

TEST_F(ApplicationTest, TheFirstFormCreatedIsTheMainForm) {
    ASSERT_EQ(Application->MainForm(), nullptr);
    int created = 0;
    class Counted : public TForm {
    public:
        Counted(TComponent* owner, int& count) : TForm(owner) {
            OnCreate = TNotifyEvent::fromFunction([&count](TObject*) { ++count; });
        }
    };
    auto* first = Application->CreateForm<Counted>(created);
    auto* second = Application->CreateForm<Counted>(created);
    EXPECT_EQ(created, 2);
    EXPECT_EQ(Application->MainForm(), first);
    EXPECT_EQ(second->Owner(), Application);
    delete first;
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(ApplicationTest, AFailingOnCreateLeavesNoForm) {
    class Failing : public TForm {
    public:
        explicit Failing(TComponent* owner) : TForm(owner) {
            SetName("frmFalha");
            OnCreate =
                TNotifyEvent::fromFunction([](TObject*) { throw Exception("O sistema será encerrado..."); });
        }
    };
    EXPECT_THROW(Application->CreateForm<Failing>(), Exception);
    EXPECT_EQ(Application->FindComponent("frmFalha"), nullptr);
    EXPECT_EQ(Application->MainForm(), nullptr);
}

// Ending the program cannot be undone, so these run in a child process.
TEST(ApplicationDeathTest, ClosingTheMainFormEndsRun) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto* main = Application->CreateForm<TForm>();
            main->OnShow = TNotifyEvent::fromFunction(
                [main](TObject*) { QTimer::singleShot(0, main, [main] { main->Close(); }); });
            Application->Run();
            std::_Exit(Application->Terminated() && main->Widget()->isVisible() ? 3 : 1);
        },
        testing::ExitedWithCode(3), "");
}

TEST(ApplicationDeathTest, TerminateBeforeRunEndsWithoutALoop) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            auto* main = Application->CreateForm<TForm>();
            Application->Terminate();
            // Any message loop entered from here on fails the test instead of waiting.
            QTimer::singleShot(0, [] { std::_Exit(1); });
            Application->Run(); // returns at once, the main form never shown
            TForm dialog(nullptr);
            const bool modalEnds = dialog.ShowModal() == mrCancel; // no loop once the program ends
            std::_Exit(!main->Widget()->isVisible() && modalEnds ? 3 : 1);
        },
        testing::ExitedWithCode(3), "");
}

TEST(QtPrompter, FileFiltersBecomeQtFilters) {
    EXPECT_EQ(TQtPrompter::QtFilter("Arquivos ZEB|*.zeb|Todos|*.*"), "Arquivos ZEB (*.zeb);;Todos (*.*)");
    EXPECT_EQ(TQtPrompter::QtFilter("Cópias|*.zip;*.gbk"), "Cópias (*.zip *.gbk)");
    EXPECT_EQ(TQtPrompter::QtFilter(""), "");
    // A description that already shows its patterns does not get them twice.
    EXPECT_EQ(TQtPrompter::QtFilter("Arquivos ZIP (*.zip)|*.zip"), "Arquivos ZIP (*.zip)");
    EXPECT_EQ(TQtPrompter::QtFilter("Relatório (*.qrp)|*.qrp|Todos (*.*)|*.*"),
              "Relatório (*.qrp);;Todos (*.*)");
    EXPECT_EQ(TQtPrompter::QtFilter("Cópias (*.zip; *.gbk)|*.zip;*.gbk"), "Cópias (*.zip *.gbk)");
}

namespace {
// Runs `look` on the modal window the prompter opens, once it shows.
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
} // namespace

TEST(QtPrompter, AQuestionAsksSimOrNaoAndAClickOnNaoAnswersNo) {
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

TEST(QtPrompter, TheSaveDialogSpeaksPortugueseAndShowsEachPatternOnce) {
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

TEST(PopupMenu, ItemsRunTheirOnClickAndPopupAsksFirst) {
    TForm form(nullptr);
    auto* menu = new TPopupMenu(&form);
    auto* all = new TMenuItem(&form);
    all->SetCaption("Seleciona Todos");
    auto* separator = new TMenuItem(&form);
    separator->SetCaption("-");
    menu->Items()->Add(all);
    menu->Items()->Add(separator);
    int clicks = 0;
    all->OnClick = TNotifyEvent::fromFunction([&](TObject*) { ++clicks; });
    all->QtAction()->trigger();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(separator->QtAction()->isSeparator());
    EXPECT_EQ(menu->Menu()->actions().size(), 2);

    bool asked = false;
    menu->OnPopup = TNotifyEvent::fromFunction([&](TObject*) {
        asked = true;
        Abort(); // refuses to show
    });
    menu->Popup(QPoint(10, 10));
    EXPECT_TRUE(asked);
    EXPECT_FALSE(menu->Menu()->isVisible());

    delete all;
    EXPECT_EQ(menu->Items()->Count(), 1);
    EXPECT_EQ(menu->Menu()->actions().size(), 1);
}

TEST(StatusBar, PanelsOrOneSimpleText) {
    TForm form(nullptr);
    auto* bar = new TStatusBar(&form, &form);
    bar->AddPanel(90)->SetText("0.3.3.4");
    bar->AddPanel(400);
    EXPECT_EQ(bar->PanelCount(), 2);
    EXPECT_EQ(bar->Panels(0)->Text(), "0.3.3.4");
    EXPECT_EQ(bar->Panels(1)->Width(), 400);
    EXPECT_EQ(bar->Align(), TAlign::alBottom);
    bar->SetSimplePanel(true);
    bar->SetSimpleText("Consultando");
    EXPECT_EQ(bar->SimpleText(), "Consultando");
}

TEST(Timer, AnExceptionInOnTimerIsShownAndTheTimerGoesOn) {
    ScriptedPrompter prompter;
    prompter.Answer(mrOk);
    TTimer timer(nullptr);
    timer.SetInterval(1);
    int ticks = 0;
    QEventLoop loop;
    timer.OnTimer = TNotifyEvent::fromFunction([&](TObject*) {
        if (++ticks == 1)
            throw Exception("A conexão com o Banco de Dados expirou.");
        loop.quit();
    });
    loop.exec();
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(prompter.Last().Text, "A conexão com o Banco de Dados expirou.");
    timer.SetEnabled(false);
}
