#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TFieldDefs.h"
#include "platform/db/TIntegerField.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TColumn.h"
#include "platform/ui/TDBCheckBox.h"
#include "platform/ui/TDBComboBox.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBLookupComboBox.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TDBText.h"
#include "platform/ui/TForm.h"
#include "tests/support/ScriptedPrompter.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QTableView>
#include <gtest/gtest.h>
#include <tuple>

namespace {
// A form with a grid and an edit over three taxpayers.
class DbGridTest : public testing::Test {
protected:
    void SetUp() override {
        cds = new TClientDataSet(&form);
        cds->SetName("cdsContribuintes");
        cds->FieldDefs().Add("NU_INSCRICAO", ftInteger);
        cds->FieldDefs().Add("NO_RAZAO", ftString, 40);
        cds->FieldDefs().Add("IN_ATIVO", ftString, 1);
        cds->CreateDataSet();
        AddRow(1234567, "Padaria Estrela", "S");
        AddRow(2345678, "Mercado Central", "N");
        AddRow(3456789, "Oficina Rápida", "S");
        cds->First();
        cds->FieldByName("NO_RAZAO")->SetDisplayLabel("Razão Social");

        ds = new TDataSource(&form);
        ds->SetDataSet(cds);
        grid = new TDBGrid(&form, &form);
        grid->SetName("dbgContribuintes");
        grid->SetBounds(0, 0, 400, 150);
        grid->SetDataSource(ds);
        form.SetBounds(0, 0, 420, 240);
        form.Show();
    }

    void AddRow(int inscricao, const QString& razao, const QString& ativo) {
        cds->Append();
        cds->FieldByName("NU_INSCRICAO")->SetAsInteger(inscricao);
        cds->FieldByName("NO_RAZAO")->SetAsString(razao);
        cds->FieldByName("IN_ATIVO")->SetAsString(ativo);
        cds->Post();
    }

    QString Cell(int row, int column) const {
        return grid->View()->model()->index(row, column).data().toString();
    }

    void ClickRow(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* viewport = grid->View()->viewport();
        const QPointF at = grid->View()->visualRect(grid->View()->model()->index(row, 0)).center();
        QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, modifiers);
        QCoreApplication::sendEvent(viewport, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, modifiers);
        QCoreApplication::sendEvent(viewport, &release);
    }

    TBookmark BookmarkOfRow(int recNo) {
        cds->SetRecNo(recNo);
        return cds->GetBookmark();
    }

    TForm form{nullptr};
    TClientDataSet* cds = nullptr;
    TDataSource* ds = nullptr;
    TDBGrid* grid = nullptr;
};

void SendKey(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
}
} // namespace

TEST_F(DbGridTest, ShowsEveryRowWithColumnsFromTheFields) {
    ASSERT_EQ(grid->View()->model()->rowCount(), 3);
    ASSERT_EQ(grid->Columns().Count(), 3);
    EXPECT_EQ(grid->Columns().State(), TDBGridColumnsState::csDefault);
    EXPECT_EQ(grid->Columns().Items(1)->TitleCaption(), "Razão Social");
    EXPECT_EQ(Cell(0, 1), "Padaria Estrela");
    EXPECT_EQ(Cell(2, 0), "3456789");
    EXPECT_EQ(cds->RecNo(), 1); // reading cells does not move the cursor

    // Columns set by hand replace the default ones.
    TColumn* razao = grid->Columns().Add();
    razao->SetFieldName("NO_RAZAO");
    razao->SetTitleCaption("Nome");
    razao->SetWidth(200);
    ASSERT_EQ(grid->Columns().Count(), 1);
    EXPECT_EQ(grid->View()->model()->columnCount(), 1);
    EXPECT_EQ(grid->View()->model()->headerData(0, Qt::Horizontal).toString(), "Nome");
    EXPECT_EQ(grid->View()->columnWidth(0), 200);
    razao->SetVisible(false);
    EXPECT_EQ(grid->View()->model()->columnCount(), 0);
}

TEST_F(DbGridTest, TheCurrentRowFollowsTheCursorBothWays) {
    ClickRow(2);
    EXPECT_EQ(cds->RecNo(), 3);
    EXPECT_EQ(cds->FieldByName("NO_RAZAO")->AsString(), "Oficina Rápida");

    cds->First();
    EXPECT_EQ(grid->View()->currentIndex().row(), 0);
    cds->Next();
    EXPECT_EQ(grid->View()->currentIndex().row(), 1);

    // A refused scroll leaves the grid on the data set's row.
    cds->BeforeScroll = TDataSetNotifyEvent::fromFunction([](TDataSet*) { Abort(); });
    ClickRow(0);
    EXPECT_EQ(cds->RecNo(), 2);
    EXPECT_EQ(grid->View()->currentIndex().row(), 1);
    cds->BeforeScroll = nullptr;
}

