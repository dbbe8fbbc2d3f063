#include "platform/ui/TGroupBox.h"

#include <QFontMetrics>
#include <QGroupBox>

TGroupBox::TGroupBox(TComponent* owner, TWinControl* parent) : TWinControl(owner, new QGroupBox) {
    // Aligned children start below the caption.
    const int title = QFontMetrics(Widget()->font()).height();
    Widget()->setContentsMargins(2, title, 2, 2);
    SetBounds(0, 0, 185, 105);
    SetParent(parent);
}

QString TGroupBox::Caption() const {
    return static_cast<QGroupBox*>(Widget())->title();
}

void TGroupBox::SetCaption(const QString& caption) {
    static_cast<QGroupBox*>(Widget())->setTitle(caption);
}
