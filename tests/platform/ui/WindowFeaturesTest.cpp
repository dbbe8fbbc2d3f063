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

TEST(WindowFeaturesTest, SystemColorsFollowTheStandardPaletteAndStoredNumbers) {
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

TEST(WindowFeaturesTest, FontColorColoursTheTextOfLabelsAndEdits) {
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

TEST(WindowFeaturesTest, ActiveControlTakesTheFocusWhenTheWindowShows) {
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

TEST(WindowFeaturesTest, ShowMessageIsAPlainBoxWithTheApplicationsTitle) {
    ScriptedPrompter prompter;
    prompter.Answer(mrOk);
    ShowMessage(QStringLiteral("Falha ao abrir o arquivo : \"x.qrp\""));
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Caption, Application->Title());
    EXPECT_EQ(prompter.Last().Text, QStringLiteral("Falha ao abrir o arquivo : \"x.qrp\""));
    EXPECT_EQ(prompter.Last().Icon, TMsgDlgType::mtNone);
    EXPECT_EQ(prompter.Last().Buttons, std::vector{TMsgDlgBtn::mbOK});
}

TEST(WindowFeaturesTest, WindowPromptHandsTheWindowToTheAnswer) {
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

TEST(WindowFeaturesTest, SpinEditArrowsKeepToTheLimitsWhileTypedTextIsTakenAsItStands) {
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

TEST(WindowFeaturesTest, MaskedDataEditTheMaskNotTheFieldSizeLimitsTheText) {
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