TEST_F(DbGridTest, MultiSelectListsTheChosenRowsInDataSetOrder) {
    grid->SetOptions(grid->Options() | dgMultiSelect | dgRowSelect);
    ClickRow(2, Qt::ControlModifier);
    ClickRow(0, Qt::ControlModifier);
    ASSERT_EQ(grid->SelectedRows().Count(), 2);
    EXPECT_TRUE(grid->RowChosen(0));
    EXPECT_FALSE(grid->RowChosen(1));
    EXPECT_TRUE(grid->RowChosen(2));
    const TBookmark first = grid->SelectedRows().Items(0);
    const TBookmark second = grid->SelectedRows().Items(1);
    EXPECT_EQ(first, BookmarkOfRow(1));
    EXPECT_EQ(second, BookmarkOfRow(3));

    // Ctrl+click again drops a row; a plain click chooses the clicked row alone.
    ClickRow(2, Qt::ControlModifier);
    EXPECT_EQ(grid->SelectedRows().Count(), 1);
    ClickRow(1);
    ASSERT_EQ(grid->SelectedRows().Count(), 1);
    EXPECT_EQ(grid->SelectedRows().Items(0), BookmarkOfRow(2));

    // Shift+click takes the range from the last clicked row.
    ClickRow(2, Qt::ShiftModifier);
    EXPECT_EQ(grid->SelectedRows().Count(), 2);
    EXPECT_EQ(grid->SelectedRows().Items(0), BookmarkOfRow(2));

    // Space drops the current row and takes it again.
    ASSERT_TRUE(grid->SelectedRows().CurrentRowSelected());
    SendKey(grid->View(), Qt::Key_Space, " ");
    EXPECT_FALSE(grid->SelectedRows().CurrentRowSelected());
    SendKey(grid->View(), Qt::Key_Space, " ");
    EXPECT_TRUE(grid->SelectedRows().CurrentRowSelected());
}

TEST_F(DbGridTest, OnlyChosenRowsAreHighlightedWhereRowsAreChosen) {
    grid->SetOptions(grid->Options() | dgMultiSelect | dgRowSelect);
    ClickRow(0);
    ClickRow(1, Qt::ControlModifier);
    ClickRow(1, Qt::ControlModifier); // the current row, no longer chosen
    const QImage image = form.Widget()->grab().toImage();
    const auto colourOfRow = [&](int row) {
        const QRect cell = grid->View()->visualRect(grid->View()->model()->index(row, 1));
        return image.pixelColor(
            grid->View()->viewport()->mapTo(form.Widget(), cell.topLeft() + QPoint(3, 3)));
    };
    const QColor highlight = grid->View()->palette().color(QPalette::Highlight);
    EXPECT_EQ(colourOfRow(0), highlight) << "the chosen row";
    EXPECT_NE(colourOfRow(1), highlight) << "the current row, not chosen";
    EXPECT_NE(colourOfRow(2), highlight);
}

TEST_F(DbGridTest, CustomDrawingSeesEachRowsFields) {
    std::set<QString> painted;
    int calls = 0;
    grid->OnDrawColumnCell =
        TDrawColumnCellEvent::fromFunction([&](TObject* sender, QPainter& canvas, const QRect& rect,
                                               int dataCol, TColumn* column, TGridDrawState) {
            ++calls;
            EXPECT_EQ(sender, grid);
            EXPECT_EQ(dataCol, column->Index());
            if (column->FieldName() == "IN_ATIVO") {
                canvas.fillRect(rect, Qt::white); // hide the text, as a status picture would
                painted.insert(cds->FieldByName("NO_RAZAO")->AsString());
            }
        });
    const QImage image = form.Widget()->grab().toImage();
    EXPECT_GE(calls, 9);
    EXPECT_EQ(painted, (std::set<QString>{"Padaria Estrela", "Mercado Central", "Oficina Rápida"}));
    EXPECT_EQ(cds->RecNo(), 1);
    // The painted-over cell is white.
    const QRect cell = grid->View()->visualRect(grid->View()->model()->index(1, 2));
    const QPoint inCell = grid->View()->viewport()->mapTo(form.Widget(), cell.center());
    EXPECT_EQ(image.pixelColor(inCell), QColor(Qt::white));
}

