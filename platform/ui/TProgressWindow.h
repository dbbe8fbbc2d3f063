#pragma once
// A small window shown during long work: a text, a gauge and, when the
// caller allows it, a Cancel button. The work calls Progress now and then,
// which lets pending messages run (so Cancel can be pressed) and tells
// whether to go on.

#include "platform/ui/TForm.h"

class TButton;
class TLabel;
class TProgressBar;

class TProgressWindow : public TForm {
    Q_OBJECT
public:
    TProgressWindow(TComponent* owner, const QString& caption, bool allowCancel);

    void SetText(const QString& text);
    QString Text() const;
    void SetMax(int max);
    int Position() const;
    // Moves the gauge and lets messages run; false once Cancel was pressed.
    bool Progress(int position);
    bool Cancelled() const { return m_cancelled; }
    // Marks the work cancelled, as the Cancel button does.
    void Cancel() { m_cancelled = true; }

    TLabel* lblMensagem;
    TProgressBar* pbProgresso;
    TButton* btnCancelar;

private:
    bool m_cancelled = false;
};
