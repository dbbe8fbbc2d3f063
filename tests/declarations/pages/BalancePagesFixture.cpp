#include "tests/declarations/pages/BalancePagesFixture.h"

#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TScreen.h"
#include "platform/ui/TWinControl.h"
#include "tests/support/buttons/ActionButtons.h"

#include <QApplication>
#include <QDir>

BalancePages::BalancePages() : m_linhas(std::make_unique<DeclarationFixture>(*geral->ibDBDef)) {}

BalancePages::~BalancePages() = default;

void BalancePages::Abre(const QString& valores) {
    OpenEditor(Ano, Mes, valores);
    editor->Widget()->activateWindow();
    QApplication::setActiveWindow(editor->Widget());
}

void BalancePages::AbreComLinhas(const QString& valores) {
    Abre(valores);
    m_linhas->FillSmall(1);
}

void BalancePages::Clica(TAction* acao) {
    UserInput::ClickButtonOf(acao, editor->Widget());
}

std::pair<QString, QString> BalancePages::Recusa(TAction* post) {
    const int antes = prompter.Count();
    prompter.Answer(mrOk);
    Clica(post);
    EXPECT_EQ(prompter.Count(), antes + 1) << "one message box";
    return {prompter.Count() > antes ? prompter.Last().Text : QString(), Focado()};
}

QString BalancePages::Focado() {
    QWidget* widget = QApplication::focusWidget();
    for (; widget; widget = widget->parentWidget())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            return widget->objectName();
    return QString();
}

void BalancePages::Foto(int no, const char* nome) {
    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots/pages");
    ASSERT_TRUE(QDir().mkpath(pasta));
    Application->Idle(); // the navigator's buttons as between two events
    Application->ProcessMessages();
    ASSERT_TRUE(
        editor->Widget()->grab().toImage().save(pasta + QStringLiteral("/%1-%2.png").arg(no).arg(nome)));
}
