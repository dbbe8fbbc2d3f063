#include "platform/db/TFields.h"

#include "platform/base/Exceptions.h"
#include "platform/db/TField.h"

#include <algorithm>

TField* TFields::FindField(const QString& name) const {
    for (TField* field : m_fields) {
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field;
    }
    return nullptr;
}

TField* TFields::FieldByName(const QString& name) const {
    TField* field = FindField(name);
    if (!field)
        throw EDatabaseError(QStringLiteral("Field '%1' not found").arg(name));
    return field;
}

int TFields::IndexOf(const TField* field) const {
    const auto it = std::find(m_fields.begin(), m_fields.end(), field);
    return it == m_fields.end() ? -1 : static_cast<int>(it - m_fields.begin());
}

void TFields::Remove(TField* field) {
    m_fields.erase(std::remove(m_fields.begin(), m_fields.end(), field), m_fields.end());
}
