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

#include "zip/TZipHeaderInfo.h"
#include "zip/ZipTypes.h"

#include <memory>
#include <vector>

class TSortedZip {
public:
    enum class TDuplicates { dupAccept, dupError };

    // An owning list refuses duplicates; a view accepts them.
    TSortedZip(TZipSortMode mode, bool ownsEntries);
    ~TSortedZip();
    TSortedZip(const TSortedZip&) = delete;
    TSortedZip& operator=(const TSortedZip&) = delete;

    TZipSortMode SortMode() const { return m_mode; }
    int Count() const { return static_cast<int>(m_items.size()); }
    TZipHeaderInfo* Items(int index) const { return m_items.at(static_cast<std::size_t>(index)); }
    const std::vector<TZipHeaderInfo*>& Entries() const { return m_items; }

    // Places the entry in order and returns its index; an owning list takes
    // it over (also when it is refused and EListError "Duplicate Object index"
    // is raised).
    int Add(std::unique_ptr<TZipHeaderInfo> entry);
    // A view's Add: shares an entry owned elsewhere.
    int AddShared(TZipHeaderInfo* entry);
    void Clear();
    // Hands every entry to the caller (an owning list) and empties the list.
    std::vector<std::unique_ptr<TZipHeaderInfo>> TakeAll();

    // ByName: the entry with this folder and name (case-insensitive).
    TZipHeaderInfo* FindByName(const QString& fullName) const;
    // ByNone: the entry whose local header is at this disk and offset.
    TZipHeaderInfo* FindByPosition(int disk, std::uint32_t offset) const;

    // The rate the ByRate order uses: compressed size × 100 / size, rounded,
    // at most 100, 0 for an empty entry.
    static int Rate(const TZipHeaderInfo& entry);

private:
    // Negative when a sorts before b in this list's order.
    int Compare(const TZipHeaderInfo& a, const TZipHeaderInfo& b) const;
    // Where a new entry goes.
    std::size_t InsertPosition(const TZipHeaderInfo& entry, bool* duplicate) const;

    TZipSortMode m_mode;
    bool m_owns;
    TDuplicates m_duplicates;
    std::vector<TZipHeaderInfo*> m_items;
};