TEST_F(DbGridTest, DrawingACellAgainInAnotherColourReplacesItsText) {
    grid->OnDrawColumnCell =
        TDrawColumnCellEvent::fromFunction([&](TObject*, QPainter& canvas, const QRect& rect, int dataCol,
                                               TColumn* column, TGridDrawState state) {
            if (column->FieldName() != "NO_RAZAO")
                return;
            canvas.setPen(Qt::blue);
            grid->DefaultDrawColumnCell(canvas, rect, dataCol, column, state);
        });
    const QImage image = form.Widget()->grab().toImage();
    const QRect cell = grid->View()->visualRect(grid->View()->model()->index(1, 1));
    const QRect inForm(grid->View()->viewport()->mapTo(form.Widget(), cell.topLeft()), cell.size());
    int blue = 0;
    int dark = 0;
    for (int y = inForm.top(); y <= inForm.bottom(); ++y)
        for (int x = inForm.left(); x <= inForm.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.blue() > 150 && pixel.red() < 100 && pixel.green() < 100)
                ++blue;
            else if (pixel.red() < 90 && pixel.green() < 90 && pixel.blue() < 90)
                ++dark;
        }
    EXPECT_GT(blue, 10) << "the text is drawn in blue";
    EXPECT_EQ(dark, 0) << "no black text of the first drawing shows through";
}

TEST_F(DbGridTest, TitleClicksReportTheColumn) {
    TColumn* clicked = nullptr;
    grid->OnTitleClick = TDBGridClickEvent::fromFunction([&](TColumn* column) { clicked = column; });
    emit grid->View()->horizontalHeader()->sectionClicked(1);
    ASSERT_NE(clicked, nullptr);
    EXPECT_EQ(clicked->FieldName(), "NO_RAZAO");
}

TEST_F(DbGridTest, ADoubleClickRunsOnDblClick) {
    int clicks = 0;
    grid->OnDblClick = TNotifyEvent::fromFunction([&](TObject*) { ++clicks; });
    QWidget* viewport = grid->View()->viewport();
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), viewport->mapToGlobal(QPointF(5, 5)),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &dbl);
    EXPECT_EQ(clicks, 1);
}

TEST_F(DbGridTest, EditingThroughADbEditPostsWithTheFieldsRules) {
    auto* edit = new TDBEdit(&form, &form);
    edit->SetName("edtRazao");
    edit->SetDataSource(ds);
    edit->SetDataField("NO_RAZAO");
    EXPECT_EQ(edit->Text(), "Padaria Estrela");
    EXPECT_EQ(edit->MaxLength(), 40);

    TField* razao = cds->FieldByName("NO_RAZAO");
    razao->OnValidate = TFieldNotifyEvent::fromFunction([](TField* field) {
        if (field->AsString().contains('#'))
            throw EDatabaseError("Razão social inválida");
    });

    // Typing puts the data set into edit state; posting writes the text.
    edit->SelectAll();
    SendKey(edit->Widget(), Qt::Key_P, "P");
    SendKey(edit->Widget(), Qt::Key_A, "a");
    EXPECT_EQ(cds->State(), dsEdit);
    cds->Post();
    EXPECT_EQ(razao->AsString(), "Pa");
    EXPECT_EQ(Cell(0, 1), "Pa");

    // A text the rule refuses is not posted and stays in the edit.
    SendKey(edit->Widget(), Qt::Key_NumberSign, "#");
    EXPECT_THROW(cds->Post(), EDatabaseError);
    EXPECT_EQ(cds->State(), dsEdit);
    EXPECT_EQ(edit->Text(), "Pa#");
    EXPECT_EQ(razao->AsString(), "Pa");
    cds->Cancel();
    EXPECT_EQ(edit->Text(), "Pa");

    // Scrolling shows the next record.
    cds->Next();
    EXPECT_EQ(edit->Text(), "Mercado Central");
}

TEST_F(DbGridTest, ARefusedTextKeepsTheFocusInTheEdit) {
    ScriptedPrompter prompter; // the silent abort shows nothing
    auto* edit = new TDBEdit(&form, &form);
    edit->SetDataSource(ds);
    edit->SetDataField("NO_RAZAO");
    cds->FieldByName("NO_RAZAO")->OnValidate = TFieldNotifyEvent::fromFunction([](TField* field) {
        if (field->AsString().isEmpty())
            Abort();
    });
    form.Widget()->activateWindow();
    QApplication::setActiveWindow(form.Widget());
    edit->SetFocus();
    ASSERT_TRUE(edit->Focused());
    edit->SelectAll();
    SendKey(edit->Widget(), Qt::Key_Delete, {});
    EXPECT_EQ(edit->Text(), "");
    grid->SetFocus();
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(cds->FieldByName("NO_RAZAO")->AsString(), "Padaria Estrela");
    cds->Cancel();
}

