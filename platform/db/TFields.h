#pragma once
// The fields of a data set, in order. Does not own them: persistent fields
// belong to their owner, dynamic fields to the data set.

#include <QString>
#include <vector>

class TField;

class TFields {
public:
    TFields() = default;
    TFields(const TFields&) = delete;
    TFields& operator=(const TFields&) = delete;

    int Count() const { return static_cast<int>(m_fields.size()); }
    TField* Fields(int index) const { return m_fields.at(static_cast<std::size_t>(index)); }
    TField* operator[](int index) const { return Fields(index); }
    // Case-insensitive; nullptr when absent.
    TField* FindField(const QString& name) const;
    // Raises EDatabaseError "Field '%s' not found".
    TField* FieldByName(const QString& name) const;
    int IndexOf(const TField* field) const;

    auto begin() const { return m_fields.begin(); }
    auto end() const { return m_fields.end(); }

private:
    friend class TDataSet;
    void Add(TField* field) { m_fields.push_back(field); }
    void Remove(TField* field);
    void Clear() { m_fields.clear(); }

    std::vector<TField*> m_fields;
};
