#pragma once
// A combo box bound to one field that shows one list (Items) and stores the
// matching entry of a parallel list (Values): the user picks a description,
// the record receives a code. A field value that is not among Values shows
// an empty box; text that is not an item stores NULL; Esc puts the field's
// value back. Leaving the box (Tab, Shift+Tab, a click elsewhere) and Enter
// write the typed code. With TextCompletion, typing completes the text to the first
// item that begins with it, the completed part selected for overtyping.

#include "platform/db/TFieldDataLink.h"
#include "platform/ui/TComboBox.h"

#include <QStringList>
#include <memory>

class TDataSource;
class TField;

class TDBComboValues : public TComboBox {
    Q_OBJECT
public:
    TDBComboValues(TComponent* owner, TWinControl* parent = nullptr);
    ~TDBComboValues() override;

    TDataSource* DataSource() const { return m_link->DataSource(); }
    void SetDataSource(TDataSource* source);
    QString DataField() const { return m_link->FieldName(); }
    void SetDataField(const QString& name);
    TField* Field() const { return m_link->Field(); }
    bool ReadOnly() const { return m_link->ReadOnly(); }
    void SetReadOnly(bool readOnly) { m_link->SetReadOnly(readOnly); }
    const QStringList& Values() const { return m_values; }
    void SetValues(const QStringList& values);
    // Hides TComboBox's: the field is shown again with the new items.
    void SetItems(const QStringList& items);
    void SetStyle(TComboBoxStyle style) override;
    bool TextCompletion() const { return m_textCompletion; }
    void SetTextCompletion(bool on) { m_textCompletion = on; }

    // The text of the box: the typed text, or for a drop-down list the item chosen.
    QString ComboText() const;

protected:
    bool DoKeyDown(int& key, TShiftState shift) override;
    bool DoKeyPress(QChar& key) override;
    void Change() override;
    void Select() override;
    void DoEnter() override;
    void DoExit() override;

private:
    void DataChange();
    void EditingChange();
    void SetComboText(const QString& text);
    void UpdateData();
    // Writes the typed text's code; a refusal keeps the focus with the text selected.
    void TakeTypedCode();
    void Complete();

    std::unique_ptr<TFieldDataLink> m_link;
    QStringList m_values;
    bool m_textCompletion = false;
    bool m_showing = false;
    bool m_completeNext = false;
};
