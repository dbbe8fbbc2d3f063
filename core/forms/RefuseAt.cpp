#include "core/forms/RefuseAt.h"

#include "core/util/MessageBoxes.h"
#include "platform/base/Exceptions.h"
#include "platform/ui/TWinControl.h"

void RefuseAt(const QString& message, TWinControl* control, RefusalFocus focus) {
    MsgErro(message);
    if (control && control->CanFocus()) {
        if (focus == RefusalFocus::Return)
            control->ReturnFocus();
        else
            control->SetFocus();
    }
    Abort();
}
