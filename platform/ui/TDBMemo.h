#pragma once
// A memo bound to a text field: typing enters edit state, the text is
// written to the field on post or when the focus leaves.

#include "platform/db/TFieldDataLink.h"
#include "platform/ui/TMemo.h"

#include <memory>

class TDataSource;
class TField;

class TDBMemo : public TMemo {
    Q_OBJECT
public:
    TDBMemo(TComponent* owner, TWinControl* parent = nullptr);
    ~TDBMemo() override;

    TDataSource* DataSource() const { return m_link->DataSource(); }
    void SetDataSource(TDataSource* source);
    QString DataField() const { return m_link->FieldName(); }
    void SetDataField(const QString& name);
    TField* Field() const { return m_link->Field(); }
    bool ReadOnly() const { return m_link->ReadOnly(); }
    void SetReadOnly(bool readOnly);

protected:
    bool DoKeyDown(int& key, TShiftState shift) override;
    bool DoKeyPress(QChar& key) override;
    void Change() override;
    void DoExit() override;

private:
    void DataChange();

    std::unique_ptr<TFieldDataLink> m_link;
    bool m_showing = false;
};
