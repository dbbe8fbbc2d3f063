#pragma once
// A list of entries kept in the order of a sort mode. A directory list owns
// its entries and refuses duplicates; a sorted view shares them and accepts
// duplicates.
//   ByName             folder + name, case-insensitive, ascending
//   ByFileName         file name alone; ByDirectoryName: folder alone
//   ByDate             newest first
//   ByCompressedSize, ByUnCompressedSize   largest first
//   ByRate             compressed size as a percentage of the size, highest first
//   ByNone             disk, then local header offset: the archive's own order
// ByDate and the size orders place a new entry after equal ones; the other
// orders place it before them (or refuse it in a list without duplicates).

#include "zip/TSortedObjectList.h"
#include "zip/TZipHeaderInfo.h"
#include "zip/ZipTypes.h"

#include <memory>
#include <vector>

class TSortedZip : public TSortedObjectList<TZipHeaderInfo> {
public:
    // An owning list refuses duplicates; a view accepts them.
    TSortedZip(TZipSortMode mode, bool ownsEntries);

    TZipSortMode SortMode() const { return m_mode; }

    // Places the entry in order and returns its index; an owning list takes
    // it over (also when it is refused and EListError "Duplicate Object index"
    // is raised).
    int Add(std::unique_ptr<TZipHeaderInfo> entry) { return TSortedObjectList::Add(entry.release()); }
    using TSortedObjectList::Add;
    // A view's Add: shares an entry owned elsewhere.
    int AddShared(TZipHeaderInfo* entry) { return TSortedObjectList::Add(entry); }
    // Hands every entry to the caller (an owning list) and empties the list.
    std::vector<std::unique_ptr<TZipHeaderInfo>> TakeAll();

    // ByName: the entry with this folder and name (case-insensitive).
    TZipHeaderInfo* FindByName(const QString& fullName) const;
    // ByNone: the entry whose local header is at this disk and offset.
    TZipHeaderInfo* FindByPosition(int disk, std::uint32_t offset) const;

    // The rate the ByRate order uses: compressed size × 100 / size, rounded,
    // at most 100, 0 for an empty entry.
    static int Rate(const TZipHeaderInfo& entry);

protected:
    // ByDate and the size orders never find two entries equal: an item
    // equal to the key sorts before it, so a new entry goes after its equals.
    int Compare(const TZipHeaderInfo& item, const TZipHeaderInfo& key) const override;

private:
    int CompareByMode(const TZipHeaderInfo& a, const TZipHeaderInfo& b) const;

    TZipSortMode m_mode;
};
