#include "platform/ui/TEdit.h"

#include <QLineEdit>

TEdit::TEdit(TComponent* owner, TWinControl* parent) : TWinControl(owner, new QLineEdit) {
    connect(Edit(), &QLineEdit::textEdited, this, [this] { m_modified = true; });
    connect(Edit(), &QLineEdit::textChanged, this, [this] { Safe([this] { Change(); }); });
    SetBounds(0, 0, 121, 21);
    SetParent(parent);
}

QLineEdit* TEdit::Edit() const {
    return static_cast<QLineEdit*>(Widget());
}

QString TEdit::Text() const {
    return Edit() ? Edit()->text() : QString();
}

void TEdit::SetText(const QString& text) {
    SetEditText(CaseOf(text));
}

void TEdit::SetEditText(const QString& text) {
    if (Edit() && Edit()->text() != text)
        Edit()->setText(text);
}

void TEdit::SetMaxLength(int length) {
    m_maxLength = std::max(0, length);
    if (Edit())
        Edit()->setMaxLength(m_maxLength > 0 ? m_maxLength : 32767);
}

bool TEdit::ReadOnly() const {
    return Edit() && Edit()->isReadOnly();
}

void TEdit::SetReadOnly(bool readOnly) {
    if (Edit())
        Edit()->setReadOnly(readOnly);
}

void TEdit::SetCharCase(TEditCharCase charCase) {
    m_charCase = charCase;
    SetEditText(CaseOf(Text()));
}

QString TEdit::CaseOf(const QString& text) const {
    switch (m_charCase) {
    case TEditCharCase::ecUpperCase:
        return text.toUpper();
    case TEditCharCase::ecLowerCase:
        return text.toLower();
    case TEditCharCase::ecNormal:
        break;
    }
    return text;
}

int TEdit::SelStart() const {
    return Edit()->hasSelectedText() ? Edit()->selectionStart() : Edit()->cursorPosition();
}

void TEdit::SetSelStart(int start) {
    Edit()->deselect();
    Edit()->setCursorPosition(start);
}

int TEdit::SelLength() const {
    return static_cast<int>(Edit()->selectedText().size());
}

void TEdit::SelectAll() {
    Edit()->selectAll();
}

bool TEdit::DoKeyDown(int& key, TShiftState shift) {
    if (!TWinControl::DoKeyDown(key, shift))
        return false;
    if ((key == Qt::Key_Delete || key == Qt::Key_Backspace) && !ReadOnly())
        return CanType();
    return true;
}

bool TEdit::DoKeyPress(QChar& key) {
    if (!TWinControl::DoKeyPress(key))
        return false;
    // Typing, Backspace, paste (Ctrl+V) and cut (Ctrl+X) change the text.
    const char16_t code = key.unicode();
    if ((code >= 32 || code == u'\b' || code == 22 || code == 24) && !CanType())
        return false;
    if (m_charCase == TEditCharCase::ecUpperCase)
        key = key.toUpper();
    else if (m_charCase == TEditCharCase::ecLowerCase)
        key = key.toLower();
    return true;
}

void TEdit::Change() {
    // Text that arrives otherwise than typed (pasted, dropped) takes the case too.
    if (const QString text = Text(); Edit() && CaseOf(text) != text) {
        const int cursor = Edit()->cursorPosition();
        Edit()->setText(CaseOf(text)); // runs Change again
        Edit()->setCursorPosition(cursor);
        return;
    }
    OnChange(this);
}
