#pragma once
// A combo box bound to a field: shows the field's text and writes the text
// chosen or typed (a drop-down list writes its choice at once).

#include "platform/db/TFieldDataLink.h"
#include "platform/ui/TComboBox.h"

#include <memory>

class TDataSource;
class TField;

class TDBComboBox : public TComboBox {
    Q_OBJECT
public:
    TDBComboBox(TComponent* owner, TWinControl* parent = nullptr);
    ~TDBComboBox() override;

    TDataSource* DataSource() const { return m_link->DataSource(); }
    void SetDataSource(TDataSource* source);
    QString DataField() const { return m_link->FieldName(); }
    void SetDataField(const QString& name);
    TField* Field() const { return m_link->Field(); }
    bool ReadOnly() const { return m_link->ReadOnly(); }
    void SetReadOnly(bool readOnly) { m_link->SetReadOnly(readOnly); }

protected:
    bool DoKeyDown(int& key, TShiftState shift) override;
    bool DoKeyPress(QChar& key) override;
    void Change() override;
    void Select() override;
    void DoExit() override;

private:
    void DataChange();

    std::unique_ptr<TFieldDataLink> m_link;
    bool m_showing = false;
};
