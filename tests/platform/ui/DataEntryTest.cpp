// Every kind of data-entry control used the way a person uses it: typed into
// when empty, typed over a selection, corrected with Backspace and Delete,
// pasted into, and left with Tab, which stores the text or brings the rule's
// message and the focus back with the text selected. Only keys and clicks.

#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/db/TFieldDefs.h"
#include "platform/ui/TCheckBox.h"
#include "platform/ui/TDBCheckBox.h"
#include "platform/ui/TDBComboBox.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBGrid.h"
#include "platform/ui/TDBLookupComboBox.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TMaskEdit.h"
#include "platform/ui/TRadioGroup.h"
#include "platform/ui/TSpinEdit.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/ScriptedPrompter.h"
#include "tests/support/input/UserInput.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <gtest/gtest.h>

namespace UI = UserInput;

namespace {

// One person's step on a text control and what the field holds after Tab.
struct Passo {
    const char* nome;
    const char* inicial; // the field's value before
    std::function<void(TControl*)> faz;
    const char* gravado;
};

// The steps every text control goes through, with the texts of one kind of field.
std::vector<Passo> PassosDeTexto(const char* vazio, const char* antigo, const char* novo,
                                 const char* semUltimo, const char* semPrimeiro) {
    return {
        {"type into empty", "", [novo](TControl* c) { UI::TypeInto(c, novo); }, novo},
        {"type over a selection", antigo, [novo](TControl* c) { UI::TypeOver(c, novo); }, novo},
        {"Backspace at the end", antigo,
         [](TControl* c) {
             UI::Click(c);
             UI::Key(Qt::Key_End);
             UI::Key(Qt::Key_Backspace);
         },
         semUltimo},
        {"Delete at the start", antigo,
         [](TControl* c) {
             UI::Click(c);
             UI::Key(Qt::Key_Home);
             UI::Key(Qt::Key_Delete);
         },
         semPrimeiro},
        {"Delete over a selection", antigo,
         [](TControl* c) {
             UI::TypeOver(c, "");
             UI::Key(Qt::Key_Delete);
         },
         vazio},
        {"paste over a selection", antigo,
         [novo](TControl* c) {
             UI::TypeOver(c, "");
             UI::Paste(novo);
         },
         novo},
    };
}

// One record of every kind of field, a control under test and, after it in
// the tab order, an edit the focus goes to.
class DataEntryTest : public testing::Test {
protected:
    DataEntryTest() {
        cds = new TClientDataSet(&form);
        cds->FieldDefs().Add("NOME", ftString, 20);
        cds->FieldDefs().Add("FONE", ftString, 8);
        cds->FieldDefs().Add("VALOR", ftCurrency);
        cds->FieldDefs().Add("DATA", ftDate);
        cds->FieldDefs().Add("ATIVO", ftString, 1);
        cds->CreateDataSet();
        cds->FieldByName("FONE")->SetEditMask("9999-9999;0; ");
        cds->Append();
        cds->Post();
        ds = new TDataSource(&form);
        ds->SetDataSet(cds);
        form.SetBounds(0, 0, 400, 300);
    }
    ~DataEntryTest() override {
        if (cds->State() != dsBrowse)
            cds->Cancel();
    }

    // Puts the control on the form, then the edit Tab goes to, and shows them.
    template <class C> C* Poe(C* control) {
        control->SetBounds(10, 10, 200, 60);
        proximo = new TEdit(&form, &form);
        proximo->SetBounds(10, 200, 100, 21);
        form.Show();
        return control;
    }
    template <class C> C* Vinculado(const char* campo) {
        auto* control = Poe(new C(&form, &form));
        control->SetDataSource(ds);
        control->SetDataField(campo);
        return control;
    }
    void Valor(const char* campo, const QString& texto) {
        cds->Edit();
        cds->FieldByName(campo)->SetAsString(texto);
        cds->Post();
    }
    QString Gravado(const char* campo) { return cds->FieldByName(campo)->AsString(); }
    // Typed over, refused when Tab leaves: the message, then the focus back
    // with the text selected, so that the correction replaces it and is stored.
    void Recusa(TControl* control, const char* campo, const QString& recusado, const QString& correcao,
                const QString& gravado) {
        prompter.Answer(mrOk);
        UI::TypeOver(control, recusado);
        UI::Tab();
        ASSERT_EQ(prompter.Count(), 1) << recusado.toStdString() << " is refused with a message";
        EXPECT_TRUE(control->Focused());
        EXPECT_EQ(Selecionado(control->Widget()), recusado);
        UI::Type(correcao);
        UI::Tab();
        EXPECT_EQ(Gravado(campo).trimmed(), gravado);
        EXPECT_TRUE(proximo->Focused());
    }
    // A rule of the field that refuses a text.
    void Regra(const char* campo, const QString& recusado) {
        cds->FieldByName(campo)->OnValidate = TFieldNotifyEvent::fromFunction([recusado](TField* field) {
            if (field->AsString() == recusado)
                throw Exception("Valor recusado");
        });
    }
    // Each step on the control, from the field's first value, then Tab: what the field holds.
    void Percorre(TControl* control, const char* campo, const std::vector<Passo>& passos) {
        for (const Passo& p : passos) {
            Valor(campo, p.inicial);
            p.faz(control);
            UI::Tab();
            EXPECT_EQ(Gravado(campo).trimmed(), QString::fromUtf8(p.gravado)) << p.nome;
            EXPECT_TRUE(proximo->Focused()) << p.nome;
        }
    }

