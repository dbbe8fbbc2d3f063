#include "platform/base/TPrompter.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/ShowMessage.h"
#include "platform/ui/SystemColors.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TSpinEdit.h"
#include "tests/support/ScriptedPrompter.h"

#include <QMdiSubWindow>
#include <QTableView>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TEST(SystemColors, FollowTheStandardPaletteAndStoredNumbers) {
    EXPECT_EQ(clInfoBk, QColor(255, 255, 225));
    EXPECT_EQ(clNavy, QColor(0, 0, 128));
    EXPECT_EQ(clWindow, QColor(Qt::white));
    EXPECT_EQ(clBtnFace, QColor(240, 240, 240));
    EXPECT_EQ(clAppWorkSpace, QColor(171, 171, 171));
    // Stored as 0x00BBGGRR.
    EXPECT_EQ(ColorOf(13421772), QColor(0xCC, 0xCC, 0xCC));
    EXPECT_EQ(ColorOf(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorOf(0xFF0000), QColor(0, 0, 255));
}

TEST(FontColor, ColoursTheTextOfLabelsAndEdits) {
    TForm form(nullptr);
    auto* label = new TLabel(&form, &form);
    auto* edit = new TEdit(&form, &form);
    label->SetFontColor(clNavy);
    edit->SetFontColor(clMaroon);
    EXPECT_EQ(label->FontColor(), clNavy);
    EXPECT_EQ(label->Widget()->palette().color(QPalette::WindowText), clNavy);
    EXPECT_EQ(edit->Widget()->palette().color(QPalette::Text), clMaroon);
    // The background stays as it was.
    edit->SetColor(clInfoBk);
    EXPECT_EQ(edit->Color(), clInfoBk);
    EXPECT_EQ(edit->FontColor(), clMaroon);
}

class MdiChildTest : public testing::Test {
protected:
    void SetUp() override {
        frame = Application->CreateForm<TForm>();
        frame->SetFormStyle(TFormStyle::fsMDIForm);
        frame->SetBounds(0, 0, 900, 700);
        frame->Show();
    }
    void TearDown() override {
        delete frame;
        Application->ProcessMessages();
    }
    TForm* Child(TFormBorderStyle border, TBorderIcons icons) {
        auto* child = new TForm(frame);
        child->SetFormStyle(TFormStyle::fsMDIChild);
        child->SetPosition(TPosition::poDesigned);
        child->SetBorderStyle(border);
        child->SetBorderIcons(icons);
        child->SetBounds(30, 40, 300, 200);
        child->Show();
        return child;
    }
    TForm* frame = nullptr;
};

TEST_F(MdiChildTest, BoundsMoveAndSizeTheSubWindow) {
    TForm* child = Child(TFormBorderStyle::bsSizeable, biSystemMenu | biMinimize | biMaximize);
    ASSERT_NE(child->MdiSubWindow(), nullptr);
    // Placed where it was designed.
    EXPECT_EQ(child->MdiSubWindow()->pos(), QPoint(30, 40));
    child->SetBounds(50, 60, 420, 310);
    EXPECT_EQ(child->MdiSubWindow()->geometry(), QRect(50, 60, 420, 310));
    EXPECT_EQ(child->Left(), 50);
    EXPECT_EQ(child->Top(), 60);
    EXPECT_EQ(child->Width(), 420);
    EXPECT_EQ(child->Height(), 310);
    child->SetLeft(10);
    EXPECT_EQ(child->MdiSubWindow()->x(), 10);
    // The client is the frame less its caption and borders.
    EXPECT_LT(child->ClientWidth(), 420);
    child->SetClientWidth(500);
    EXPECT_EQ(child->ClientWidth(), 500);
    EXPECT_GT(child->Width(), 500);
}

