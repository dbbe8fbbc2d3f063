#include "platform/ui/TApplication.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TSpeedButton.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/input/UserInput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
// A document window with an id, as the program's document windows carry.
class TestDocument : public TForm {
public:
    TestDocument(TComponent* owner, int id) : TForm(owner), DocumentId(id) {
        SetFormStyle(TFormStyle::fsMDIChild);
        SetPosition(TPosition::poDefaultPosOnly);
        SetBounds(0, 0, 200, 150);
        OnClose =
            TCloseEvent::fromFunction([](TObject*, TCloseAction& action) { action = TCloseAction::caFree; });
    }
    int DocumentId;
};

class OtherDocument : public TestDocument {
public:
    using TestDocument::TestDocument;
};

// The first open child of exactly class T with that id (-1: any).
template <class T> T* FindDocument(TForm* frame, int id) {
    for (int i = 0; i < frame->MDIChildCount(); ++i) {
        TForm* child = frame->MDIChildren(i);
        if (typeid(*child) == typeid(T) && (id == -1 || static_cast<T*>(child)->DocumentId == id))
            return static_cast<T*>(child);
    }
    return nullptr;
}

class MdiTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Application->MainForm(), nullptr);
        frame = Application->CreateForm<TForm>();
        frame->SetName("frmDef");
        frame->SetFormStyle(TFormStyle::fsMDIForm);
        frame->SetBounds(0, 0, 800, 600);
        frame->Show();
    }
    void TearDown() override {
        delete frame;
        Application->ProcessMessages();
    }
    TForm* frame = nullptr;
};

void SendKey(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
}
} // namespace

TEST_F(MdiTest, AClickOnASpeedButtonLeavesTheFocusInTheEdit) {
    auto* child = TForm::Create<TestDocument>(frame, 1);
    auto* edit = new TEdit(child, child);
    auto* button = new TSpeedButton(child, child);
    button->SetBounds(10, 60, 40, 25);
    int saidas = 0;
    int cliques = 0;
    edit->OnExit = TNotifyEvent::fromFunction([&](TObject*) { ++saidas; });
    button->OnClick = TNotifyEvent::fromFunction([&](TObject*) { ++cliques; });
    UserInput::TypeInto(edit, "abc");
    ASSERT_TRUE(edit->Focused());
    UserInput::Click(button);
    EXPECT_EQ(cliques, 1);
    EXPECT_TRUE(edit->Focused()) << "the edit is not left";
    EXPECT_EQ(saidas, 0);
}

TEST_F(MdiTest, ChildrenAreListedMostRecentlyActiveFirst) {
    auto* a = TForm::Create<TestDocument>(frame, 1);
    auto* b = TForm::Create<TestDocument>(frame, 2);
    auto* c = TForm::Create<TestDocument>(frame, 3);
    ASSERT_EQ(frame->MDIChildCount(), 3);
    EXPECT_EQ(frame->MDIChildren(0), c);
    EXPECT_EQ(frame->MDIChildren(2), a);

    a->BringToFront();
    EXPECT_EQ(frame->MDIChildren(0), a);
    EXPECT_EQ(frame->MDIChildren(1), c);
    EXPECT_EQ(frame->MDIChildren(2), b);
    EXPECT_EQ(frame->ActiveMDIChild(), a);
    EXPECT_TRUE(a->Active());
    EXPECT_FALSE(c->Active());
}

TEST_F(MdiTest, ChildrenAreFoundByExactClassAndId) {
    auto* one = TForm::Create<TestDocument>(frame, 1);
    auto* two = TForm::Create<TestDocument>(frame, 2);
    auto* derived = TForm::Create<OtherDocument>(frame, 1);
    EXPECT_EQ(FindDocument<TestDocument>(frame, 1), one);
    EXPECT_EQ(FindDocument<TestDocument>(frame, 2), two);
    EXPECT_EQ(FindDocument<TestDocument>(frame, -1), two); // the most recent of the class
    EXPECT_EQ(FindDocument<OtherDocument>(frame, 1), derived);
    EXPECT_EQ(FindDocument<TestDocument>(frame, 3), nullptr);
}