TEST_F(DbGridTest, TwoRefusingEditsDoNotTakeTheFocusFromEachOtherWithoutEnd) {
    ScriptedPrompter prompter;
    auto* razao = new TDBEdit(&form, &form);
    razao->SetDataSource(ds);
    razao->SetDataField("NO_RAZAO");
    auto* inscricao = new TDBEdit(&form, &form);
    inscricao->SetDataSource(ds);
    inscricao->SetDataField("NU_INSCRICAO");
    cds->FieldByName("NO_RAZAO")->OnValidate = TFieldNotifyEvent::fromFunction([](TField* field) {
        if (field->AsString().isEmpty())
            Abort();
    });
    cds->FieldByName("NU_INSCRICAO")->OnValidate = TFieldNotifyEvent::fromFunction([](TField* field) {
        if (field->AsInteger() == 0)
            Abort();
    });
    form.Widget()->activateWindow();
    QApplication::setActiveWindow(form.Widget());
    // Both hold a text their field refuses.
    inscricao->SetFocus();
    inscricao->SelectAll();
    SendKey(inscricao->Widget(), Qt::Key_0, "0");
    razao->SetFocus();
    ASSERT_TRUE(inscricao->Focused()) << "the refused registration keeps the focus";
    // The name is emptied without the focus, then the focus is asked for.
    razao->SelectAll();
    SendKey(razao->Widget(), Qt::Key_Delete, {});
    razao->SetFocus();
    // Whichever holds it, the focus settles on one of the two.
    EXPECT_TRUE(inscricao->Focused() || razao->Focused());
    EXPECT_EQ(cds->FieldByName("NO_RAZAO")->AsString(), "Padaria Estrela");
    cds->Cancel();
}

TEST_F(DbGridTest, AnEditsOwnLengthLimitHoldsForTypingButNeverCutsTheDisplay) {
    auto* edit = new TDBEdit(&form, &form);
    edit->SetDataSource(ds);
    edit->SetDataField("NU_INSCRICAO");
    auto* inscricao = static_cast<TIntegerField*>(cds->FieldByName("NU_INSCRICAO"));
    inscricao->SetDisplayFormat("00.000.000");
    inscricao->SetEditFormat("0");
    edit->SetMaxLength(8);
    EXPECT_EQ(edit->Text(), "01.234.567") << "the display is longer than the limit";
    form.Widget()->activateWindow();
    QApplication::setActiveWindow(form.Widget());
    edit->SetFocus();
    ASSERT_TRUE(edit->Focused());
    EXPECT_EQ(edit->Text(), "1234567");
    edit->SelectAll();
    static_cast<QLineEdit*>(edit->Widget())->insert("123456789"); // pasted
    EXPECT_EQ(edit->Text(), "12345678");
    cds->Cancel();
}

TEST_F(DbGridTest, DbEditsWithoutAutoEditDropTyping) {
    auto* edit = new TDBEdit(&form, &form);
    edit->SetDataSource(ds);
    edit->SetDataField("NO_RAZAO");
    ds->SetAutoEdit(false);
    SendKey(edit->Widget(), Qt::Key_X, "x");
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(edit->Text(), "Padaria Estrela");
}

