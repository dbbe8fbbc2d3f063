#pragma once
// The ordered parameters of a query or client data set; names compare
// case-insensitively.

#include "platform/db/TParam.h"

#include <memory>
#include <vector>

class TParams {
public:
    TParams() = default;
    TParams(const TParams&) = delete;
    TParams& operator=(const TParams&) = delete;

    int Count() const { return static_cast<int>(m_items.size()); }
    TParam& Items(int index) const { return *m_items.at(static_cast<std::size_t>(index)); }
    TParam& operator[](int index) const { return Items(index); }

    // Adds a parameter (a second one of the same name is allowed, as SQL
    // may name a parameter twice).
    TParam& CreateParam(TFieldType dataType, const QString& name);
    // nullptr when absent.
    TParam* FindParam(const QString& name) const;
    // Raises EDatabaseError "Parameter '%s' not found".
    TParam* ParamByName(const QString& name) const;
    void Clear() { m_items.clear(); }
    // Copies names, types and values.
    void Assign(const TParams& source);
    // Values of the parameters whose names source also has.
    void AssignValues(const TParams& source);

private:
    std::vector<std::unique_ptr<TParam>> m_items;
};
