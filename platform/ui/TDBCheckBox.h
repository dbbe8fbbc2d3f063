#pragma once
// A check box bound to a field: checked when the field holds ValueChecked,
// unchecked for ValueUnchecked, grayed for anything else (a click then ticks it). Each value may
// list alternatives separated by ";"; the first is written. Clicking it
// puts the data set into edit state and writes the field at once.

#include "platform/db/TFieldDataLink.h"
#include "platform/ui/TCheckBox.h"

#include <memory>

class TDataSource;
class TField;

class TDBCheckBox : public TCheckBox {
    Q_OBJECT
public:
    TDBCheckBox(TComponent* owner, TWinControl* parent = nullptr);
    ~TDBCheckBox() override;

    TDataSource* DataSource() const { return m_link->DataSource(); }
    void SetDataSource(TDataSource* source);
    QString DataField() const { return m_link->FieldName(); }
    void SetDataField(const QString& name);
    TField* Field() const { return m_link->Field(); }
    // A read-only box shows its field and cannot be changed by the user.
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    QString ValueChecked() const { return m_valueChecked; }
    void SetValueChecked(const QString& value);
    QString ValueUnchecked() const { return m_valueUnchecked; }
    void SetValueUnchecked(const QString& value);

protected:
    void Toggled() override;

private:
    void DataChange();

    std::unique_ptr<TFieldDataLink> m_link;
    QString m_valueChecked = QStringLiteral("True");
    QString m_valueUnchecked = QStringLiteral("False");
    bool m_showing = false;
};
