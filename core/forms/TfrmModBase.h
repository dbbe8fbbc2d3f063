#pragma once
// The root of every window of the program: the common font and face colour.

#include "platform/ui/TForm.h"

class TfrmModBase : public TForm {
    Q_OBJECT
public:
    explicit TfrmModBase(TComponent* owner);
};
