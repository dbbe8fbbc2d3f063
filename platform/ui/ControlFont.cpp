#include "platform/ui/ControlFont.h"

#include "platform/ui/TControl.h"

void SetBold(TControl* control) {
    QFont font = control->Font();
    font.setBold(true);
    control->SetFont(font);
}
