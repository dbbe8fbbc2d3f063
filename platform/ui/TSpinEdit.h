#pragma once
// A number box with up and down arrows. The arrows step by Increment within
// MinValue..MaxValue (no limit when both are equal); typed text is taken as
// it stands, so a handler of OnChange sees what was typed and may correct it.
// Value reads the text as an integer (MinValue when it is none). With
// EditorEnabled off the number can only be changed by the arrows.

#include "platform/ui/TWinControl.h"

class QSpinBox;

class TSpinEdit : public TWinControl {
    Q_OBJECT
public:
    TSpinEdit(TComponent* owner, TWinControl* parent = nullptr);

    int MinValue() const { return m_minValue; }
    void SetMinValue(int value);
    int MaxValue() const { return m_maxValue; }
    void SetMaxValue(int value);
    int Increment() const { return m_increment; }
    void SetIncrement(int increment);
    bool EditorEnabled() const { return m_editorEnabled; }
    void SetEditorEnabled(bool enabled);

    int Value() const;
    // Kept within MinValue..MaxValue when they differ.
    void SetValue(int value);
    QString Text() const;
    // As if typed: no limit applies.
    void SetText(const QString& text);

    // Runs on every change of the text, by the user or by code.
    TNotifyEvent OnChange;

private:
    QSpinBox* Spin() const;
    bool Limited() const { return m_minValue != m_maxValue; }

    int m_minValue = 0;
    int m_maxValue = 0;
    int m_increment = 1;
    bool m_editorEnabled = true;
};
