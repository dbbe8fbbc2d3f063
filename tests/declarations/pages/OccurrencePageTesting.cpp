#include "tests/declarations/pages/OccurrencePageTesting.h"

#include "components/data/TDBComboValues.h"
#include "components/navigation/TfraMidasNavigator.h"
#include "platform/db/TClientDataSet.h"
#include "platform/ui/TAction.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TDBEdit.h"
#include "platform/ui/TDBMemo.h"
#include "platform/ui/TEdit.h"
#include "tests/support/buttons/ActionButtons.h"
#include "tests/support/input/UserInput.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

OccurrencePageTesting::~OccurrencePageTesting() {
    Application->OnModalBegin = nullptr;
}

void OccurrencePageTesting::Clica(TAction* acao) {
    UserInput::ClickButtonOf(acao, editor->Widget());
}

void OccurrencePageTesting::Digita(TWinControl* controle, const QString& texto) {
    UserInput::TypeOver(controle, texto);
    if (texto.isEmpty())
        UserInput::Key(Qt::Key_Delete);
}

void OccurrencePageTesting::Escolhe(OccurrencePage* pagina, const QString& codigo) {
    UserInput::TypeOver(pagina->dbcvCFOPs, codigo);
}

TWinControl* OccurrencePageTesting::Focado(OccurrencePage* pagina) {
    for (QWidget* widget = pagina->Widget()->window()->focusWidget(); widget; widget = widget->parentWidget())
        if (auto* controle = dynamic_cast<TWinControl*>(TControl::ControlOf(widget)))
            return controle;
    return nullptr;
}

testing::AssertionResult OccurrencePageTesting::Recusado(OccurrencePage* pagina, const QString& texto,
                                                         TWinControl* foco, TDataSetState estado) {
    const int antes = prompter.Count();
    prompter.Answer(mrOk);
    Clica(pagina->fraMidasNavigator1->acPost());
    if (prompter.Count() != antes + 1)
        return testing::AssertionFailure() << "no message was shown";
    if (prompter.Last().Text != texto)
        return testing::AssertionFailure() << "shown \"" << prompter.Last().Text.toStdString() << "\", not \""
                                           << texto.toStdString() << "\"";
    if (prompter.Last().Caption != QStringLiteral("Erro"))
        return testing::AssertionFailure() << "shown as " << prompter.Last().Caption.toStdString();
    TWinControl* focado = Focado(pagina);
    if (focado != foco)
        return testing::AssertionFailure()
               << "the focus is on " << (focado ? focado->Name().toStdString() : std::string("nothing"))
               << ", not on " << foco->Name().toStdString();
    if (pagina->DataSet()->State() != estado)
        return testing::AssertionFailure() << "the row left its state";
    return testing::AssertionSuccess();
}

void OccurrencePageTesting::Retrata(const QString& nome) {
    const QString pasta = QStringLiteral(ZEB_BUILD_DIR "/screenshots/pages");
    ASSERT_TRUE(QDir().mkpath(pasta));
    Application->ProcessMessages();
    // The navigator's buttons as the idle loop leaves them.
    Application->Idle();
    Application->ProcessMessages();
    ASSERT_TRUE(editor->Widget()->grab().toImage().save(pasta + QLatin1Char('/') + nome + ".png"));
}
