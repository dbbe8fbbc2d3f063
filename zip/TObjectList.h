#pragma once
// A growable list of items that by default owns them (frees them when they
// are replaced, removed or the list goes). Its capacity grows by 4 while
// below 5, by 8 while below 9, else by 16; an index out of range raises
// EListError "List index out of bounds (%d)".

#include "zip/ZipExceptions.h"

#include <QString>
#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>
#include <vector>

template <typename T> class TObjectList {
public:
    explicit TObjectList(bool ownsObjects = true) : m_owns(ownsObjects) {}
    virtual ~TObjectList() { FreeAll(); }
    TObjectList(const TObjectList&) = delete;
    TObjectList& operator=(const TObjectList&) = delete;

    // Counts and capacities past this are index errors.
    static constexpr int MaxCount = 536870910;

    int Count() const { return static_cast<int>(m_items.size()); }
    // A larger count fills the new places with no item; a smaller one drops
    // (and frees) the items past it.
    void SetCount(int count) {
        if (count < 0 || count > MaxCount)
            Error(count);
        if (count > m_capacity)
            SetCapacity(count);
        while (Count() > count) {
            FreeItem(m_items.back());
            m_items.pop_back();
        }
        m_items.resize(static_cast<std::size_t>(count), nullptr);
    }
    int Capacity() const { return m_capacity; }
    void SetCapacity(int capacity) {
        if (capacity < Count() || capacity > MaxCount)
            Error(capacity);
        m_capacity = capacity;
    }
    T* Items(int index) const {
        if (index < 0 || index >= Count())
            Error(index);
        return m_items[static_cast<std::size_t>(index)];
    }
    const std::vector<T*>& Entries() const { return m_items; }

    // Replaces the item at index (freeing the old one when owned).
    virtual void Put(int index, T* item) {
        T* old = Items(index);
        m_items[static_cast<std::size_t>(index)] = item;
        if (old != item)
            FreeItem(old);
    }
    // Appends; returns the index.
    virtual int Add(T* item) {
        Insert(Count(), item);
        return Count() - 1;
    }
    // At index, from 0 to Count.
    virtual void Insert(int index, T* item) {
        if (index < 0 || index > Count())
            Error(index);
        if (Count() == m_capacity)
            Grow();
        m_items.insert(m_items.begin() + index, item);
    }
    // Frees the owned items; count and capacity become 0.
    virtual void Clear() {
        FreeAll();
        m_capacity = 0;
    }
    // By identity; -1 when absent.
    virtual int IndexOf(const T* item) const {
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] == item)
                return static_cast<int>(i);
        return -1;
    }
    T* First() const { return m_items.empty() ? nullptr : m_items.front(); }
    T* Last() const { return m_items.empty() ? nullptr : m_items.back(); }
    // The item after (or before) item; none past the ends; no item gives
    // First (or Last). An item not in the list raises EListError.
    T* Neighbour(const T* item, bool after) const {
        if (!item)
            return after ? First() : Last();
        const int index = IndexOf(item);
        if (index < 0)
            throw EListError(QStringLiteral("tObject %1 not in item list").arg(ClassName()));
        const int next = after ? index + 1 : index - 1;
        return next >= 0 && next < Count() ? m_items[static_cast<std::size_t>(next)] : nullptr;
    }

protected:
    [[noreturn]] virtual void Error(int index) const {
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    }
    virtual void Grow() { SetCapacity(m_capacity + (m_capacity < 5 ? 4 : m_capacity < 9 ? 8 : 16)); }
    virtual void FreeItem(T* item) {
        if (m_owns)
            delete item;
    }
    // Hands the items over without freeing them.
    std::vector<T*> Release() {
        std::vector<T*> items;
        items.swap(m_items);
        m_capacity = 0;
        return items;
    }

private:
    void FreeAll() {
        for (T* item : m_items)
            FreeItem(item);
        m_items.clear();
    }
    static QString ClassName() {
        int status = 0;
        char* name = abi::__cxa_demangle(typeid(T).name(), nullptr, nullptr, &status);
        const QString result = QString::fromLatin1(status == 0 ? name : typeid(T).name());
        std::free(name);
        return result;
    }

    std::vector<T*> m_items;
    int m_capacity = 0;
    bool m_owns;
};
