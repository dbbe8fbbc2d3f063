#pragma once
// A multi-line text box. Lines are the text's lines.

#include "platform/ui/TWinControl.h"

#include <QStringList>

class QPlainTextEdit;

class TMemo : public TWinControl {
    Q_OBJECT
public:
    TMemo(TComponent* owner, TWinControl* parent = nullptr);

    QString Text() const;
    void SetText(const QString& text);
    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    bool WordWrap() const;
    void SetWordWrap(bool wrap);
    TBorderStyle BorderStyle() const;
    void SetBorderStyle(TBorderStyle style);
    // Scroll bars shown when the text needs them; ssNone shows none.
    void SetScrollBars(TScrollStyle style);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length) { m_maxLength = length; }
    void Clear() { SetText(QString()); }

    TNotifyEvent OnChange;

protected:
    QPlainTextEdit* Memo() const;
    bool DoKeyPress(QChar& key) override;
    virtual void Change();

private:
    int m_maxLength = 0;
};
