#include "platform/ui/TMaskEdit.h"

#include <QLineEdit>

TMaskEdit::TMaskEdit(TComponent* owner, TWinControl* parent) : TEdit(owner, parent) {}

void TMaskEdit::SetEditMask(const QString& mask) {
    const QString value = Text();
    m_mask = TEditMask(mask);
    SetText(value);
}

QString TMaskEdit::Text() const {
    return m_mask.IsMasked() ? m_mask.ValueOf(EditText()) : EditText();
}

void TMaskEdit::SetText(const QString& text) {
    if (m_mask.IsMasked())
        SetEditText(m_mask.EditTextFor(text));
    else
        TEdit::SetText(text);
}

void TMaskEdit::ValidateEdit() const {
    if (m_mask.IsMasked())
        m_mask.Validate(EditText());
}

bool TMaskEdit::DoKeyDown(int& key, TShiftState shift) {
    if (!TEdit::DoKeyDown(key, shift))
        return false;
    if (!m_mask.IsMasked() || ReadOnly() || (key != Qt::Key_Backspace && key != Qt::Key_Delete))
        return true;
    QString text = EditText();
    int start = SelStart();
    int count = SelLength();
    if (count == 0) {
        if (key == Qt::Key_Backspace) {
            start = m_mask.PriorInputPosition(start);
            if (start < 0)
                return false;
        }
        count = 1;
    }
    m_mask.Clear(text, start, count);
    SetEditText(text);
    SetSelStart(start);
    SetModified(true);
    return false;
}

bool TMaskEdit::DoKeyPress(QChar& key) {
    if (!TEdit::DoKeyPress(key))
        return false;
    if (!m_mask.IsMasked() || ReadOnly() || key.unicode() < 32)
        return true;
    QString text = EditText();
    int cursor = SelStart();
    if (m_mask.TypeChar(text, cursor, key)) {
        SetEditText(text);
        SetSelStart(cursor);
        SetModified(true);
    }
    return false;
}

void TMaskEdit::DoExit() {
    if (Modified()) {
        try {
            ValidateEdit();
        } catch (...) {
            SetFocus();
            throw;
        }
    }
    TEdit::DoExit();
}
