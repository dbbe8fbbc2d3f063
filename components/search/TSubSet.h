#pragma once
// The rows a search handed back: a private client-data-set copy of chosen
// rows of another data set, with the same field names, types, sizes and
// required flags. Windows read the chosen key with FieldByName.

#include "platform/db/DBTypes.h"

#include <memory>
#include <vector>

class TClientDataSet;
class TDataSet;
class TField;
class QString;

class TSubSet {
public:
    TSubSet();
    ~TSubSet();
    TSubSet(const TSubSet&) = delete;
    TSubSet& operator=(const TSubSet&) = delete;

    // Copies the rows of `source` at `bookmarks`, in that order, or its
    // current row when the list is empty; returns the number of rows copied,
    // -1 when the source has no fields. The source is left on the last row
    // copied.
    int Copy(TDataSet* source, const std::vector<TBookmark>& bookmarks);

    // The copy's field; raises EDatabaseError "Field '%s' not found".
    TField* FieldByName(const QString& name) const;
    TClientDataSet* DataSet() const { return m_copy.get(); }

private:
    void AppendCurrent(TDataSet* source);

    std::unique_ptr<TClientDataSet> m_copy;
};