TEST_F(MdiTest, EachNewChildOpensOneCaptionHeightFurther) {
    const int caption = Screen->CaptionHeight();
    ASSERT_GT(caption, 0);
    auto* a = TForm::Create<TestDocument>(frame, 1);
    auto* b = TForm::Create<TestDocument>(frame, 2);
    auto* c = TForm::Create<TestDocument>(frame, 3);
    EXPECT_EQ(a->MdiSubWindow()->pos(), QPoint(0, 0));
    EXPECT_EQ(b->MdiSubWindow()->pos(), QPoint(caption, caption));
    EXPECT_EQ(c->MdiSubWindow()->pos(), QPoint(2 * caption, 2 * caption));

    // Closing a child lowers the offset of the next one.
    c->Close();
    Application->ProcessMessages();
    ASSERT_EQ(frame->MDIChildCount(), 2);
    auto* d = TForm::Create<TestDocument>(frame, 4);
    EXPECT_EQ(d->MdiSubWindow()->pos(), QPoint(2 * caption, 2 * caption));
}

TEST_F(MdiTest, AFreedChildLeavesTheListAndTheArea) {
    auto* a = TForm::Create<TestDocument>(frame, 1);
    TForm::Create<TestDocument>(frame, 2);
    bool destroyed = false;
    a->OnDestroy = TNotifyEvent::fromFunction([&](TObject*) { destroyed = true; });
    a->Close();
    EXPECT_EQ(frame->MDIChildCount(), 2); // freed once messages run
    Application->ProcessMessages();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(frame->MDIChildCount(), 1);
    EXPECT_EQ(frame->MdiArea()->subWindowList().size(), 1);
}

TEST_F(MdiTest, TheFrameDoesNotCloseWhileAChildRefuses) {
    auto* child = TForm::Create<TestDocument>(frame, 1);
    child->OnCloseQuery = TCloseQueryEvent::fromFunction([](TObject*, bool& canClose) { canClose = false; });
    frame->Close();
    EXPECT_FALSE(Application->Terminated());
    EXPECT_EQ(frame->MDIChildCount(), 1);
}

TEST(MdiChild, NeedsAnMdiFrame) {
    TForm owner(nullptr);
    EXPECT_THROW(TForm::Create<TestDocument>(&owner, 1), EInvalidOperation);
}

TEST(FormClose, RefusedByOnCloseQuery) {
    TForm form(nullptr);
    form.Show();
    int closes = 0;
    bool allow = false;
    form.OnCloseQuery = TCloseQueryEvent::fromFunction([&](TObject*, bool& canClose) { canClose = allow; });
    form.OnClose = TCloseEvent::fromFunction([&](TObject*, TCloseAction&) { ++closes; });
    form.Close();
    EXPECT_TRUE(form.Widget()->isVisible());
    EXPECT_EQ(closes, 0);
    allow = true;
    form.Close();
    EXPECT_FALSE(form.Widget()->isVisible());
    EXPECT_EQ(closes, 1);
}

TEST(FormClose, AnExceptionInOnCloseKeepsTheWindowOpenAndIsShown) {
    ScriptedPrompter prompter;
    prompter.Answer(mrOk);
    TForm form(nullptr);
    form.Show();
    form.OnClose = TCloseEvent::fromFunction(
        [](TObject*, TCloseAction&) { throw Exception("Inclusão ou Alteração em andamento."); });
    form.Widget()->close(); // the window's close box
    EXPECT_TRUE(form.Widget()->isVisible());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Text, "Inclusão ou Alteração em andamento.");
    // A caller of Close sees the exception itself.
    EXPECT_THROW(form.Close(), Exception);
}

