#pragma once
// A rule of a window failed: its message as an error, the focus back on the
// control the rule is about (when it can take it), and a silent abort
// (EAbort) of what the person was doing.

#include <QString>

class TWinControl;

enum class RefusalFocus {
    Set,    // the control takes the focus
    Return, // the control takes the focus and its text is selected again
};

[[noreturn]] void RefuseAt(const QString& message, TWinControl* control,
                           RefusalFocus focus = RefusalFocus::Set);
