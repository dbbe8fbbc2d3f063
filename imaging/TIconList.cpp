#include "imaging/TIconList.h"

#include "platform/base/ByteReader.h"
#include "platform/graphics/GraphicsErrors.h"

#include <QtEndian>

TIconList::TIconList() = default;

TIconList::~TIconList() {
    OnChange = nullptr;
    Clear();
}

void TIconList::CheckIndex(int index, bool allowEnd) const {
    if (index < 0 || index > Count() || (index == Count() && !allowEnd))
        throw Exception(QStringLiteral("List index out of bounds (%1)").arg(index));
}

void TIconList::Hook(TIcon& icon) {
    icon.OnChange = TNotifyEvent(this, &TIconList::IconChanged);
}

void TIconList::IconChanged(TObject*) {
    Changed();
}

void TIconList::BeginUpdate() {
    ++m_updateCount;
}

void TIconList::EndUpdate() {
    if (m_updateCount > 0 && --m_updateCount == 0)
        Changed();
}

void TIconList::Changed() {
    if (m_updateCount == 0 && OnChange)
        OnChange(this);
}

TIcon* TIconList::Icons(int index) const {
    CheckIndex(index, false);
    return m_list[static_cast<std::size_t>(index)].get();
}

int TIconList::Count() const {
    return static_cast<int>(m_list.size());
}

void TIconList::Put(int index, const TIcon* icon) {
    CheckIndex(index, true);
    BeginUpdate();
    try {
        if (index == Count())
            Add(nullptr);
        auto& slot = m_list[static_cast<std::size_t>(index)];
        if (!slot)
            slot = std::make_unique<TIcon>();
        Hook(*slot);
        slot->Assign(icon);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

int TIconList::Add(const TIcon* icon) {
    Insert(Count(), icon);
    return Count() - 1;
}

int TIconList::AddResource(const QString& instance, const QString& resourceName) {
    InsertResource(Count(), instance, resourceName);
    return Count() - 1;
}

void TIconList::Insert(int index, const TIcon* icon) {
    CheckIndex(index, true);
    auto copy = std::make_unique<TIcon>();
    copy->Assign(icon);
    Hook(*copy);
    m_list.insert(m_list.begin() + index, std::move(copy));
    Changed();
}

void TIconList::InsertResource(int index, const QString& instance, const QString& resourceName) {
    CheckIndex(index, true);
    auto icon = std::make_unique<TIcon>();
    icon->LoadFromResource(instance, resourceName);
    Hook(*icon);
    m_list.insert(m_list.begin() + index, std::move(icon));
    Changed();
}

void TIconList::Delete(int index) {
    CheckIndex(index, false);
    if (TIcon* icon = m_list[static_cast<std::size_t>(index)].get())
        icon->OnChange = nullptr;
    m_list.erase(m_list.begin() + index);
    Changed();
}

void TIconList::Clear() {
    BeginUpdate();
    for (int i = Count() - 1; i >= 0; --i)
        Delete(i);
    EndUpdate();
}

void TIconList::Exchange(int index1, int index2) {
    CheckIndex(index1, false);
    CheckIndex(index2, false);
    std::swap(m_list[static_cast<std::size_t>(index1)], m_list[static_cast<std::size_t>(index2)]);
    Changed();
}

void TIconList::Move(int currentIndex, int newIndex) {
    CheckIndex(currentIndex, false);
    CheckIndex(newIndex, false);
    if (currentIndex == newIndex)
        return;
    std::unique_ptr<TIcon> icon = std::move(m_list[static_cast<std::size_t>(currentIndex)]);
    m_list.erase(m_list.begin() + currentIndex);
    m_list.insert(m_list.begin() + newIndex, std::move(icon));
    Changed();
}

int TIconList::IndexOf(const TIcon* icon) const {
    for (int i = 0; i < Count(); ++i)
        if (m_list[static_cast<std::size_t>(i)].get() == icon)
            return i;
    return -1;
}

void TIconList::Assign(const TPersistent* source) {
    if (!source) {
        Clear();
        return;
    }
    if (const auto* list = dynamic_cast<const TIconList*>(source)) {
        if (list == this)
            return;
        BeginUpdate();
        try {
            Clear();
            for (int i = 0; i < list->Count(); ++i)
                Add(list->Icons(i));
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        return;
    }
    if (const auto* icon = dynamic_cast<const TIcon*>(source)) {
        BeginUpdate();
        try {
            Clear();
            Add(icon);
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
        return;
    }
    TPersistent::Assign(source);
}

void TIconList::LoadFromStream(QIODevice& stream) {
    BeginUpdate();
    try {
        Clear();
        const QByteArray countBytes = stream.read(kCountSize);
        if (countBytes.size() != kCountSize)
            throw EReadError();
        const qint32 count = ByteReader(countBytes).I32();
        // Every entry takes at least its size field.
        if (count < 0 ||
            (!stream.isSequential() && static_cast<qint64>(count) * kSizeSize > stream.bytesAvailable()))
            throw EReadError();
        for (qint32 i = 0; i < count; ++i) {
            const QByteArray sizeBytes = stream.read(kSizeSize);
            if (sizeBytes.size() != kSizeSize)
                throw EReadError();
            const qint32 size = ByteReader(sizeBytes).I32();
            if (size <= 0) {
                m_list.push_back(nullptr);
                Changed();
                continue;
            }
            if (!stream.isSequential() && size > stream.bytesAvailable())
                throw EReadError();
            const QByteArray data = stream.read(size);
            if (data.size() != size)
                throw EReadError();
            auto icon = std::make_unique<TIcon>();
            icon->LoadFromData(data);
            Hook(*icon);
            m_list.push_back(std::move(icon));
            Changed();
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TIconList::SaveToStream(QIODevice& stream) const {
    const auto writeInt = [&stream](qint32 value) {
        const qint32 little = qToLittleEndian(value);
        stream.write(reinterpret_cast<const char*>(&little), sizeof(little));
    };
    writeInt(Count());
    for (const auto& icon : m_list) {
        if (!icon || icon->Empty()) {
            writeInt(0);
            continue;
        }
        const QByteArray data = icon->SaveToData();
        writeInt(static_cast<qint32>(data.size()));
        stream.write(data);
    }
}

bool TIconList::ShouldWriteIcons(const TIconList* ancestor) const {
    if (ancestor && ancestor->Count() == Count() && Count() > 0) {
        for (int i = 0; i < Count(); ++i)
            if (Icons(i) != ancestor->Icons(i))
                return true;
        return false;
    }
    return Count() > 0;
}
