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
    : TSortedObjectList(ownsEntries, ownsEntries ? TDuplicates::dupError : TDuplicates::dupAccept),
      m_mode(mode) {}

std::vector<std::unique_ptr<TZipHeaderInfo>> TSortedZip::TakeAll() {
    std::vector<std::unique_ptr<TZipHeaderInfo>> taken;
    for (TZipHeaderInfo* entry : Release())
        taken.emplace_back(entry);
    return taken;
}

int TSortedZip::Rate(const TZipHeaderInfo& entry) {
    if (entry.UncompressedSize == 0)
        return 0;
    const qint64 rate = (static_cast<qint64>(entry.CompressedSize) * 100 + entry.UncompressedSize / 2) /
                        entry.UncompressedSize;
    return static_cast<int>(std::min<qint64>(rate, 100));
}

int TSortedZip::CompareByMode(const TZipHeaderInfo& a, const TZipHeaderInfo& b) const {
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

int TSortedZip::Compare(const TZipHeaderInfo& item, const TZipHeaderInfo& key) const {
    const int order = CompareByMode(item, key);
    return order == 0 && AfterEquals(m_mode) ? -1 : order;
}

TZipHeaderInfo* TSortedZip::FindByName(const QString& fullName) const {
    if (m_mode == TZipSortMode::ByName) {
        const auto before = [](TZipHeaderInfo* item, const QString& key) {
            return item->FullName().compare(key, Qt::CaseInsensitive) < 0;
        };
        const auto at = std::lower_bound(Entries().begin(), Entries().end(), fullName, before);
        if (at != Entries().end() && (*at)->FullName().compare(fullName, Qt::CaseInsensitive) == 0)
            return *at;
        return nullptr;
    }
    for (TZipHeaderInfo* entry : Entries())
        if (entry->FullName().compare(fullName, Qt::CaseInsensitive) == 0)
            return entry;
    return nullptr;
}

TZipHeaderInfo* TSortedZip::FindByPosition(int disk, std::uint32_t offset) const {
    TZipHeaderInfo key;
    key.DiskNumberStart = static_cast<std::uint16_t>(disk);
    key.RelativeOffset = offset;
    if (m_mode != TZipSortMode::ByNone) {
        for (TZipHeaderInfo* entry : Entries())
            if (entry->DiskNumberStart == disk && entry->RelativeOffset == offset)
                return entry;
        return nullptr;
    }
    int at = 0;
    return Find(key, &at) ? Items(at) : nullptr;
}