    // The text a line edit, a combo's text part or a memo shows selected.
    static QString Selecionado(QWidget* widget) {
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            widget = combo->lineEdit();
        if (auto* memo = qobject_cast<QPlainTextEdit*>(widget))
            return memo->textCursor().selectedText();
        return static_cast<QLineEdit*>(widget)->selectedText();
    }

    TForm form{nullptr};
    TClientDataSet* cds = nullptr;
    TDataSource* ds = nullptr;
    TEdit* proximo = nullptr;
    ScriptedPrompter prompter;
};

TEST_F(DataEntryTest, EditTakesTypingPasteAndDeletion) {
    auto* edit = Vinculado<TDBEdit>("NOME");
    Percorre(edit, "NOME", PassosDeTexto("", "Padaria", "Mercado", "Padari", "adaria"));
    Regra("NOME", "Xyz");
    Recusa(edit, "NOME", "Xyz", "Padaria", "Padaria");
}

TEST_F(DataEntryTest, MaskedEditReplacesTheSelectionAndNeverLosesATypedDigit) {
    auto* edit = Vinculado<TDBEdit>("FONE");
    Percorre(edit, "FONE", PassosDeTexto("", "32221010", "98765432", "3222101", "2221010"));
    Regra("FONE", "00000000");
    Recusa(edit, "FONE", "0000-0000", "32221010", "32221010");
    // A short entry over a full one clears the rest of the selection.
    Valor("FONE", "32221010");
    UI::TypeOver(edit, "98765");
    EXPECT_EQ(edit->EditText(), "9876-5   ");
    // A click into the blank part puts the caret where the entry goes on.
    UI::Click(edit->Widget(), QPoint(edit->Width() - 4, 10));
    UI::Type("432");
    EXPECT_EQ(edit->EditText(), "9876-5432");
}

TEST_F(DataEntryTest, TheMaskedEditsMenuPastesCutsAndDeletesThroughTheMask) {
    // Chooses an item of the box's own menu, opened with the right button.
    const auto escolhe = [](TMaskEdit* edit, int item) {
        QTimer::singleShot(0, [item] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            QList<QAction*> itens;
            for (QAction* action : menu->actions())
                if (!action->isSeparator())
                    itens << action;
            itens[item]->trigger();
            menu->close();
        });
        auto* caixa = qobject_cast<QLineEdit*>(edit->Widget());
        const QPoint at(4, 4);
        QContextMenuEvent evento(QContextMenuEvent::Mouse, at, caixa->mapToGlobal(at));
        QApplication::sendEvent(caixa, &evento);
    };
    enum { Cut = 2, Paste = 4, Delete = 5 }; // Undo, Redo, Cut, Copy, Paste, Delete, Select All
    auto* edit = Poe(new TMaskEdit(&form, &form));
    edit->SetEditMask("0000-0000;0; ");
    edit->SetText("32221010");
    // Selects `count` positions from `from` with the keys.
    const auto seleciona = [edit](int from, int count) {
        UI::Click(edit);
        UI::Key(Qt::Key_Home);
        for (int i = 0; i < from; ++i)
            UI::Key(Qt::Key_Right);
        for (int i = 0; i < count; ++i)
            UI::Key(Qt::Key_Right, Qt::ShiftModifier);
    };
    seleciona(0, 4);
    QApplication::clipboard()->setText("9876");
    escolhe(edit, Paste);
    EXPECT_EQ(edit->EditText(), "9876-1010");
    seleciona(5, 4);
    escolhe(edit, Cut);
    EXPECT_EQ(edit->EditText(), "9876-    ");
    EXPECT_EQ(QApplication::clipboard()->text(), "1010");
    seleciona(0, 2);
    escolhe(edit, Delete);
    EXPECT_EQ(edit->EditText(), "  76-    ");
}

