#include "components/data/TDBComboValues.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"

#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/input/UserInput.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {
class DBComboValuesTest : public testing::Test {
protected:
    DBComboValuesTest()
        : form(new TForm(nullptr)), cds(new TClientDataSet(form)), source(new TDataSource(form)) {
        cds->FieldDefs().Add(QStringLiteral("SQ_OCORRENCIA_DEF"), ftString, 10);
        cds->CreateDataSet();
        cds->Append();
        cds->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF"))->SetAsString(QStringLiteral("2"));
        cds->Post();
        source->SetDataSet(cds);
        combo = new TDBComboValues(form, form);
        combo->SetName(QStringLiteral("cbOcorrencia"));
        combo->SetItems({QStringLiteral("Um"), QStringLiteral("Dois"), QStringLiteral("Três")});
        combo->SetValues({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
        combo->SetDataSource(source);
        combo->SetDataField(QStringLiteral("SQ_OCORRENCIA_DEF"));
    }
    ~DBComboValuesTest() override { delete form; }

    TField* Field() { return cds->FieldByName(QStringLiteral("SQ_OCORRENCIA_DEF")); }
    QLineEdit* Edit() { return combo->Widget()->findChild<QLineEdit*>(); }
    // What the user's typing does to the box: its text changes.
    void Type(const QString& text) {
        cds->Edit();
        Edit()->setText(text);
    }

    TForm* form;
    TClientDataSet* cds;
    TDataSource* source;
    TDBComboValues* combo;
};

TEST_F(DBComboValuesTest, ShowsTheItemOfTheStoredValue) {
    EXPECT_EQ(combo->Text(), QStringLiteral("Dois"));
    cds->Edit();
    Field()->SetAsString(QStringLiteral("9"));
    EXPECT_EQ(combo->Text(), QString()); // not among Values
    Field()->SetAsString(QStringLiteral("3"));
    EXPECT_EQ(combo->Text(), QStringLiteral("Três"));
}

TEST_F(DBComboValuesTest, StoresTheValueOfTheChosenItemAndNullForOtherText) {
    Type(QStringLiteral("Um"));
    cds->Post();
    EXPECT_EQ(Field()->AsString(), QStringLiteral("1"));
    Type(QStringLiteral("Quatro"));
    cds->Post();
    EXPECT_TRUE(Field()->IsNull());
}

TEST_F(DBComboValuesTest, AnItemWithoutAValueRaisesAndClearsTheField) {
    combo->SetValues({QStringLiteral("1"), QStringLiteral("2")});
    Type(QStringLiteral("Três"));
    EXPECT_THROW(cds->Post(), Exception);
    EXPECT_TRUE(Field()->IsNull());
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(DBComboValuesTest, DuplicateValuesShowTheFirstItem) {
    combo->SetValues({QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("3")});
    EXPECT_EQ(combo->Text(), QStringLiteral("Um"));
}

TEST_F(DBComboValuesTest, EscapePutsTheFieldsValueBack) {
    Type(QStringLiteral("Um"));
    QLineEdit* edit = combo->Widget()->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    QCoreApplication::sendEvent(combo->Widget(), &escape);
    EXPECT_EQ(combo->Text(), QStringLiteral("Dois"));
    cds->Post();
    EXPECT_EQ(Field()->AsString(), QStringLiteral("2"));
}

TEST_F(DBComboValuesTest, ADropDownListWritesItsChoiceAtOnce) {
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    cds->Edit();
    qobject_cast<QComboBox*>(combo->Widget())->setCurrentIndex(0); // as the user chooses
    EXPECT_EQ(Field()->AsString(), QStringLiteral("1"));
    EXPECT_EQ(combo->ComboText(), QStringLiteral("Um"));
}

TEST_F(DBComboValuesTest, TypingCompletesOnlyWithTextCompletion) {
    QLineEdit* edit = combo->Widget()->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    cds->Edit();
    edit->clear();
    QKeyEvent t(QEvent::KeyPress, Qt::Key_T, Qt::NoModifier, QStringLiteral("t"));
    QCoreApplication::sendEvent(combo->Widget(), &t); // keys reach the box, which passes them to its edit
    EXPECT_EQ(combo->Text(), QStringLiteral("t"));

    combo->SetTextCompletion(true);
    edit->clear();
    QCoreApplication::sendEvent(combo->Widget(), &t); // keys reach the box, which passes them to its edit
    QCoreApplication::processEvents();                // the completion follows the key
    EXPECT_EQ(combo->Text(), QStringLiteral("Três"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("rês"));
}
} // namespace

// Typed and chosen as a person does, and left with Tab, Shift+Tab or Enter.
TEST_F(DBComboValuesTest, TabShiftTabAndEnterTakeTheTypedItemAndTheFocusMoves) {
    ScriptedPrompter prompter;
    auto* antes = new TEdit(form, form);
    auto* depois = new TEdit(form, form);
    combo->SetBounds(10, 40, 150, 21);
    antes->SetBounds(10, 10, 150, 21);
    depois->SetBounds(10, 70, 150, 21);
    antes->SetTabOrder(0);
    form->SetBounds(0, 0, 300, 200);
    form->Show();
    combo->SetTextCompletion(true);
    const std::vector<std::tuple<const char*, std::function<void()>, const char*, TEdit*>> passos = {
        {"Tab", [] { UserInput::Tab(); }, "1", depois},
        {"Shift+Tab", [] { UserInput::ShiftTab(); }, "3", antes},
        {"Enter", [] { UserInput::Enter(); }, "1", nullptr},
    };
    for (const auto& [tecla, sai, gravado, foco] : passos) {
        UserInput::TypeOver(combo, tecla == std::string("Shift+Tab") ? "Tr" : "U");
        sai();
        EXPECT_EQ(Field()->AsString(), QLatin1String(gravado)) << tecla;
        EXPECT_TRUE(foco ? foco->Focused() : combo->Focused()) << tecla;
        EXPECT_EQ(prompter.Count(), 0) << tecla << ": no beep, no message";
    }
    UserInput::ChooseFromDropDown(combo, QStringLiteral("Dois"));
    UserInput::Tab();
    EXPECT_EQ(Field()->AsString(), QStringLiteral("2"));

    // An item without a value: the message, the box emptied, and the focus back.
    combo->SetValues({QStringLiteral("1"), QStringLiteral("2")});
    prompter.Answer(mrOk);
    UserInput::TypeOver(combo, QStringLiteral("Tr"));
    UserInput::Tab();
    EXPECT_EQ(prompter.Count(), 1);
    EXPECT_TRUE(combo->Focused());
    EXPECT_TRUE(Field()->IsNull());
    UserInput::Type(QStringLiteral("D"));
    UserInput::Tab();
    EXPECT_EQ(Field()->AsString(), QStringLiteral("2"));
}
