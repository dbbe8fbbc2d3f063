#include "platform/ui/TFrame.h"

TFrame::TFrame(TComponent* owner, TWinControl* parent) : TWinControl(owner, new QWidget) {
    SetBounds(0, 0, 320, 240);
    SetParent(parent);
}