TEST(FormClose, CloseActionsHideMinimiseOrKeep) {
    TForm form(nullptr);
    TCloseAction chosen = TCloseAction::caNone;
    form.OnClose = TCloseEvent::fromFunction([&](TObject*, TCloseAction& action) {
        EXPECT_EQ(action, TCloseAction::caHide); // the default of a plain window
        action = chosen;
    });
    form.Show();
    form.Close();
    EXPECT_TRUE(form.Widget()->isVisible());
    chosen = TCloseAction::caMinimize;
    form.Close();
    EXPECT_EQ(form.WindowState(), TWindowState::wsMinimized);
    chosen = TCloseAction::caHide;
    form.Close();
    EXPECT_FALSE(form.Widget()->isVisible());
}

TEST(FormEvents, CreateShowAndDestroyRunInOrder) {
    std::vector<std::string> events;
    class Logged : public TForm {
    public:
        Logged(TComponent* owner, std::vector<std::string>& log) : TForm(owner) {
            OnCreate = TNotifyEvent::fromFunction([&log](TObject*) { log.push_back("create"); });
            OnShow = TNotifyEvent::fromFunction([&log](TObject*) { log.push_back("show"); });
            OnHide = TNotifyEvent::fromFunction([&log](TObject*) { log.push_back("hide"); });
            OnDestroy = TNotifyEvent::fromFunction([&log](TObject*) { log.push_back("destroy"); });
        }
    };
    auto* form = TForm::Create<Logged>(nullptr, events);
    form->Show();
    form->Show();
    form->Hide();
    form->Free();
    EXPECT_EQ(events, (std::vector<std::string>{"create", "show", "hide", "destroy"}));
}

TEST(ShowModal, EndsWithTheModalResultSetWhenTheLoopStarts) {
    TForm dialog(nullptr);
    auto* ok = new TButton(&dialog, &dialog);
    ok->SetName("btnOk");
    ok->SetModalResult(mrOk);
    int begins = 0;
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject* sender) {
        ++begins;
        EXPECT_EQ(sender, &dialog);
        EXPECT_TRUE(dialog.Widget()->isVisible());
        dialog.FindComponent("btnOk")->setProperty("clicked", true);
        static_cast<TButton*>(dialog.FindComponent("btnOk"))->Click();
    });
    const TModalResult result = dialog.ShowModal();
    Application->OnModalBegin = nullptr;
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(begins, 1);
    EXPECT_FALSE(dialog.Widget()->isVisible());
}

TEST(ShowModal, ARefusedCloseKeepsTheLoopRunning) {
    TForm dialog(nullptr);
    int queries = 0;
    dialog.OnCloseQuery = TCloseQueryEvent::fromFunction([&](TObject*, bool& canClose) {
        canClose = ++queries > 1;
        if (!canClose) // answer again from inside the running loop
            QMetaObject::invokeMethod(
                &dialog, [&] { dialog.SetModalResult(mrCancel); }, Qt::QueuedConnection);
    });
    Application->OnModalBegin = TNotifyEvent::fromFunction([&](TObject*) { dialog.SetModalResult(mrOk); });
    const TModalResult result = dialog.ShowModal();
    Application->OnModalBegin = nullptr;
    EXPECT_EQ(queries, 2);
    EXPECT_EQ(result, mrCancel);
    EXPECT_THROW(
        {
            dialog.Show();
            dialog.ShowModal();
        },
        EInvalidOperation);
}

TEST(ParentedForm, LivesInsideAPanelOfAnotherForm) {
    TForm editor(nullptr);
    editor.SetBounds(0, 0, 600, 400);
    auto* pnlDetalhes = new TPanel(&editor, &editor);
    pnlDetalhes->SetName("pnlDetalhes");
    pnlDetalhes->SetAlign(TAlign::alClient);
    editor.Show();

    auto* page = TForm::Create<TForm>(&editor);
    page->SetName("frmPagina");
    page->SetParent(pnlDetalhes);
    page->SetAlign(TAlign::alClient);
    page->Show();
    EXPECT_FALSE(page->Widget()->isWindow());
    EXPECT_EQ(page->Widget()->parentWidget(), pnlDetalhes->ClientWidget());
    EXPECT_EQ(page->Widget()->size(), pnlDetalhes->Widget()->contentsRect().size());
    EXPECT_EQ(editor.Widget()->findChild<QWidget*>("frmPagina"), page->Widget());
    EXPECT_EQ(page->ParentForm(), &editor);
}

