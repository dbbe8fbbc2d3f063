#pragma once
// The application object: title, forms created in order (the first form is
// the main form), the message loop, idle processing and the default display
// of exceptions. One instance exists while the program runs; `Application`
// points at it.

#include "platform/base/TComponent.h"
#include "platform/base/TEvent.h"
#include "platform/ui/TQtPrompter.h"

#include <functional>
#include <memory>

class AccessibleNaming;
class QApplication;
class QTranslator;
class TForm;
class TScreen;

class TApplication : public TComponent {
    Q_OBJECT
public:
    // Creates the Qt application object too when none exists yet.
    TApplication();
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title);

    void Initialize() {}

    // Creates a form or data module owned by the application. The first form
    // created becomes the main form.
    template <class T, class... Args> T* CreateForm(Args&&... args) {
        std::unique_ptr<T> instance(new T(this, std::forward<Args>(args)...));
        Created(instance.get());
        return instance.release();
    }

    TForm* MainForm() const { return m_mainForm; }
    bool ShowMainForm() const { return m_showMainForm; }
    void SetShowMainForm(bool show) { m_showMainForm = show; }

    // Shows the main form and runs the message loop until Terminate. After a
    // Terminate (also one before Run) it returns at once.
    void Run();
    void Terminate();
    bool Terminated() const { return m_terminated; }
    void ProcessMessages();

    // Idle processing: OnIdle, then the update of every action list. Runs
    // whenever the message loop is about to wait.
    void Idle();

    // Shows the exception being handled (call from a catch block): nothing
    // for EAbort, else OnException when assigned, else a box with its message
    // (an engine error under a Portuguese line saying the database failed;
    // an exception of the standard library as an unexpected error).
    void HandleException(TObject* sender);
    void ShowException(const QString& message);
    // Runs `call`; an exception is handled as above. False when one was raised.
    bool SafeCall(TObject* sender, const std::function<void()>& call);

    // A message box through the prompter, with Windows MessageBox flags.
    int MessageBox(const QString& text, const QString& caption, int flags);

    TEvent<TObject*, const Exception&> OnException;
    TEvent<TObject*, bool&> OnIdle; // bool: done
    // Sender is the form being shown modally; a handler may set its
    // ModalResult, which closes it without entering the modal loop.
    TNotifyEvent OnModalBegin;
    TNotifyEvent OnModalEnd;

    // Called by TForm.
    void FormDestroyed(TForm* form);

signals:
    void IdleUpdate();

private:
    void Setup();
    void Created(TComponent* component);

    std::unique_ptr<QApplication> m_ownQApp;
    std::unique_ptr<QTranslator> m_qtTranslation;
    std::unique_ptr<AccessibleNaming> m_accessibleNaming;
    TQtPrompter m_prompter;
    std::unique_ptr<TPrompter::Install> m_promptInstall;
    QString m_title;
    TForm* m_mainForm = nullptr;
    bool m_showMainForm = true;
    bool m_terminated = false;
    bool m_running = false;
    bool m_inIdle = false;
};

extern TApplication* Application;
