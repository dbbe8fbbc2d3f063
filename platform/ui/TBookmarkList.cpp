#include "platform/ui/TBookmarkList.h"

#include "platform/db/TDataSet.h"

#include <algorithm>

void TBookmarkList::Sort() const {
    const TDataSet* dataSet = m_dataSet();
    if (!dataSet)
        return;
    std::sort(m_bookmarks.begin(), m_bookmarks.end(),
              [dataSet](TBookmark a, TBookmark b) { return dataSet->CompareBookmarks(a, b) < 0; });
}

int TBookmarkList::Count() const {
    return static_cast<int>(m_bookmarks.size());
}

TBookmark TBookmarkList::Items(int index) const {
    Sort();
    return m_bookmarks.at(static_cast<std::size_t>(index));
}

bool TBookmarkList::Find(TBookmark bookmark) const {
    return bookmark != 0 && std::find(m_bookmarks.begin(), m_bookmarks.end(), bookmark) != m_bookmarks.end();
}

bool TBookmarkList::CurrentRowSelected() const {
    const TDataSet* dataSet = m_dataSet();
    return dataSet && dataSet->Active() && Find(dataSet->GetBookmark());
}

void TBookmarkList::SetCurrentRowSelected(bool selected) {
    const TDataSet* dataSet = m_dataSet();
    if (!dataSet || !dataSet->Active())
        return;
    const TBookmark current = dataSet->GetBookmark();
    if (current == 0)
        return;
    std::erase(m_bookmarks, current);
    if (selected)
        m_bookmarks.push_back(current);
}

void TBookmarkList::Refresh() {
    const TDataSet* dataSet = m_dataSet();
    std::erase_if(m_bookmarks,
                  [dataSet](TBookmark bookmark) { return !dataSet || !dataSet->BookmarkValid(bookmark); });
}
