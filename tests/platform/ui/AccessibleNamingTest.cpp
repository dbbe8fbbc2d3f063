// The names a screen reader reads for the controls of a form, from the
// captions a person reads beside them.
#include "platform/ui/TComboBox.h"
#include "platform/ui/TEdit.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TGroupBox.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TMemo.h"
#include "platform/ui/TSpeedButton.h"
#include "tests/support/application/AccessibilityCheck.h"
#include "tests/support/input/UserInput.h"

#include <QAccessibleInterface>
#include <QApplication>
#include <gtest/gtest.h>

namespace {

TLabel* Rotulo(TForm& form, TWinControl* parent, const QString& caption, int left, int top) {
    auto* label = new TLabel(&form, parent);
    label->SetCaption(caption);
    label->SetLeft(left);
    label->SetTop(top);
    return label;
}

TEdit* Campo(TForm& form, TWinControl* parent, int left, int top) {
    auto* edit = new TEdit(&form, parent);
    edit->SetBounds(left, top, 120, 21);
    return edit;
}

} // namespace

TEST(AccessibleNamingTest, ControlsTakeTheCaptionsAPersonReadsBesideThem) {
    TForm form(nullptr);
    form.SetCaption("Parâmetros");
    form.SetBounds(0, 0, 520, 420);
    Rotulo(form, &form, "&Valor máximo:", 8, 12);
    TEdit* aDireita = Campo(form, &form, 120, 10);
    Rotulo(form, &form, "Observação", 8, 44);
    TEdit* abaixo = Campo(form, &form, 8, 60);
    TEdit* semRotulo = Campo(form, &form, 8, 100);
    Rotulo(form, &form, "Depois", 132, 102); // on its right: names nothing
    auto* grupo = new TGroupBox(&form, &form);
    grupo->SetCaption("Totais");
    grupo->SetBounds(8, 140, 300, 80);
    TEdit* noGrupo = Campo(form, grupo, 10, 30);
    auto* proximo = new TSpeedButton(&form, &form);
    proximo->SetBounds(8, 240, 24, 24);
    proximo->SetHint("Próximo registro");
    auto* texto = new TMemo(&form, &form);
    texto->SetBounds(8, 280, 300, 60);
    texto->SetReadOnly(true);
    Rotulo(form, &form, "Ocorrência:", 8, 352);
    auto* ocorrencia = new TComboBox(&form, &form);
    ocorrencia->SetBounds(120, 350, 120, 21);
    form.Show();
    QApplication::processEvents();
    // A combo box and its text part read as its label, not as what it holds.
    UserInput::TypeInto(ocorrencia, "5.102");
    QAccessibleInterface* caixa = QAccessible::queryAccessibleInterface(UserInput::Focused());
    EXPECT_EQ(caixa->text(QAccessible::Name) + " " + caixa->text(QAccessible::Value), "Ocorrência 5.102");
    EXPECT_EQ(caixa->focusChild()->text(QAccessible::Name), "Ocorrência");

    const std::pair<TControl*, QString> esperados[] = {
        {aDireita, "Valor máximo"}, {abaixo, "Observação"},        {semRotulo, ""},
        {noGrupo, "Totais"},        {proximo, "Próximo registro"}, {texto, "Parâmetros"},
    };
    for (const auto& [controle, nome] : esperados)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(controle->Widget())->text(QAccessible::Name), nome)
            << nome.toStdString();
    EXPECT_EQ(UnnamedControls(form.Widget()), QStringList{" (QLineEdit)"});
    EXPECT_EQ(RoleOf(form.Widget()), QAccessible::Window);
}
