#pragma once
// A label that shows a field's display text.

#include "platform/db/TFieldDataLink.h"
#include "platform/ui/TLabel.h"

#include <memory>

class TDataSource;
class TField;

class TDBText : public TLabel {
    Q_OBJECT
public:
    TDBText(TComponent* owner, TWinControl* parent = nullptr);
    ~TDBText() override;

    TDataSource* DataSource() const { return m_link->DataSource(); }
    void SetDataSource(TDataSource* source);
    QString DataField() const { return m_link->FieldName(); }
    void SetDataField(const QString& name);
    TField* Field() const { return m_link->Field(); }

private:
    void DataChange();

    std::unique_ptr<TFieldDataLink> m_link;
};
