#pragma once
// The ordered list of field definitions of a data set. Names are unique,
// compared case-insensitively.

#include "platform/db/TFieldDef.h"

#include <QString>
#include <memory>
#include <vector>

class TFieldDefs {
public:
    TFieldDefs() = default;
    TFieldDefs(const TFieldDefs&) = delete;
    TFieldDefs& operator=(const TFieldDefs&) = delete;

    int Count() const { return static_cast<int>(m_items.size()); }
    TFieldDef& Items(int index) const { return *m_items.at(static_cast<std::size_t>(index)); }
    TFieldDef& operator[](int index) const { return Items(index); }

    // Raises EDatabaseError "Duplicate field name '%s'" for a name already present.
    TFieldDef& Add(const QString& name, TFieldType dataType, int size = 0, bool required = false);
    void Clear() { m_items.clear(); }

    // -1 when absent.
    int IndexOf(const QString& name) const;
    TFieldDef* Find(const QString& name) const;

private:
    std::vector<std::unique_ptr<TFieldDef>> m_items;
};
