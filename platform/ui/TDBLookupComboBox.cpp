#include "platform/ui/TDBLookupComboBox.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"

TDBLookupComboBox::TDBLookupComboBox(TComponent* owner, TWinControl* parent)
    : TComboBox(owner, parent), m_link(std::make_unique<TFieldDataLink>(this)),
      m_listLink(std::make_unique<TFieldDataLink>(this)) {
    TComboBox::SetStyle(TComboBoxStyle::csDropDownList);
    m_link->OnDataChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnActiveChange = TNotifyEvent::fromFunction([this](TObject*) { DataChange(); });
    m_link->OnUpdateData = TNotifyEvent::fromFunction([this](TObject*) {
        if (Field())
            Field()->SetValue(KeyValue());
    });
    m_listLink->OnDataChange = TNotifyEvent::fromFunction([this](TObject*) { LoadList(); });
    m_listLink->OnActiveChange = TNotifyEvent::fromFunction([this](TObject*) { LoadList(); });
}

TDBLookupComboBox::~TDBLookupComboBox() {
    // The widget may be gone already: nothing is shown any more.
    m_link->OnDataChange = nullptr;
    m_link->OnActiveChange = nullptr;
    m_listLink->OnDataChange = nullptr;
    m_listLink->OnActiveChange = nullptr;
    m_link->SetDataSource(nullptr);
    m_listLink->SetDataSource(nullptr);
}

void TDBLookupComboBox::SetDataSource(TDataSource* source) {
    m_link->SetDataSource(source);
    DataChange();
}

void TDBLookupComboBox::SetDataField(const QString& name) {
    m_link->SetFieldName(name);
    DataChange();
}

void TDBLookupComboBox::SetListSource(TDataSource* source) {
    m_listLink->SetDataSource(source);
    LoadList();
}

void TDBLookupComboBox::SetKeyField(const QString& name) {
    m_keyField = name;
    LoadList();
}

void TDBLookupComboBox::SetListField(const QString& name) {
    m_listField = name;
    LoadList();
}

QVariant TDBLookupComboBox::KeyValue() const {
    const int index = ItemIndex();
    return index >= 0 && index < static_cast<int>(m_keys.size()) ? m_keys[static_cast<std::size_t>(index)]
                                                                 : QVariant();
}

void TDBLookupComboBox::LoadList() {
    m_keys.clear();
    QStringList texts;
    TDataSet* list = m_listLink->DataSet();
    if (list && list->Active() && !m_keyField.isEmpty() && !m_listField.isEmpty()) {
        TField* key = list->FieldByName(m_keyField);
        const std::vector<TField*> shown = list->GetFieldList(m_listField);
        // Read every row without moving the list's cursor.
        for (int row = 0; row < list->RowCount(); ++row) {
            list->SetDisplayRow(row);
            m_keys.push_back(key->Value());
            QStringList parts;
            for (const TField* field : shown)
                parts << field->DisplayText();
            texts << parts.join(QStringLiteral(" - "));
        }
        list->SetDisplayRow(-1);
    }
    SetItems(texts);
    DataChange();
}

void TDBLookupComboBox::DataChange() {
    int index = -1;
    if (TField* field = Field(); field && !field->IsNull()) {
        const QVariant value = field->Value();
        for (std::size_t i = 0; i < m_keys.size() && index < 0; ++i)
            if (m_keys[i] == value)
                index = static_cast<int>(i);
    }
    SetItemIndex(index);
}

void TDBLookupComboBox::Select() {
    const int chosen = ItemIndex();
    if (!Field() || !m_link->Edit()) {
        DataChange();
        return;
    }
    // Entering edit state showed the field again.
    SetItemIndex(chosen);
    m_link->Modified();
    m_link->UpdateRecord();
    TComboBox::Select();
}
