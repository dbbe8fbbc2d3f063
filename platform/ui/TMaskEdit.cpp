#include "platform/ui/TMaskEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

TMaskEdit::TMaskEdit(TComponent* owner, TWinControl* parent) : TEdit(owner, parent) {
    // The caret never stands past the entered text: what is typed there would have no room.
    connect(Edit(), &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
        if (!m_mask.IsMasked() || Edit()->hasSelectedText())
            return;
        const int end = m_mask.EndOfText(EditText());
        if (position > end)
            Edit()->setCursorPosition(end);
    });
}

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
    if (!m_mask.IsMasked() || ReadOnly())
        return true;
    if (key == Qt::Key_End && !(shift & Qt::ShiftModifier)) {
        SetSelStart(m_mask.EndOfText(EditText()));
        return false;
    }
    const bool control = shift & Qt::ControlModifier;
    if ((control && key == Qt::Key_V) || ((shift & Qt::ShiftModifier) && key == Qt::Key_Insert)) {
        if (CanType())
            TypeText(QApplication::clipboard()->text());
        return false;
    }
    const bool cut = (control && key == Qt::Key_X) || ((shift & Qt::ShiftModifier) && key == Qt::Key_Delete);
    if (cut)
        Edit()->copy();
    if (cut && !CanType())
        return false;
    if (!cut && key != Qt::Key_Backspace && key != Qt::Key_Delete)
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
    Show(text, start);
    return false;
}

bool TMaskEdit::DoKeyPress(QChar& key) {
    if (!TEdit::DoKeyPress(key))
        return false;
    if (!m_mask.IsMasked() || ReadOnly() || key.unicode() < 32)
        return true;
    TypeText(QString(key));
    return false;
}

void TMaskEdit::TypeText(const QString& typed) {
    // What is typed over a selection replaces it, from its start.
    QString text = EditText();
    int cursor = SelStart();
    m_mask.Clear(text, cursor, SelLength());
    bool taken = false;
    for (const QChar c : typed)
        taken = m_mask.TypeChar(text, cursor, c) || taken;
    if (!taken) {
        QApplication::beep(); // no room, or not a character this place takes
        return;
    }
    Show(text, cursor);
}

void TMaskEdit::Show(const QString& editText, int cursor) {
    SetEditText(editText);
    SetSelStart(cursor);
    SetModified(true);
}

void TMaskEdit::DoExit() {
    if (Modified()) {
        try {
            ValidateEdit();
        } catch (...) {
            ReturnFocus();
            throw;
        }
    }
    TEdit::DoExit();
}
