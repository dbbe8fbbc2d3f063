#include "core/maintenance/TIBRepair.h"

#include "core/util/FileRoutines.h"
#include "platform/db/EIBError.h"
#include "platform/db/TIBDatabase.h"
#include "platform/db/TIBValidationService.h"
#include "platform/os/AppFolders.h"
#include "platform/ui/ShowMessage.h"
#include "platform/ui/TApplication.h"
#include "platform/ui/TForm.h"
#include "platform/ui/TLabel.h"
#include "platform/ui/TProgressBar.h"
#include "platform/ui/TStatusBar.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QFont>
#include <QThread>
#include <algorithm>

const QString TIBRepair::DefaultDescription =
    QStringLiteral("Componente que Repara um Banco de Dados do Interbase(.GDB) Corrompido.");
const QString TIBRepair::DefaultVersion = QStringLiteral("2.0.0");
const QString TIBRepair::SuccessText =
    QStringLiteral("O reparador do Interbase para a base de dados foi executado com sucesso!");
const QString TIBRepair::NotSelectedText = QStringLiteral("GDB não selecionado");

namespace {

constexpr int WindowWidth = 450;
constexpr int WindowHeight = 100;
constexpr int InitialWait = 500;
constexpr int WaitStep = 50;
constexpr int FinalWait = 3000;
constexpr int InitialProgress = 10;
constexpr int ServiceProgress = 20;
constexpr int ProgressStep = 10;
constexpr int TotalProgress = 100;

QFont BoldFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(10);
    font.setBold(true);
    return font;
}

} // namespace

TIBRepair::TIBRepair(TComponent* owner) : TComponent(owner), m_service(new TIBValidationService(this)) {
    m_service->SetName(QStringLiteral("ibValidation"));
}

TIBRepair::~TIBRepair() = default;

void TIBRepair::SetIBDatabase(TIBDatabase* database) {
    if (m_database)
        m_database->RemoveFreeNotification(this);
    m_database = database;
    if (m_database)
        m_database->FreeNotification(this);
}

void TIBRepair::SetStatusBar(TStatusBar* statusBar) {
    if (m_statusBar)
        m_statusBar->RemoveFreeNotification(this);
    m_statusBar = statusBar;
    if (m_statusBar)
        m_statusBar->FreeNotification(this);
}

void TIBRepair::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove)
        return;
    if (component == m_database)
        m_database = nullptr;
    if (component == m_statusBar)
        m_statusBar = nullptr;
    if (component == m_window) {
        m_window = nullptr;
        m_label = nullptr;
        m_gauge = nullptr;
    }
}

QString TIBRepair::Resolve(const QString& file) const {
    if (file.isEmpty() || QFileInfo(file).isAbsolute())
        return file;
    return JuntaCaminho(m_programFolder.isEmpty() ? AppFolders::ExecutableFolder() : m_programFolder, file);
}

void TIBRepair::SetGDBFile(const QString& file) {
    const QString path = Resolve(file);
    if (!path.isEmpty() && path != m_gdbFile && QFileInfo(path).isFile())
        m_gdbFile = path;
}

void TIBRepair::BuildWindow() {
    m_window = new TForm(this);
    m_window->SetName(QStringLiteral("frm_") + Name());
    m_window->SetBorderStyle(TFormBorderStyle::bsToolWindow);
    m_window->SetBorderIcons({});
    m_window->SetKeyPreview(true);
    m_window->SetCaption(QStringLiteral("  ") + (Application ? Application->Title() : QString()));
    m_window->SetPosition(TPosition::poMainFormCenter);
    m_window->SetClientWidth(WindowWidth);
    m_window->SetClientHeight(WindowHeight);
    m_window->Widget()->setWindowFlag(Qt::WindowStaysOnTopHint);
    m_window->OnCloseQuery =
        TCloseQueryEvent::fromFunction([](TObject*, bool& canClose) { canClose = false; });
    m_window->FreeNotification(this);
    m_label = new TLabel(m_window, m_window);
    m_label->SetName(QStringLiteral("lblStatus"));
    m_label->SetAutoSize(false);
    m_label->SetWordWrap(true);
    m_label->SetTransparent(true);
    m_label->SetFont(BoldFont());
    m_label->SetBounds(5, 0, WindowWidth - 16, 35);
    m_gauge = new TProgressBar(m_window, m_window);
    m_gauge->SetName(QStringLiteral("ggProgresso"));
    m_gauge->SetBounds(5, 45, WindowWidth - 16, 20);
    m_gauge->SetMin(0);
    m_gauge->SetMax(TotalProgress);
}