TEST_F(DbGridTest, TextCheckBoxAndLookupControlsFollowTheirFields) {
    auto* text = new TDBText(&form, &form);
    text->SetDataSource(ds);
    text->SetDataField("NO_RAZAO");
    auto* ativo = new TDBCheckBox(&form, &form);
    ativo->SetDataSource(ds);
    ativo->SetDataField("IN_ATIVO");
    ativo->SetValueChecked("S");
    ativo->SetValueUnchecked("N");

    auto* states = new TClientDataSet(&form);
    states->FieldDefs().Add("CO_UF", ftString, 1);
    states->FieldDefs().Add("NO_UF", ftString, 20);
    states->CreateDataSet();
    for (auto [code, name] : {std::pair{"R", "Rio de Janeiro"}, std::pair{"P", "São Paulo"}}) {
        states->Append();
        states->FieldByName("CO_UF")->SetAsString(code);
        states->FieldByName("NO_UF")->SetAsString(name);
        states->Post();
    }
    auto* statesSource = new TDataSource(&form);
    statesSource->SetDataSet(states);
    auto* uf = new TDBLookupComboBox(&form, &form);
    uf->SetListSource(statesSource);
    uf->SetKeyField("CO_UF");
    uf->SetListField("NO_UF");
    uf->SetDataSource(ds);
    uf->SetDataField("IN_ATIVO"); // any one-letter field serves for the test

    EXPECT_EQ(text->Caption(), "Padaria Estrela");
    EXPECT_TRUE(ativo->Checked());
    EXPECT_EQ(uf->Items(), (QStringList{"Rio de Janeiro", "São Paulo"}));
    EXPECT_EQ(uf->ItemIndex(), -1);

    cds->Next();
    EXPECT_EQ(text->Caption(), "Mercado Central");
    EXPECT_FALSE(ativo->Checked());

    ativo->SetChecked(true); // a click: edit state and the field written
    EXPECT_EQ(cds->State(), dsEdit);
    EXPECT_EQ(cds->FieldByName("IN_ATIVO")->AsString(), "S");
    cds->Cancel();
    EXPECT_FALSE(ativo->Checked());

    // Choosing a state writes its key.
    auto* combo = static_cast<QComboBox*>(uf->Widget());
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(cds->FieldByName("IN_ATIVO")->AsString(), "P");
    EXPECT_EQ(uf->KeyValue(), QVariant("P"));
    cds->Cancel();
    EXPECT_EQ(uf->ItemIndex(), -1);
}

TEST_F(DbGridTest, ALookupListOfSeveralFieldsShowsThemAllInEachItem) {
    auto* places = new TClientDataSet(&form);
    places->FieldDefs().Add("CO_LOCALIDADE", ftString, 1);
    places->FieldDefs().Add("NO_LOCALIDADE", ftString, 20);
    places->FieldDefs().Add("SG_UF", ftString, 2);
    places->CreateDataSet();
    for (auto [code, name, state] : {std::tuple{"M", "Manaus", "AM"}, std::tuple{"T", "Tabatinga", "AM"}}) {
        places->Append();
        places->FieldByName("CO_LOCALIDADE")->SetAsString(code);
        places->FieldByName("NO_LOCALIDADE")->SetAsString(name);
        places->FieldByName("SG_UF")->SetAsString(state);
        places->Post();
    }
    auto* placesSource = new TDataSource(&form);
    placesSource->SetDataSet(places);
    auto* place = new TDBLookupComboBox(&form, &form);
    place->SetListSource(placesSource);
    place->SetKeyField("CO_LOCALIDADE");
    place->SetListField("NO_LOCALIDADE;SG_UF");
    place->SetDataSource(ds);
    place->SetDataField("IN_ATIVO");
    EXPECT_EQ(place->Items(), (QStringList{"Manaus - AM", "Tabatinga - AM"}));

    auto* combo = static_cast<QComboBox*>(place->Widget());
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    EXPECT_EQ(cds->FieldByName("IN_ATIVO")->AsString(), "T") << "the key is written, whatever is shown";
    cds->Cancel();
}

TEST_F(DbGridTest, MemoAndComboWriteTheirTextIntoTheField) {
    auto* memo = new TDBMemo(&form, &form);
    memo->SetDataSource(ds);
    memo->SetDataField("NO_RAZAO");
    EXPECT_EQ(memo->Text(), "Padaria Estrela");
    ds->SetAutoEdit(false);
    SendKey(memo->Widget(), Qt::Key_X, "x"); // no edit state, no typing
    EXPECT_EQ(memo->Text(), "Padaria Estrela");
    ds->SetAutoEdit(true);
    SendKey(memo->Widget(), Qt::Key_X, "x");
    EXPECT_EQ(cds->State(), dsEdit);
    cds->Post();
    EXPECT_TRUE(cds->FieldByName("NO_RAZAO")->AsString().contains('x'));

    auto* combo = new TDBComboBox(&form, &form);
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    combo->SetItems({"N", "S"});
    combo->SetDataSource(ds);
    combo->SetDataField("IN_ATIVO");
    EXPECT_EQ(combo->Text(), "S");
    auto* box = static_cast<QComboBox*>(combo->Widget());
    box->setCurrentIndex(0);
    emit box->activated(0);
    EXPECT_EQ(cds->State(), dsEdit);
    EXPECT_EQ(cds->FieldByName("IN_ATIVO")->AsString(), "N");
    cds->Cancel();
    EXPECT_EQ(combo->Text(), "S");
}
