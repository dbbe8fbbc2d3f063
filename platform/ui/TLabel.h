#pragma once
// A text on a form. With AutoSize on it takes the size of its caption.

#include "platform/ui/TControl.h"

class QLabel;

class TLabel : public TControl {
    Q_OBJECT
public:
    TLabel(TComponent* owner, TWinControl* parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool WordWrap() const;
    void SetWordWrap(bool wrap);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    void SetColor(const QColor& color) override;

private:
    QLabel* Label() const;
    void Fit();

    QString m_caption;
    TAlignment m_alignment = TAlignment::taLeftJustify;
    bool m_autoSize = true;
    bool m_transparent = false;
};
