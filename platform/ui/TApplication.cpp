#include "platform/ui/TApplication.h"

#include "platform/db/EIBError.h"
#include "platform/ui/AccessibleNaming.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TScreen.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <new>

TApplication* Application = nullptr;

namespace {
int g_argc = 1;
char g_name[] = "zeb-icms";
char* g_argv[] = {g_name, nullptr};
} // namespace

TApplication::TApplication() : TApplication(g_argc, g_argv) {}

TApplication::TApplication(int& argc, char** argv) : TComponent(nullptr) {
    if (Application)
        throw EComponentError(QStringLiteral("Only one application object can exist"));
    if (!QApplication::instance())
        m_ownQApp = std::make_unique<QApplication>(argc, argv);
    Setup();
}

void TApplication::Setup() {
    Application = this;
    SetName(QStringLiteral("Application"));
    QApplication::setQuitOnLastWindowClosed(false);
    // The toolkit's own texts (standard buttons, file dialogs, edit menus)
    // read in the program's language.
    m_qtTranslation = std::make_unique<QTranslator>();
    if (m_qtTranslation->load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                              QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_qtTranslation.get());
    m_accessibleNaming = std::make_unique<AccessibleNaming>(nullptr);
    QCoreApplication::instance()->installEventFilter(m_accessibleNaming.get());
    m_promptInstall = std::make_unique<TPrompter::Install>(m_prompter);
    Screen = new TScreen(this);
    Screen->SetName(QStringLiteral("Screen"));
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TApplication::Idle);
}

TApplication::~TApplication() {
    // Forms and data modules go while Qt is still there, last created first.
    while (ComponentCount() > 0)
        delete Components(ComponentCount() - 1);
    Screen = nullptr;
    m_promptInstall.reset();
    QCoreApplication::removeTranslator(m_qtTranslation.get());
    m_accessibleNaming.reset();
    Application = nullptr;
    m_ownQApp.reset();
}

void TApplication::SetTitle(const QString& title) {
    m_title = title;
    QApplication::setApplicationName(title);
}

void TApplication::Created(TComponent* component) {
    auto* form = dynamic_cast<TForm*>(component);
    if (!form)
        return;
    form->AfterConstruction();
    if (!m_mainForm)
        m_mainForm = form;
}

void TApplication::FormDestroyed(TForm* form) {
    if (m_mainForm == form)
        m_mainForm = nullptr;
}

void TApplication::Run() {
    if (m_terminated)
        return;
    if (m_mainForm && m_showMainForm)
        m_mainForm->Show();
    if (m_terminated)
        return;
    m_running = true;
    QApplication::exec();
    m_running = false;
}

void TApplication::Terminate() {
    m_terminated = true;
    if (m_running)
        QApplication::quit();
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Idle() {
    if (m_inIdle)
        return;
    m_inIdle = true;
    SafeCall(this, [this] {
        bool done = true;
        OnIdle(this, done);
        emit IdleUpdate();
    });
    m_inIdle = false;
}

void TApplication::HandleException(TObject* sender) {
    // An interrupted handler must not leave the program looking busy.
    if (Screen)
        Screen->SetCursor(crDefault);
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const Exception& e) {
        if (OnException)
            OnException(sender, e);
        else if (dynamic_cast<const EIBError*>(&e))
            // The engine words its errors in English: the user reads first what failed.
            ShowException(QStringLiteral("O banco de dados não pôde concluir a operação.\n\n") + e.Message());
        else
            ShowException(e.Message());
    } catch (const std::bad_alloc&) {
        ShowException(QStringLiteral("Não há memória suficiente para concluir a operação."));
    } catch (const std::exception& e) {
        ShowException(QStringLiteral("Erro inesperado: %1").arg(QString::fromLocal8Bit(e.what())));
    } catch (...) {
        ShowException(QStringLiteral("Erro inesperado."));
    }
}

void TApplication::ShowException(const QString& message) {
    TPromptRequest request;
    request.Caption = m_title;
    request.Text = message;
    request.Icon = TMsgDlgType::mtError;
    request.Buttons = {TMsgDlgBtn::mbOK};
    try {
        TPrompter::Current().Prompt(request);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n%s\n", qPrintable(message), e.what());
    }
}

bool TApplication::SafeCall(TObject* sender, const std::function<void()>& call) {
    try {
        call();
        return true;
    } catch (...) {
        try {
            HandleException(sender);
        } catch (...) {
            std::fprintf(stderr, "Exception while showing an exception\n");
        }
        return false;
    }
}

int TApplication::MessageBox(const QString& text, const QString& caption, int flags) {
    return TPrompter::Current().Prompt(TPromptRequest::FromMessageBoxFlags(text, caption, flags)).Button;
}
