#pragma once
// A list kept in the order Compare gives. Add and Insert place an item
// where Find puts it (Insert's index is not used); an item equal to one in
// the list is dropped (dupIgnore), placed before the first equal one
// (dupAccept) or refused with EListError "Duplicate Object index"
// (dupError). A dropped or refused item is freed when the list owns its items.

#include "zip/TObjectList.h"

enum class TDuplicates { dupIgnore, dupAccept, dupError };

template <typename T> class TSortedObjectList : public TObjectList<T> {
public:
    TSortedObjectList(bool ownsObjects, TDuplicates duplicates)
        : TObjectList<T>(ownsObjects), m_duplicates(duplicates) {}

    TDuplicates Duplicates() const { return m_duplicates; }

    // The index the item went to; -1 when it was dropped.
    int Add(T* item) override {
        int index = 0;
        if (Find(*item, &index) && m_duplicates != TDuplicates::dupAccept) {
            this->FreeItem(item);
            if (m_duplicates == TDuplicates::dupError)
                throw EListError(QStringLiteral("Duplicate Object index"));
            return -1;
        }
        TObjectList<T>::Insert(index, item);
        return index;
    }
    void Insert(int, T* item) override { Add(item); }
    void Put(int, T*) override {
        throw EListError(QStringLiteral("Cannot <Put> an Object in a sorted list!"));
    }
    int IndexOf(const T* item) const override {
        int index = 0;
        Find(*item, &index);
        for (; index < this->Count(); ++index) {
            const T* candidate = this->Entries()[static_cast<std::size_t>(index)];
            if (candidate == item)
                return index;
            if (!candidate || Compare(*candidate, *item) != 0)
                break;
        }
        return -1;
    }
    // Binary search: *index is the first place whose item does not sort
    // before key; true when that item equals key.
    virtual bool Find(const T& key, int* index) const {
        int low = 0;
        int high = this->Count();
        while (low < high) {
            const int middle = (low + high) / 2;
            if (Compare(*this->Entries()[static_cast<std::size_t>(middle)], key) < 0)
                low = middle + 1;
            else
                high = middle;
        }
        *index = low;
        return low < this->Count() && Compare(*this->Entries()[static_cast<std::size_t>(low)], key) == 0;
    }

protected:
    // Negative when item sorts before key, 0 when they are equal.
    virtual int Compare(const T& item, const T& key) const = 0;

private:
    TDuplicates m_duplicates;
};