TEST_F(DataEntryTest, MaskedEditStartsAtItsFirstFreePlace) {
    // Entered in every way, an empty masked edit takes what is typed from its start.
    const std::vector<std::pair<const char*, std::function<void(TMaskEdit*)>>> entradas = {
        {"click", [](TMaskEdit* e) { UI::Click(e->Widget(), QPoint(e->Width() - 4, 10)); }},
        {"Tab",
         [this](TMaskEdit*) {
             UI::Click(proximo);
             UI::ShiftTab();
         }},
        {"End",
         [](TMaskEdit* e) {
             UI::Click(e);
             UI::Key(Qt::Key_End);
         }},
    };
    auto* edit = Poe(new TMaskEdit(&form, &form));
    edit->SetEditMask("99.999.999;0; ");
    for (const auto& [nome, entra] : entradas) {
        edit->SetText("");
        entra(edit);
        UI::Type("12345674");
        EXPECT_EQ(edit->Text(), "12345674") << nome;
    }
    // A character that fits nowhere changes nothing.
    UI::Type("9");
    EXPECT_EQ(edit->Text(), "12345674");
}

TEST_F(DataEntryTest, AHalfTypedMaskedEditIsRefusedInPortugueseAndKeepsTheFocus) {
    auto* edit = Poe(new TMaskEdit(&form, &form));
    edit->SetEditMask("00.000.000;0; ");
    prompter.Answer(mrOk);
    UI::TypeInto(edit, "1999");
    UI::Tab();
    ASSERT_EQ(prompter.Count(), 1);
    EXPECT_EQ(prompter.Last().Text,
              "Valor inválido. Complete o campo ou use a tecla Esc para abandonar as alterações.");
    EXPECT_TRUE(edit->Focused());
}

TEST_F(DataEntryTest, MoneyEditRefusesTheExponentAndKeepsTheFocusOnARefusal) {
    auto* edit = Vinculado<TDBEdit>("VALOR");
    cds->FieldByName("VALOR")->OnValidate = TFieldNotifyEvent::fromFunction([](TField* field) {
        if (!field->IsNull() && field->AsCurrency() <= Currency())
            throw Exception("O valor deve ser maior que zero");
    });
    Percorre(edit, "VALOR", PassosDeTexto("", "12,34", "567,89", "12,3", "2,34"));
    // The letter E, in either case, is no exponent here.
    Valor("VALOR", "1");
    UI::TypeOver(edit, "1e2E3");
    UI::Tab();
    EXPECT_EQ(Gravado("VALOR"), "123");

    Recusa(edit, "VALOR", "0,00", "8000,00", "8000");
    EXPECT_EQ(prompter.Last().Text, "O valor deve ser maior que zero");
}

TEST_F(DataEntryTest, DateEditTakesTypingAndRefusesANonDate) {
    auto* edit = Vinculado<TDBEdit>("DATA");
    // (A date cut short by Backspace or Delete is still a date, of another year or day.)
    std::vector<Passo> passos = PassosDeTexto("", "15/01/2011", "28/02/2011", "", "");
    std::erase_if(passos,
                  [](const Passo& p) { return std::string(p.nome).find("at the") != std::string::npos; });
    Percorre(edit, "DATA", passos);
    Recusa(edit, "DATA", "31/02/2011", "28/02/2011", "28/02/2011");
}

TEST_F(DataEntryTest, MemoTakesTypingPasteAndDeletionAndTabLeavesIt) {
    auto* memo = Vinculado<TDBMemo>("NOME");
    Percorre(memo, "NOME", PassosDeTexto("", "Padaria", "Mercado", "Padari", "adaria"));
    Regra("NOME", "Xyz");
    Recusa(memo, "NOME", "Xyz", "Padaria", "Padaria");
}

TEST_F(DataEntryTest, ComboTakesATypedOrAChosenItem) {
    auto* combo = Vinculado<TDBComboBox>("NOME");
    combo->SetItems({"Mensal", "Anual"});
    Percorre(combo, "NOME", PassosDeTexto("", "Mensal", "Anual", "Mensa", "ensal"));
    Regra("NOME", "Xyz");
    Recusa(combo, "NOME", "Xyz", "Anual", "Anual");
    UI::ChooseFromDropDown(combo, "Mensal");
    UI::Tab();
    EXPECT_EQ(Gravado("NOME"), "Mensal");
}

