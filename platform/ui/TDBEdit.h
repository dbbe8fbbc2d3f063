#pragma once
// An edit bound to one field through a data source. It shows the field's
// text (through the field's edit mask), puts the data set into edit state
// when the user types (AutoEdit), and writes the text into the field when
// the record is posted or the focus leaves it. When the field refuses the
// text (a rule, a mask that is not complete) the focus stays in the edit.

#include "platform/db/TFieldDataLink.h"
#include "platform/ui/TMaskEdit.h"

#include <memory>

class TDataSource;
class TField;

class TDBEdit : public TMaskEdit {
    Q_OBJECT
public:
    TDBEdit(TComponent* owner, TWinControl* parent = nullptr);
    ~TDBEdit() override;

    TDataSource* DataSource() const { return m_link->DataSource(); }
    void SetDataSource(TDataSource* source);
    QString DataField() const { return m_link->FieldName(); }
    void SetDataField(const QString& name);
    TField* Field() const { return m_link->Field(); }
    bool ReadOnly() const { return m_link->ReadOnly(); }
    void SetReadOnly(bool readOnly);
    // The most characters typed or pasted while the edit edits its field (0:
    // a text field's own size); the display of a formatted value is never cut.
    void SetMaxLength(int length);

protected:
    bool CanType() override;
    bool DoKeyDown(int& key, TShiftState shift) override;
    bool DoKeyPress(QChar& key) override;
    void Change() override;
    void DoEnter() override;
    void DoExit() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void DataChange();
    void UpdateData();
    void UpdateReadOnly();

    std::unique_ptr<TFieldDataLink> m_link;
    bool m_showing = false;
    int m_maxLength = 0;
};