void TIBRepair::SetProgresso(int percent) {
    if (percent <= 0) {
        if (m_window)
            m_window->Hide();
        if (m_gauge)
            m_gauge->SetPosition(0);
        return;
    }
    if (!m_window)
        BuildWindow();
    m_gauge->SetPosition(std::min(percent, TotalProgress));
    if (!m_window->Visible())
        m_window->Show();
    m_window->Repaint();
}

void TIBRepair::SetStatus(const QString& text) {
    m_status = text;
    if (m_label)
        m_label->SetCaption(text);
    if (m_statusBar) {
        // The status bar has one line: the text's lines follow each other on it.
        m_statusBar->SetSimplePanel(!text.isEmpty());
        m_statusBar->SetSimpleText(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
}

void TIBRepair::Wait(int ms) {
    if (WaitOverride) {
        WaitOverride(ms);
        return;
    }
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        if (Application)
            Application->ProcessMessages();
        QThread::msleep(10);
    }
}

QString TIBRepair::RunService() {
    struct Detach {
        TIBValidationService* service;
        ~Detach() {
            try {
                service->Detach();
            } catch (const Exception&) {
                // The attachment is gone either way.
            }
        }
    } detach{m_service};
    m_service->SetParams({QStringLiteral("user_name=SYSDBA"), QStringLiteral("password=tulipcord")});
    m_service->SetLoginPrompt(false);
    m_service->SetDatabaseName(m_gdbFile);
    // Mending writes to the file, so the read-only check option (which the
    // engine refuses together with it) is not asked for.
    m_service->SetOptions(TIBValidationService::MendDB | TIBValidationService::IgnoreChecksum |
                          TIBValidationService::KillShadows);
    m_service->Attach();
    QStringList findings;
    try {
        m_service->ServiceStart();
        SetProgresso(ServiceProgress);
        while (!m_service->Eof()) {
            const QString line = m_service->GetNextLine();
            if (!m_service->Eof())
                findings << line;
        }
    } catch (const EIBError& e) {
        // The engine reports what it found (and could not mend) as an error,
        // once the task is over: after the lines it gave before.
        findings << e.Message();
    }
    for (int percent = ServiceProgress + ProgressStep; percent <= TotalProgress; percent += ProgressStep) {
        SetProgresso(percent);
        Wait(WaitStep);
    }
    return findings.join(QLatin1Char('\n')).trimmed();
}

QString TIBRepair::Executa() {
    QString result;
    bool ran = false;
    bool clean = false;
    bool reconnect = false;
    if (OnInitialization)
        OnInitialization(this);
    try {
        if (m_gdbFile.isEmpty() && m_database)
            SetGDBFile(m_database->DatabaseName());
        if (m_gdbFile.isEmpty()) {
            result = NotSelectedText;
        } else {
            SetStatus(QStringLiteral("Inicializando recuperação..."));
            SetProgresso(InitialProgress);
            if (auto* janela = dynamic_cast<TControl*>(Owner()))
                janela->SetEnabled(false);
            Wait(InitialWait);
            if (m_database && m_database->Connected()) {
                m_database->Close();
                reconnect = true;
            }
            SetStatus(QStringLiteral("Executando a reparação da base de dados...\nAguarde..."));
            const QString findings = RunService();
            ran = true;
            clean = findings.isEmpty();
            SetStatus(QStringLiteral("A reparação da base de dados está sendo concluída...\nAguarde..."));
            SetProgresso(TotalProgress);
            if (!clean)
                result =
                    QStringLiteral("O reparador do Interbase encontrou problemas na base de dados:\n\n") +
                    findings +
                    QStringLiteral("\n\nSe o problema persistir, utilize o último backup confiável!");
        }
    } catch (const Exception& e) {
        result = e.Message();
    } catch (...) {
        Finish(false, ran, reconnect);
        throw;
    }
    Finish(clean, ran, reconnect);
    return result;
}

void TIBRepair::Finish(bool clean, bool ran, bool reconnect) {
    if (auto* janela = dynamic_cast<TControl*>(Owner())) {
        janela->SetEnabled(true);
        janela->BringToFront();
    }
    if (OnFinalization)
        OnFinalization(this);
    if (clean) {
        SetStatus(SuccessText);
        ShowMessage(SuccessText +
                    QStringLiteral("\nSe o problema persistir, utilize o último backup confiável!"));
    }
    const bool encerra = ran && m_finalizarAplicacao;
    if (encerra) {
        SetStatus(QStringLiteral("A aplicação \"") + (Application ? Application->Title() : QString()) +
                  QStringLiteral("\" está sendo finalizada!\nAguarde..."));
        if (m_window)
            m_window->Repaint();
        Wait(FinalWait);
        if (EndApplication)
            EndApplication();
        else if (Application)
            Application->Terminate();
    }
    SetStatus(QString());
    SetProgresso(0);
    if (reconnect && !encerra && m_database && !m_database->Connected())
        m_database->Open();
}
