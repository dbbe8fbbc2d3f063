#include "platform/ui/TProgressBar.h"

#include <QProgressBar>

TProgressBar::TProgressBar(TComponent* owner, TWinControl* parent) : TWinControl(owner, new QProgressBar) {
    Bar()->setRange(0, 100);
    Bar()->setValue(0);
    SetBounds(0, 0, 150, 16);
    SetParent(parent);
}

QProgressBar* TProgressBar::Bar() const {
    return static_cast<QProgressBar*>(Widget());
}

int TProgressBar::Min() const {
    return Bar()->minimum();
}
void TProgressBar::SetMin(int min) {
    Bar()->setMinimum(min);
}
int TProgressBar::Max() const {
    return Bar()->maximum();
}
void TProgressBar::SetMax(int max) {
    Bar()->setMaximum(max);
}
int TProgressBar::Position() const {
    return Bar()->value();
}
void TProgressBar::SetPosition(int position) {
    Bar()->setValue(std::clamp(position, Min(), Max()));
}
