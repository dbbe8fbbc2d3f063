#include "platform/db/TEditMask.h"
#include "platform/ui/TButton.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TPageControl.h"
#include "platform/ui/TPanel.h"
#include "platform/ui/TProgressWindow.h"
#include "platform/ui/TRadioGroup.h"
#include "platform/ui/TSplitter.h"
#include "platform/ui/TTabSheet.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <gtest/gtest.h>

namespace {
void Type(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(widget, &press);
    }
}

void SendKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
}
} // namespace

TEST(ControlsTest, AlignControlsTakeTheirEdgesInOrderAndTheClientTakesTheRest) {
    TForm form(nullptr);
    form.SetClientWidth(400);
    form.SetClientHeight(300);
    auto* top = new TPanel(&form, &form);
    top->SetHeight(40);
    top->SetAlign(TAlign::alTop);
    auto* bottom = new TPanel(&form, &form);
    bottom->SetHeight(20);
    bottom->SetAlign(TAlign::alBottom);
    auto* left = new TPanel(&form, &form);
    left->SetWidth(100);
    left->SetAlign(TAlign::alLeft);
    auto* client = new TPanel(&form, &form);
    client->SetAlign(TAlign::alClient);
    form.Show();

    EXPECT_EQ(QRect(top->Left(), top->Top(), top->Width(), top->Height()), QRect(0, 0, 400, 40));
    EXPECT_EQ(QRect(bottom->Left(), bottom->Top(), bottom->Width(), bottom->Height()),
              QRect(0, 280, 400, 20));
    EXPECT_EQ(QRect(left->Left(), left->Top(), left->Width(), left->Height()), QRect(0, 40, 100, 240));
    EXPECT_EQ(QRect(client->Left(), client->Top(), client->Width(), client->Height()),
              QRect(100, 40, 300, 240));

    // Hidden controls give their space back; a resize re-aligns.
    top->Hide();
    EXPECT_EQ(client->Top(), 0);
    form.SetClientWidth(500);
    EXPECT_EQ(client->Width(), 400);

    // A splitter resizes its neighbour.
    auto* splitter = new TSplitter(&form, &form);
    splitter->MoveBy(30);
    EXPECT_EQ(left->Width(), 130);
    EXPECT_EQ(client->Left(), 133);
    splitter->MoveBy(-500);
    EXPECT_EQ(left->Width(), splitter->MinSize());
}

TEST(ControlsTest, AnchorsRightAndBottomAnchorsFollowTheParent) {
    TForm form(nullptr);
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    form.Show();
    auto* stretched = new TEdit(&form, &form);
    stretched->SetBounds(10, 10, 200, 21);
    stretched->SetAnchors(akLeft | akTop | akRight);
    auto* button = new TButton(&form, &form);
    button->SetBounds(210, 160, 75, 25);
    button->SetAnchors(akRight | akBottom);
    form.SetClientWidth(400);
    form.SetClientHeight(250);
    EXPECT_EQ(stretched->Width(), 300);
    EXPECT_EQ(stretched->Left(), 10);
    EXPECT_EQ(button->Left(), 310);
    EXPECT_EQ(button->Top(), 210);
}

TEST(ControlsTest, NamesComponentsAndWidgetsAreFoundByTheirName) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form, &form);
    edit->SetName("edtNome");
    EXPECT_EQ(form.FindComponent("edtNome"), edit);
    EXPECT_EQ(form.Widget()->findChild<QLineEdit*>("edtNome"), edit->Widget());
    auto* other = new TEdit(&form, &form);
    EXPECT_THROW(other->SetName("EDTNOME"), EComponentError);
}

TEST(ControlsTest, CaptionsAnAmpersandMarksTheShortcutLetter) {
    EXPECT_EQ(StripAccelChar("&Sair"), "Sair");
    EXPECT_EQ(StripAccelChar("Ca&ncelar"), "Cancelar");
    EXPECT_EQ(StripAccelChar("P&&D"), "P&D");
    EXPECT_EQ(StripAccelChar("Filtro :"), "Filtro :");
    TForm form(nullptr);
    auto* label = new TLabel(&form, &form);
    label->SetCaption("&Filtro :");
    EXPECT_EQ(label->Caption(), "&Filtro :");
    EXPECT_GT(label->Width(), 0); // sized to the caption
}

TEST(ControlsTest, EditLengthLimitAndCaseChange) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form, &form);
    form.Show();
    edit->SetMaxLength(4);
    edit->SetCharCase(TEditCharCase::ecUpperCase);
    int changes = 0;
    edit->OnChange = TNotifyEvent::fromFunction([&](TObject*) { ++changes; });
    Type(edit->Widget(), "abcdef");
    EXPECT_EQ(edit->Text(), "ABCD");
    EXPECT_EQ(changes, 4);
    edit->SetText("xy");
    EXPECT_EQ(edit->Text(), "XY");
}

TEST(ControlsTest, EditPastedTextTakesTheCaseAndTheLimitToo) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form, &form);
    form.Show();
    edit->SetMaxLength(3);
    edit->SetCharCase(TEditCharCase::ecUpperCase);
    QStringList seen;
    edit->OnChange = TNotifyEvent::fromFunction([&](TObject*) { seen << edit->Text(); });
    static_cast<QLineEdit*>(edit->Widget())->insert("abcd"); // as a paste arrives
    EXPECT_EQ(edit->Text(), "ABC");
    EXPECT_EQ(seen, QStringList{"ABC"}) << "OnChange sees only the text as the box keeps it";
    EXPECT_EQ(static_cast<QLineEdit*>(edit->Widget())->cursorPosition(), 3);
}