TEST_F(MdiChildTest, BorderIconsAndASingleBorderShapeTheSubWindow) {
    TForm* child = Child(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize);
    const Qt::WindowFlags flags = child->MdiSubWindow()->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    // A single border does not resize, but code still sizes it.
    EXPECT_EQ(child->MdiSubWindow()->minimumSize(), child->MdiSubWindow()->maximumSize());
    child->SetBounds(0, 0, 350, 250);
    EXPECT_EQ(child->MdiSubWindow()->size(), QSize(350, 250));
    child->SetBorderIcons(biSystemMenu | biMaximize);
    EXPECT_FALSE(child->MdiSubWindow()->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(child->MdiSubWindow()->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(ActiveControl, TakesTheFocusWhenTheWindowShows) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* first = new TEdit(&form, &form);
    auto* second = new TEdit(&form, &form);
    second->SetTop(40);
    form.SetActiveControl(second);
    EXPECT_EQ(form.ActiveControl(), second);
    form.Show();
    EXPECT_EQ(form.Widget()->focusWidget(), second->Widget());
    form.SetActiveControl(first);
    EXPECT_EQ(form.Widget()->focusWidget(), first->Widget());
    EXPECT_EQ(form.ActiveControl(), first);
    delete first;
    form.SetActiveControl(nullptr);
    EXPECT_EQ(form.ActiveControl(), nullptr);
}

TEST(ShowMessage, IsAPlainBoxWithTheApplicationsTitle) {
    ScriptedPrompter prompter;
    prompter.Answer(mrOk);
    ShowMessage(QStringLiteral("Falha ao abrir o arquivo : \"x.qrp\""));
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Caption, Application->Title());
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Falha ao abrir o arquivo : \"x.qrp\""));
    EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtNone);
    EXPECT_EQ(prompter.Last().Buttons, std::vector{TMsgDlgBtn::mbOK});
}

TEST(WindowPrompt, HandsTheWindowToTheAnswer) {
    ScriptedPrompter prompter;
    TForm window(nullptr);
    QObject* seen = nullptr;
    prompter.AnswerWith([&](const TPromptRequest& request) {
        seen = request.Window;
        return TPromptResult{mrOk, {}};
    });
    TPromptRequest request;
    request.Kind = TPromptKind::pkWindow;
    request.Window = window.Widget();
    EXPECT_EQ(TPrompter::Current().Prompt(request).Button, mrOk);
    EXPECT_EQ(seen, window.Widget());
}

TEST(SpinEdit, ArrowsKeepToTheLimitsWhileTypedTextIsTakenAsItStands) {
    TForm form(nullptr);
    auto* spin = new TSpinEdit(&form, &form);
    spin->SetMinValue(10);
    spin->SetMaxValue(300);
    spin->SetIncrement(10);
    spin->SetValue(100);
    int changes = 0;
    spin->OnChange = TNotifyEvent::fromFunction([&](TObject*) { ++changes; });
    spin->SetValue(290);
    EXPECT_EQ(changes, 1);
    static_cast<QAbstractSpinBox*>(spin->Widget())->stepUp();
    EXPECT_EQ(spin->Value(), 300);
    static_cast<QAbstractSpinBox*>(spin->Widget())->stepUp();
    EXPECT_EQ(spin->Value(), 300);
    spin->SetValue(5000);
    EXPECT_EQ(spin->Value(), 300);
    spin->SetText(QStringLiteral("350"));
    EXPECT_EQ(spin->Text(), QStringLiteral("350"));
    EXPECT_EQ(spin->Value(), 350);
    spin->SetText(QString());
    EXPECT_EQ(spin->Value(), 10); // no number: the minimum
    form.Show();
    spin->SetValue(120);
    form.Hide();
    form.Show();
    EXPECT_EQ(spin->Text(), QStringLiteral("120"));
}

