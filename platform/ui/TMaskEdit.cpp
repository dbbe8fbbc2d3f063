#include "platform/ui/TMaskEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>

#include <functional>
#include <memory>

TMaskEdit::TMaskEdit(TComponent* owner, TWinControl* parent) : TEdit(owner, parent) {
    // The caret never stands past the entered text: what is typed there would have no room.
    connect(Edit(), &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
        if (!m_mask.IsMasked() || Edit()->hasSelectedText())
            return;
        const int end = m_mask.EndOfText(EditText());
        if (position > end)
            Edit()->setCursorPosition(end);
    });
    Edit()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Edit(), &QWidget::customContextMenuRequested, this, &TMaskEdit::ShowMenu);
}

void TMaskEdit::ShowMenu(const QPoint& at) {
    std::unique_ptr<QMenu> menu(Edit()->createStandardContextMenu());
    if (m_mask.IsMasked() && !ReadOnly()) {
        // The toolkit's menu names its items only by their texts: Cut and
        // Paste carry their shortcuts, Delete follows Paste.
        const auto shortcut = [](QKeySequence::StandardKey key) {
            return QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
        };
        const QList<QAction*> actions = menu->actions();
        for (qsizetype i = 0; i < actions.size(); ++i) {
            std::function<void()> masked;
            if (actions[i]->text().endsWith(shortcut(QKeySequence::Cut))) {
                masked = [this] {
                    Edit()->copy();
                    if (CanType())
                        ClearSelection();
                };
            } else if (actions[i]->text().endsWith(shortcut(QKeySequence::Paste))) {
                masked = [this] {
                    if (CanType())
                        TypeText(QApplication::clipboard()->text());
                };
                if (i + 1 < actions.size() && !actions[i + 1]->isSeparator()) {
                    QObject::disconnect(actions[i + 1], &QAction::triggered, nullptr, nullptr);
                    connect(actions[i + 1], &QAction::triggered, this, [this] {
                        if (CanType())
                            ClearSelection();
                    });
                }
            }
            if (!masked)
                continue;
            QObject::disconnect(actions[i], &QAction::triggered, nullptr, nullptr);
            connect(actions[i], &QAction::triggered, this, masked);
        }
    }
    menu->exec(Edit()->mapToGlobal(at));
}

void TMaskEdit::ClearSelection() {
    if (!Edit()->hasSelectedText())
        return;
    QString text = EditText();
    const int start = SelStart();
    m_mask.Clear(text, start, SelLength());
    Show(text, start);
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
