#include "platform/db/TFieldDefs.h"

#include "platform/base/Exceptions.h"

TFieldDef& TFieldDefs::Add(const QString& name, TFieldType dataType, int size, bool required) {
    if (IndexOf(name) >= 0)
        throw EDatabaseError(QStringLiteral("Duplicate field name '%1'").arg(name));
    auto def = std::make_unique<TFieldDef>(name, dataType, size, required);
    def->m_fieldNo = Count() + 1;
    m_items.push_back(std::move(def));
    return *m_items.back();
}

int TFieldDefs::IndexOf(const QString& name) const {
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i]->Name().compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

TFieldDef* TFieldDefs::Find(const QString& name) const {
    const int index = IndexOf(name);
    return index < 0 ? nullptr : m_items[static_cast<std::size_t>(index)].get();
}
