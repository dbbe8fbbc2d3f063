#pragma once
// A framed group of controls with a caption.

#include "platform/ui/TWinControl.h"

class TGroupBox : public TWinControl {
    Q_OBJECT
public:
    TGroupBox(TComponent* owner, TWinControl* parent = nullptr);

    QString Caption() const;
    void SetCaption(const QString& caption);
};
