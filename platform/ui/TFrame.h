#pragma once
// A reusable group of controls placed on forms like a single control.

#include "platform/ui/TWinControl.h"

class TFrame : public TWinControl {
    Q_OBJECT
public:
    TFrame(TComponent* owner, TWinControl* parent = nullptr);
};