TEST_F(DataEntryTest, LookupComboChoosesByTypingAndFromTheList) {
    auto* lista = new TClientDataSet(&form);
    lista->FieldDefs().Add("SG_UF", ftString, 2);
    lista->FieldDefs().Add("NO_UF", ftString, 20);
    lista->CreateDataSet();
    for (const auto& [sigla, nome] : {std::pair{"PA", "Pará"}, {"PB", "Paraíba"}, {"RJ", "Rio de Janeiro"}}) {
        lista->Append();
        lista->FieldByName("SG_UF")->SetAsString(sigla);
        lista->FieldByName("NO_UF")->SetAsString(nome);
        lista->Post();
    }
    auto* fonte = new TDataSource(&form);
    fonte->SetDataSet(lista);
    auto* combo = Poe(new TDBLookupComboBox(&form, &form));
    combo->SetListSource(fonte);
    combo->SetKeyField("SG_UF");
    combo->SetListField("NO_UF");
    combo->SetDataSource(ds);
    combo->SetDataField("NOME");
    UI::ChooseFromDropDown(combo, "Paraíba");
    UI::Tab();
    EXPECT_EQ(Gravado("NOME"), "PB");
    UI::Click(proximo);
    UI::ShiftTab();
    UI::Type("R");
    UI::Tab();
    EXPECT_EQ(Gravado("NOME"), "RJ");
}

TEST_F(DataEntryTest, CheckBoxTicksAndUnticksWithAClickAndWithSpace) {
    auto* box = Vinculado<TDBCheckBox>("ATIVO");
    box->SetValueChecked("S");
    box->SetValueUnchecked("N");
    const std::vector<std::tuple<const char*, const char*, std::function<void()>, const char*>> passos = {
        {"click ticks", "N", [box] { UI::Click(box); }, "S"},
        {"click unticks", "S", [box] { UI::Click(box); }, "N"},
        {"Space ticks", "N", [] { UI::Space(); }, "S"},
        {"Space unticks", "S", [] { UI::Space(); }, "N"},
        {"an empty field ticks", "", [box] { UI::Click(box); }, "S"},
    };
    for (const auto& [nome, inicial, faz, gravado] : passos) {
        Valor("ATIVO", inicial);
        box->SetFocus();
        faz();
        EXPECT_EQ(Gravado("ATIVO"), QString::fromUtf8(gravado)) << nome;
        EXPECT_NE(box->State(), TCheckBoxState::cbGrayed) << nome;
    }
}

TEST_F(DataEntryTest, RadioGroupChoosesByClickAndArrow) {
    auto* grupo = Poe(new TRadioGroup(&form, &form));
    grupo->SetItems({"Mensal", "Anual", "Eventual"});
    auto botoes = grupo->Widget()->findChildren<QRadioButton*>();
    ASSERT_EQ(botoes.size(), 3);
    UI::Click(botoes[1]);
    EXPECT_EQ(grupo->ItemIndex(), 1);
    UI::Key(Qt::Key_Down);
    EXPECT_EQ(grupo->ItemIndex(), 2);
}

TEST_F(DataEntryTest, SpinEditTakesTypingArrowsAndPaste) {
    auto* spin = Poe(new TSpinEdit(&form, &form));
    spin->SetMinValue(1);
    spin->SetMaxValue(12);
    const std::vector<std::tuple<const char*, std::function<void()>, int>> passos = {
        {"type into empty", [spin] { UI::TypeOver(spin, "7"); }, 7},
        {"type over a selection", [spin] { UI::TypeOver(spin, "11"); }, 11},
        {"Backspace",
         [] {
             UI::Key(Qt::Key_End);
             UI::Key(Qt::Key_Backspace);
         },
         1},
        {"arrow up", [] { UI::Key(Qt::Key_Up); }, 2},
        {"paste",
         [spin] {
             UI::TypeOver(spin, "");
             UI::Paste("9");
         },
         9},
    };
    for (const auto& [nome, faz, valor] : passos) {
        faz();
        EXPECT_EQ(spin->Value(), valor) << nome;
    }
    UI::Tab();
    EXPECT_TRUE(proximo->Focused());
}

} // namespace
