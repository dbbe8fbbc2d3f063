#include "platform/ui/TStatusPanel.h"

#include <QLabel>

TStatusPanel::TStatusPanel(QLabel* label) : m_label(label) {
    SetAlignment(TAlignment::taLeftJustify);
}

QString TStatusPanel::Text() const {
    return m_label->text();
}
void TStatusPanel::SetText(const QString& text) {
    m_label->setText(text);
}
int TStatusPanel::Width() const {
    return m_label->minimumWidth();
}
void TStatusPanel::SetWidth(int width) {
    m_label->setFixedWidth(width);
}

void TStatusPanel::SetAlignment(TAlignment alignment) {
    m_alignment = alignment;
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (alignment == TAlignment::taRightJustify)
        horizontal = Qt::AlignRight;
    else if (alignment == TAlignment::taCenter)
        horizontal = Qt::AlignHCenter;
    m_label->setAlignment(horizontal | Qt::AlignVCenter);
}
