#pragma once
// A progress gauge from Min to Max.

#include "platform/ui/TWinControl.h"

class QProgressBar;

class TProgressBar : public TWinControl {
    Q_OBJECT
public:
    TProgressBar(TComponent* owner, TWinControl* parent = nullptr);

    int Min() const;
    void SetMin(int min);
    int Max() const;
    void SetMax(int max);
    int Position() const;
    void SetPosition(int position);

private:
    QProgressBar* Bar() const;
};
