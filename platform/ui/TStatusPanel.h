#pragma once
// One panel of a status bar: a text in a fixed width.

#include "platform/ui/UiTypes.h"

#include <QString>

class QLabel;

class TStatusPanel {
public:
    explicit TStatusPanel(QLabel* label);

    QString Text() const;
    void SetText(const QString& text);
    int Width() const;
    void SetWidth(int width);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

private:
    QLabel* m_label;
    TAlignment m_alignment = TAlignment::taLeftJustify;
};
