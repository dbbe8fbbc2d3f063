#pragma once
// The rows chosen in a multi-select grid, as bookmarks of its data set.
// Items are in the data set's order, whatever order they were chosen in.

#include "platform/db/DBTypes.h"

#include <functional>
#include <vector>

class TDataSet;

class TBookmarkList {
public:
    explicit TBookmarkList(std::function<TDataSet*()> dataSet) : m_dataSet(std::move(dataSet)) {}

    int Count() const;
    TBookmark Items(int index) const;
    bool Find(TBookmark bookmark) const;
    // Whether the data set's current record is chosen.
    bool CurrentRowSelected() const;
    void SetCurrentRowSelected(bool selected);
    void Clear() { m_bookmarks.clear(); }
    // Drops bookmarks of records that are gone or filtered out.
    void Refresh();

private:
    void Sort() const;

    std::function<TDataSet*()> m_dataSet;
    mutable std::vector<TBookmark> m_bookmarks;
};