TEST(ControlsTest, MemoPastedTextKeepsTheLengthLimit) {
    TForm form(nullptr);
    auto* memo = new TMemo(&form, &form);
    form.Show();
    memo->SetMaxLength(5);
    QStringList seen;
    memo->OnChange = TNotifyEvent::fromFunction([&](TObject*) { seen << memo->Text(); });
    static_cast<QPlainTextEdit*>(memo->Widget())->insertPlainText("abcdefgh");
    EXPECT_EQ(memo->Text(), "abcde");
    EXPECT_EQ(seen, QStringList{"abcde"});
    memo->SetMaxLength(0);
    static_cast<QPlainTextEdit*>(memo->Widget())->insertPlainText("fgh");
    EXPECT_EQ(memo->Text(), "abcdefgh") << "no limit, no cut";
}

TEST(ControlsTest, MaskEditTypingFillsThePositionsAndLiteralsAreSteppedOver) {
    TForm form(nullptr);
    auto* edit = new TMaskEdit(&form, &form);
    form.Show();
    edit->SetEditMask("00.000.000;0;_");
    EXPECT_EQ(edit->EditText(), "__.___.___");
    edit->SetSelStart(0);
    Type(edit->Widget(), "12x345678");
    EXPECT_EQ(edit->EditText(), "12.345.678");
    EXPECT_EQ(edit->Text(), "12345678"); // literals are not saved
    EXPECT_NO_THROW(edit->ValidateEdit());

    SendKey(edit->Widget(), Qt::Key_Backspace);
    EXPECT_EQ(edit->EditText(), "12.345.67_");
    EXPECT_THROW(edit->ValidateEdit(), Exception);

    edit->SetText("87654321");
    EXPECT_EQ(edit->EditText(), "87.654.321");
}

TEST(ControlsTest, PageControlOnChangingCanRefuseAndHiddenTabsStillChangeByCode) {
    TForm form(nullptr);
    auto* pages = new TPageControl(&form, &form);
    auto* first = new TTabSheet(&form);
    first->SetCaption("Dados");
    first->SetPageControl(pages);
    auto* second = new TTabSheet(&form);
    second->SetCaption("Endereço");
    second->SetPageControl(pages);
    form.Show();
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_TRUE(first->Widget()->isVisible());
    EXPECT_FALSE(second->Widget()->isVisible()) << "only the active page shows";

    bool allow = false;
    int changes = 0;
    pages->OnChanging = TEvent<TObject*, bool&>::fromFunction([&](TObject*, bool& a) { a = allow; });
    pages->OnChange = TNotifyEvent::fromFunction([&](TObject*) { ++changes; });
    auto* tabs = pages->Widget()->findChild<QTabBar*>();
    tabs->setCurrentIndex(1);
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_EQ(tabs->currentIndex(), 0);
    allow = true;
    tabs->setCurrentIndex(1);
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_EQ(changes, 1);

    first->SetTabVisible(false);
    second->SetTabVisible(false);
    EXPECT_TRUE(tabs->isHidden());
    pages->SetActivePageIndex(0);
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_TRUE(first->Widget()->isVisible());
    EXPECT_FALSE(second->Widget()->isVisible());
}

TEST(ControlsTest, RadioGroupItemIndexAndClicks) {
    TForm form(nullptr);
    auto* group = new TRadioGroup(&form, &form);
    group->SetItems({"Mensal", "Anual"});
    int clicks = 0;
    group->OnClick = TNotifyEvent::fromFunction([&](TObject*) { ++clicks; });
    group->SetItemIndex(1);
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_THROW(group->SetItemIndex(2), EComponentError);
}

TEST(ControlsTest, ProgressWindowCancelStopsTheWorkOnlyWhereAllowed) {
    TProgressWindow withCancel(nullptr, "Cópia de Segurança", true);
    withCancel.SetMax(10);
    withCancel.SetText("Compactando...");
    withCancel.Show();
    EXPECT_TRUE(withCancel.btnCancelar->Visible());
    EXPECT_TRUE(withCancel.Progress(3));
    static_cast<QPushButton*>(withCancel.btnCancelar->Widget())->click();
    EXPECT_FALSE(withCancel.Progress(4));
    EXPECT_EQ(withCancel.Position(), 4);
    EXPECT_EQ(withCancel.Text(), "Compactando...");

    TProgressWindow without(nullptr, "Atualização", false);
    without.Show();
    EXPECT_FALSE(without.btnCancelar->Widget()->isVisible());
    EXPECT_TRUE(without.Progress(200)); // beyond Max stays at Max
    EXPECT_EQ(without.Position(), 100);
}

TEST(ControlsTest, ScaleByFormContentsGrowWithTheScreenRatio) {
    TForm form(nullptr);
    form.SetClientWidth(512);
    form.SetClientHeight(384);
    auto* edit = new TEdit(&form, &form);
    edit->SetBounds(100, 50, 200, 20);
    form.ScaleBy(1280, 1024);
    EXPECT_EQ(form.ClientWidth(), 640);
    EXPECT_EQ(edit->Left(), 125);
    EXPECT_EQ(edit->Width(), 250);
}
