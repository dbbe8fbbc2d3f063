#pragma once
// The printer-setup dialog: the system's print dialog on the current
// printer (Printer()), asked through the prompter, so the user chooses the
// printer and its settings and tests answer it like any other dialog.

#include "platform/base/TComponent.h"

class TPrinterSetupDialog : public TComponent {
public:
    using TComponent::TComponent;

    // True when the user confirmed; the current printer keeps the choices.
    bool Execute();
};
