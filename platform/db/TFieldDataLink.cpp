#include "platform/db/TFieldDataLink.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"

void TFieldDataLink::SetFieldName(const QString& name) {
    if (name == m_fieldName)
        return;
    m_fieldName = name;
    UpdateField();
}

bool TFieldDataLink::CanModify() const {
    return !ReadOnly() && m_field && m_field->FieldKind() == fkData && !m_field->ReadOnly() &&
           DataSet()->CanModify();
}

void TFieldDataLink::Reset() {
    RecordChanged(nullptr);
}

void TFieldDataLink::UpdateField() {
    m_field = Active() && !m_fieldName.isEmpty() ? DataSet()->FindField(m_fieldName) : nullptr;
    m_modified = false;
    OnDataChange(this);
}

void TFieldDataLink::ActiveChanged() {
    UpdateField();
    OnActiveChange(this);
}

void TFieldDataLink::EditingChanged() {
    OnEditingChange(this);
}

void TFieldDataLink::RecordChanged(TField* field) {
    if (field && field != m_field)
        return;
    m_modified = false;
    OnDataChange(this);
}

void TFieldDataLink::UpdateData() {
    if (!m_modified)
        return;
    if (m_field)
        OnUpdateData(this);
    m_modified = false;
}

void TFieldDataLink::LayoutChanged() {
    UpdateField();
}

bool TFieldDataLink::FocusControl(TField* field) {
    if (!field || field != m_field || !OnFocusRequest)
        return false;
    OnFocusRequest(this);
    return true;
}
