#pragma once
// What a prompt asks of the user: a message box with buttons, a file or
// folder choice, or a window to work in until it closes (a report preview, a
// print dialog). Plain data, so that code without widgets can describe the
// prompt and tests can read back what was asked.

#include <QString>
#include <optional>
#include <vector>

// The answer of a modal window or a message box.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;

enum class TPromptKind { pkMessage, pkOpenFile, pkSaveFile, pkFolder, pkWindow };

class QObject;

// The icon of a message box.
enum class TMsgDlgType { mtNone, mtInformation, mtWarning, mtError, mtConfirmation };

enum class TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore };

struct TPromptRequest {
    TPromptKind Kind = TPromptKind::pkMessage;
    QString Caption;
    QString Text;
    TMsgDlgType Icon = TMsgDlgType::mtNone;
    std::vector<TMsgDlgBtn> Buttons; // in the order shown
    std::optional<TMsgDlgBtn> DefaultButton;
    // System-modal and topmost: the box stays above every window.
    bool SystemModal = false;
    // File and folder choices.
    QString Filter; // "Description|*.ext|Other|*.a;*.b"
    QString DefaultExt;
    QString FileName;
    QString InitialDir;
    bool OverwritePrompt = false;
    // The entry of Filter chosen at first, counting from 1.
    int FilterIndex = 1;
    // pkWindow: the window (a QWidget; a QDialog runs as a dialog). The
    // program's prompter shows it and returns when it is closed, hidden or
    // gone; tests' answers drive it and close it.
    QObject* Window = nullptr;

    // A message box described by the Windows MessageBox flag word the
    // program's message routines are written with: button set (low nibble),
    // icon (0x10 error, 0x20 question, 0x30 exclamation, 0x40 information),
    // default button (0x100 second, 0x200 third), 0x1000 system-modal and
    // 0x40000 topmost.
    static TPromptRequest FromMessageBoxFlags(const QString& text, const QString& caption, int flags);
};

// The modal result a button answers with.
TModalResult ModalResultOf(TMsgDlgBtn button);

// What the user answered: the button pressed, and for file and folder
// choices the chosen path (empty when cancelled) and the entry of the filter
// in force (counting from 1; 0 when unknown). A window answers mrOk when it
// was accepted, else mrCancel.
struct TPromptResult {
    TModalResult Button = mrNone;
    QString Path;
    int FilterIndex = 0;
};
