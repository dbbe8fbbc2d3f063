#pragma once
// A one-line text box with a length limit, read-only state and case change.
// OnChange runs on every change of the text, by the user or by code.

#include "platform/ui/TWinControl.h"

class QLineEdit;

class TEdit : public TWinControl {
    Q_OBJECT
public:
    TEdit(TComponent* owner, TWinControl* parent = nullptr);

    virtual QString Text() const;
    virtual void SetText(const QString& text);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase charCase);
    bool Modified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SelectAll();
    void Clear() { SetText(QString()); }

    TNotifyEvent OnChange;

protected:
    QLineEdit* Edit() const;
    bool DoKeyDown(int& key, TShiftState shift) override;
    bool DoKeyPress(QChar& key) override;
    // Whether typing may change the text now (data-aware edits enter edit
    // mode here); a refused key is dropped.
    virtual bool CanType() { return true; }
    // The text changed; runs OnChange.
    virtual void Change();
    // The text as typed, without conversion.
    void SetEditText(const QString& text);
    QString CaseOf(const QString& text) const;

private:
    int m_maxLength = 0;
    TEditCharCase m_charCase = TEditCharCase::ecNormal;
    bool m_modified = false;
};
