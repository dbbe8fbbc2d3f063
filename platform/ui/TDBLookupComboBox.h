#pragma once
// A drop-down list bound to a key field: it lists ListField of the records
// of ListSource and writes the chosen record's KeyField into the field.
// ListField may name several fields ("NO_LOCALIDADE;SG_UF"): each item then
// shows their texts in that order, separated by " - ".

#include "platform/db/TFieldDataLink.h"
#include "platform/ui/TComboBox.h"

#include <QVariant>
#include <memory>
#include <vector>

class TDataSource;
class TField;

class TDBLookupComboBox : public TComboBox {
    Q_OBJECT
public:
    TDBLookupComboBox(TComponent* owner, TWinControl* parent = nullptr);
    ~TDBLookupComboBox() override;

    TDataSource* DataSource() const { return m_link->DataSource(); }
    void SetDataSource(TDataSource* source);
    QString DataField() const { return m_link->FieldName(); }
    void SetDataField(const QString& name);
    TField* Field() const { return m_link->Field(); }
    TDataSource* ListSource() const { return m_listLink->DataSource(); }
    void SetListSource(TDataSource* source);
    const QString& KeyField() const { return m_keyField; }
    void SetKeyField(const QString& name);
    const QString& ListField() const { return m_listField; }
    void SetListField(const QString& name);
    // The key of the chosen record (null when none).
    QVariant KeyValue() const;

protected:
    void Select() override;

private:
    void LoadList();
    void DataChange();

    std::unique_ptr<TFieldDataLink> m_link;
    std::unique_ptr<TFieldDataLink> m_listLink;
    QString m_keyField;
    QString m_listField;
    std::vector<QVariant> m_keys;
};