TEST(KeyPreview, TheFormSeesKeysFirstAndCanSwallowThem) {
    TForm form(nullptr);
    form.SetKeyPreview(true);
    auto* edit = new TEdit(&form, &form);
    edit->SetName("edtValor");
    form.Show();
    int editKeys = 0;
    edit->OnKeyPress = TKeyPressEvent::fromFunction([&](TObject*, QChar&) { ++editKeys; });
    form.OnKeyPress = TKeyPressEvent::fromFunction([](TObject*, QChar& key) {
        if (key.toUpper() == QLatin1Char('E'))
            key = QChar(); // no exponents in amounts
    });
    SendKey(edit->Widget(), Qt::Key_1, "1");
    SendKey(edit->Widget(), Qt::Key_E, "e");
    SendKey(edit->Widget(), Qt::Key_2, "2");
    EXPECT_EQ(edit->Text(), "12");
    EXPECT_EQ(editKeys, 2);

    // Without preview the form's handler is not asked.
    form.SetKeyPreview(false);
    SendKey(edit->Widget(), Qt::Key_E, "E");
    EXPECT_EQ(edit->Text(), "12E");
}

TEST(KeyPreview, AHandlerCanReplaceTheCharacter) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form, &form);
    form.Show();
    edit->OnKeyPress = TKeyPressEvent::fromFunction([](TObject*, QChar& key) {
        if (key == QLatin1Char('\''))
            key = QChar(); // no apostrophes in free text
        else
            key = key.toUpper();
    });
    SendKey(edit->Widget(), Qt::Key_A, "a");
    SendKey(edit->Widget(), Qt::Key_Apostrophe, "'");
    SendKey(edit->Widget(), Qt::Key_B, "b");
    EXPECT_EQ(edit->Text(), "AB");
}

TEST(EventHandlers, AnExceptionInAClickIsShownAndTheButtonStaysUsable) {
    ScriptedPrompter prompter;
    prompter.Answer(mrOk);
    TForm form(nullptr);
    auto* button = new TButton(&form, &form);
    form.Show();
    int clicks = 0;
    button->OnClick = TNotifyEvent::fromFunction([&](TObject*) {
        if (++clicks == 1)
            throw Exception("Erro na validação");
        Abort(); // silent
    });
    static_cast<QPushButton*>(button->Widget())->click();
    static_cast<QPushButton*>(button->Widget())->click();
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(button->Enabled());
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Text, "Erro na validação");
}

TEST(DefaultButtons, EnterAndEscapeClickThem) {
    TForm dialog(nullptr);
    auto* edit = new TEdit(&dialog, &dialog);
    auto* ok = new TButton(&dialog, &dialog);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = new TButton(&dialog, &dialog);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    Application->OnModalBegin =
        TNotifyEvent::fromFunction([&](TObject*) { SendKey(edit->Widget(), Qt::Key_Escape, {}); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    Application->OnModalBegin =
        TNotifyEvent::fromFunction([&](TObject*) { SendKey(edit->Widget(), Qt::Key_Return, "\r"); });
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    Application->OnModalBegin = nullptr;
}

TEST(FormWindowState, SetBeforeTheFirstShowIsAppliedWhenShown) {
    int shows = 0;
    TForm form(nullptr);
    form.OnShow = TNotifyEvent::fromFunction([&shows](TObject*) { ++shows; });
    form.SetWindowState(TWindowState::wsMaximized);
    EXPECT_FALSE(form.Widget()->isVisible());
    EXPECT_EQ(form.WindowState(), TWindowState::wsMaximized);
    form.Show();
    EXPECT_EQ(shows, 1);
    EXPECT_TRUE(form.Widget()->isVisible());
    EXPECT_TRUE(form.Widget()->isMaximized());
    form.SetWindowState(TWindowState::wsNormal);
    EXPECT_FALSE(form.Widget()->isMaximized());
    EXPECT_EQ(shows, 1);
}
