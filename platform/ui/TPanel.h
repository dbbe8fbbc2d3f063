#pragma once
// A container with bevels and an optional caption; also used as a value label
// (its caption shows a value, aligned as asked).

#include "platform/ui/TWinControl.h"

class QLabel;

class TPanel : public TWinControl {
    Q_OBJECT
public:
    TPanel(TComponent* owner, TWinControl* parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TBevelCut BevelOuter() const { return m_bevelOuter; }
    void SetBevelOuter(TBevelCut bevel);
    TBevelCut BevelInner() const { return m_bevelInner; }
    void SetBevelInner(TBevelCut bevel);
    int BevelWidth() const { return m_bevelWidth; }
    void SetBevelWidth(int width);

private:
    QLabel* Label() const;
    void UpdateFrame();

    QString m_caption;
    TAlignment m_alignment = TAlignment::taCenter;
    TBevelCut m_bevelOuter = TBevelCut::bvRaised;
    TBevelCut m_bevelInner = TBevelCut::bvNone;
    int m_bevelWidth = 1;
};
