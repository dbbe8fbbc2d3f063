#include "zip/TSortedZip.h"

#include "zip/DosDateTime.h"
#include "zip/ZipExceptions.h"

#include <algorithm>

namespace {

int Sign(qint64 value) {
    return value < 0 ? -1 : value > 0 ? 1 : 0;
}

// Orders that never hold two entries as equal: a new one goes after its equals.
bool AfterEquals(TZipSortMode mode) {
    return mode == TZipSortMode::ByDate || mode == TZipSortMode::ByCompressedSize ||
           mode == TZipSortMode::ByUnCompressedSize;
}

qint64 DateKey(const TZipHeaderInfo& entry) {
    return DosDateTime::ToDateTime(entry.LastModFileDate).toSecsSinceEpoch();
}

} // namespace

TSortedZip::TSortedZip(TZipSortMode mode, bool ownsEntries)
    : m_mode(mode), m_owns(ownsEntries),
      m_duplicates(ownsEntries ? TDuplicates::dupError : TDuplicates::dupAccept) {}

TSortedZip::~TSortedZip() {
    Clear();
}

void TSortedZip::Clear() {
    if (m_owns)
        for (TZipHeaderInfo* entry : m_items)
            delete entry;
    m_items.clear();
}

std::vector<std::unique_ptr<TZipHeaderInfo>> TSortedZip::TakeAll() {
    std::vector<std::unique_ptr<TZipHeaderInfo>> taken;
    taken.reserve(m_items.size());
    for (TZipHeaderInfo* entry : m_items)
        taken.emplace_back(entry);
    m_items.clear();
    return taken;
}

int TSortedZip::Rate(const TZipHeaderInfo& entry) {
    if (entry.UncompressedSize == 0)
        return 0;
    const qint64 rate = (static_cast<qint64>(entry.CompressedSize) * 100 + entry.UncompressedSize / 2) /
                        entry.UncompressedSize;
    return static_cast<int>(std::min<qint64>(rate, 100));
}

int TSortedZip::Compare(const TZipHeaderInfo& a, const TZipHeaderInfo& b) const {
    switch (m_mode) {
    case TZipSortMode::ByName:
        return a.FullName().compare(b.FullName(), Qt::CaseInsensitive);
    case TZipSortMode::ByFileName:
        return a.FileName().compare(b.FileName(), Qt::CaseInsensitive);
    case TZipSortMode::ByDirectoryName:
        return a.Directory().compare(b.Directory(), Qt::CaseInsensitive);
    case TZipSortMode::ByDate:
        return Sign(DateKey(b) - DateKey(a));
    case TZipSortMode::ByCompressedSize:
        return Sign(static_cast<qint64>(b.CompressedSize) - a.CompressedSize);
    case TZipSortMode::ByUnCompressedSize:
        return Sign(static_cast<qint64>(b.UncompressedSize) - a.UncompressedSize);
    case TZipSortMode::ByRate:
        return Sign(Rate(b) - Rate(a));
    case TZipSortMode::ByNone:
        if (a.DiskNumberStart != b.DiskNumberStart)
            return Sign(static_cast<qint64>(a.DiskNumberStart) - b.DiskNumberStart);
        return Sign(static_cast<qint64>(a.RelativeOffset) - b.RelativeOffset);
    }
    return 0;
}

std::size_t TSortedZip::InsertPosition(const TZipHeaderInfo& entry, bool* duplicate) const {
    const auto before = [this](TZipHeaderInfo* item, const TZipHeaderInfo* key) {
        return Compare(*item, *key) < 0;
    };
    const auto lower = std::lower_bound(m_items.begin(), m_items.end(), &entry, before);
    *duplicate = lower != m_items.end() && Compare(**lower, entry) == 0;
    if (AfterEquals(m_mode)) {
        *duplicate = false;
        const auto after = [this](const TZipHeaderInfo* key, TZipHeaderInfo* item) {
            return Compare(*key, *item) < 0;
        };
        return static_cast<std::size_t>(std::upper_bound(m_items.begin(), m_items.end(), &entry, after) -
                                        m_items.begin());
    }
    return static_cast<std::size_t>(lower - m_items.begin());
}

int TSortedZip::Add(std::unique_ptr<TZipHeaderInfo> entry) {
    Q_ASSERT(m_owns);
    bool duplicate = false;
    const std::size_t at = InsertPosition(*entry, &duplicate);
    if (duplicate && m_duplicates == TDuplicates::dupError)
        throw EListError(QStringLiteral("Duplicate Object index"));
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at), m_owns ? entry.release() : entry.get());
    return static_cast<int>(at);
}

int TSortedZip::AddShared(TZipHeaderInfo* entry) {
    bool duplicate = false;
    const std::size_t at = InsertPosition(*entry, &duplicate);
    if (duplicate && m_duplicates == TDuplicates::dupError)
        throw EListError(QStringLiteral("Duplicate Object index"));
    m_items.insert(m_items.begin() + static_cast<std::ptrdiff_t>(at), entry);
    return static_cast<int>(at);
}

TZipHeaderInfo* TSortedZip::FindByName(const QString& fullName) const {
    if (m_mode == TZipSortMode::ByName) {
        const auto before = [](TZipHeaderInfo* item, const QString& key) {
            return item->FullName().compare(key, Qt::CaseInsensitive) < 0;
        };
        const auto at = std::lower_bound(m_items.begin(), m_items.end(), fullName, before);
        if (at != m_items.end() && (*at)->FullName().compare(fullName, Qt::CaseInsensitive) == 0)
            return *at;
        return nullptr;
    }
    for (TZipHeaderInfo* entry : m_items)
        if (entry->FullName().compare(fullName, Qt::CaseInsensitive) == 0)
            return entry;
    return nullptr;
}

TZipHeaderInfo* TSortedZip::FindByPosition(int disk, std::uint32_t offset) const {
    TZipHeaderInfo key;
    key.DiskNumberStart = static_cast<std::uint16_t>(disk);
    key.RelativeOffset = offset;
    if (m_mode != TZipSortMode::ByNone) {
        for (TZipHeaderInfo* entry : m_items)
            if (entry->DiskNumberStart == disk && entry->RelativeOffset == offset)
                return entry;
        return nullptr;
    }
    bool duplicate = false;
    const std::size_t at = InsertPosition(key, &duplicate);
    return duplicate ? m_items[at] : nullptr;
}
