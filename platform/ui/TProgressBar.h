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
    int Step() const { return m_step; }
    void SetStep(int step) { m_step = step; }
    void StepIt() { SetPosition(Position() + m_step); }

private:
    QProgressBar* Bar() const;
    int m_step = 10;
};
