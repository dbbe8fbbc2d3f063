#include "platform/ui/TMemo.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>

TMemo::TMemo(TComponent* owner, TWinControl* parent) : TWinControl(owner, new QPlainTextEdit) {
    WatchWidget(Memo()->viewport());
    Memo()->setTabChangesFocus(true); // Tab leaves the memo; it types no tab
    connect(Memo(), &QPlainTextEdit::textChanged, this, [this] { Safe([this] { Change(); }); });
    SetBounds(0, 0, 185, 89);
    SetParent(parent);
}

TBorderStyle TMemo::BorderStyle() const {
    return Memo()->frameShape() == QFrame::NoFrame ? TBorderStyle::bsNone : TBorderStyle::bsSingle;
}

void TMemo::SetBorderStyle(TBorderStyle style) {
    Memo()->setFrameShape(style == TBorderStyle::bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
}

void TMemo::SetScrollBars(TScrollStyle style) {
    const bool horizontal = style == TScrollStyle::ssHorizontal || style == TScrollStyle::ssBoth;
    const bool vertical = style == TScrollStyle::ssVertical || style == TScrollStyle::ssBoth;
    Memo()->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    Memo()->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

QPlainTextEdit* TMemo::Memo() const {
    return static_cast<QPlainTextEdit*>(Widget());
}

QString TMemo::Text() const {
    return Memo()->toPlainText();
}

void TMemo::SetText(const QString& text) {
    if (text != Text())
        Memo()->setPlainText(text);
}

QStringList TMemo::Lines() const {
    const QString text = Text();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TMemo::SetLines(const QStringList& lines) {
    SetText(lines.join(QLatin1Char('\n')));
}

bool TMemo::ReadOnly() const {
    return Memo()->isReadOnly();
}
void TMemo::SetReadOnly(bool readOnly) {
    Memo()->setReadOnly(readOnly);
}
bool TMemo::WordWrap() const {
    return Memo()->lineWrapMode() != QPlainTextEdit::NoWrap;
}

void TMemo::SetWordWrap(bool wrap) {
    Memo()->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

bool TMemo::DoKeyPress(QChar& key) {
    if (!TWinControl::DoKeyPress(key))
        return false;
    // The length limit holds for typed text.
    if (m_maxLength > 0 && key.unicode() >= 32 && Text().size() >= m_maxLength &&
        !Memo()->textCursor().hasSelection())
        return false;
    return true;
}

void TMemo::Change() {
    // Text that arrives otherwise than typed (pasted, dropped) keeps the limit too.
    if (m_maxLength > 0 && Text().size() > m_maxLength) {
        const int cursor = std::min(Memo()->textCursor().position(), m_maxLength);
        Memo()->setPlainText(Text().left(m_maxLength)); // runs Change again
        QTextCursor position = Memo()->textCursor();
        position.setPosition(cursor);
        Memo()->setTextCursor(position);
        return;
    }
    OnChange(this);
}