class GridColumnsTest : public testing::Test {
protected:
    void SetUp() override {
        data = new TClientDataSet(&form);
        data->FieldDefs().Add(QStringLiteral("NU_INSCRICAO"), ftInteger);
        data->FieldDefs().Add(QStringLiteral("NO_RAZAO"), ftString, 40);
        data->CreateDataSet();
        data->Append();
        data->FieldByName(QStringLiteral("NU_INSCRICAO"))->SetAsInteger(12345674);
        data->FieldByName(QStringLiteral("NO_RAZAO"))->SetAsString(QStringLiteral("Padaria"));
        data->Post();
        auto* source = new TDataSource(&form);
        source->SetDataSet(data);
        grid = new TDBGrid(&form, &form);
        grid->SetDataSource(source);
    }
    TForm form{nullptr};
    TClientDataSet* data = nullptr;
    TDBGrid* grid = nullptr;
};

TEST_F(GridColumnsTest, AnInstalledCollectionTakesThePlaceOfTheGridsOwnUntilItGoes) {
    ASSERT_EQ(grid->Columns().Count(), 2);
    {
        TDBGridColumns columns(grid);
        TColumn* razao = columns.Add();
        razao->SetFieldName(QStringLiteral("NO_RAZAO"));
        razao->SetTitleCaption(QStringLiteral("Razão"));
        grid->InstallColumns(&columns);
        EXPECT_EQ(&grid->Columns(), &columns);
        ASSERT_EQ(grid->VisibleColumnCount(), 1);
        EXPECT_EQ(grid->VisibleColumn(0)->Field(), data->FieldByName(QStringLiteral("NO_RAZAO")));
        EXPECT_EQ(grid->View()->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Razão"));
    }
    // Default columns from the fields again.
    EXPECT_EQ(grid->Columns().Count(), 2);
    EXPECT_EQ(grid->VisibleColumnCount(), 2);
}

TEST_F(GridColumnsTest, AssignCopiesEveryColumnAndAGoneGridLeavesTheColumnsBlank) {
    auto* other = new TDBGrid(&form, &form);
    TDBGridColumns columns(other);
    other->InstallColumns(&columns);
    TColumn* inscricao = columns.Add();
    inscricao->SetFieldName(QStringLiteral("NU_INSCRICAO"));
    inscricao->SetWidth(77);
    inscricao->SetAlignment(taCenter);
    inscricao->SetVisible(false);
    columns.Add()->SetFieldName(QStringLiteral("NO_RAZAO"));
    grid->Columns().Assign(columns);
    ASSERT_EQ(grid->Columns().Count(), 2);
    EXPECT_EQ(grid->Columns().State(), TDBGridColumnsState::csCustomized);
    EXPECT_EQ(grid->Columns().Items(0)->Width(), 77);
    EXPECT_EQ(grid->Columns().Items(0)->Alignment(), taCenter);
    EXPECT_FALSE(grid->Columns().Items(0)->Visible());
    EXPECT_EQ(grid->VisibleColumnCount(), 1);
    // The copy follows its own grid's data set; the original had none.
    EXPECT_EQ(grid->Columns().Items(1)->Field(), data->FieldByName(QStringLiteral("NO_RAZAO")));
    EXPECT_EQ(columns.Items(1)->Field(), nullptr);
    delete other;
    EXPECT_EQ(columns.Items(0)->Field(), nullptr);
    EXPECT_EQ(columns.Items(0)->Width(), 77);
}

TEST(MaskedDataEdit, TheMaskNotTheFieldSizeLimitsTheText) {
    TForm form(nullptr);
    auto* data = new TClientDataSet(&form);
    data->FieldDefs().Add(QStringLiteral("NU_TEL"), ftString, 8);
    data->CreateDataSet();
    data->FieldByName(QStringLiteral("NU_TEL"))->SetEditMask(QStringLiteral("0000-0000;0; "));
    auto* source = new TDataSource(&form);
    source->SetDataSet(data);
    auto* edit = new TDBEdit(&form, &form);
    edit->SetDataSource(source);
    edit->SetDataField(QStringLiteral("NU_TEL"));
    data->Append();
    edit->SetText(QStringLiteral("32221234"));
    EXPECT_EQ(edit->EditText(), QStringLiteral("3222-1234"));
    data->Post();
    EXPECT_EQ(data->FieldByName(QStringLiteral("NU_TEL"))->AsString(), QStringLiteral("32221234"));
}

} // namespace
