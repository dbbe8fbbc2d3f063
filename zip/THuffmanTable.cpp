#include "zip/THuffmanTable.h"

#include "zip/ZipExceptions.h"

#include <algorithm>

namespace {

[[noreturn]] void Oversubscribed() {
    throw EZipDataError(QStringLiteral("Invalid code table in compressed data"));
}

} // namespace

void THuffmanTable::Place(std::size_t tableStart, int tableBits, std::uint32_t code, int length,
                          std::uint16_t symbol) {
    const std::size_t size = std::size_t{1} << tableBits;
    for (std::size_t index = code; index < size; index += std::size_t{1} << length) {
        Entry& entry = m_entries[tableStart + index];
        if (entry.kind != Invalid)
            Oversubscribed();
        entry = Entry{symbol, static_cast<std::uint8_t>(length), Symbol};
    }
}

void THuffmanTable::Build(const std::uint16_t* codes, const std::uint8_t* lengths, int count, int rootBits) {
    m_rootBits = rootBits;
    const std::uint32_t rootMask = (1u << rootBits) - 1;
    // The longest code under each root pattern decides the size of its sub-table.
    std::vector<int> subBits(std::size_t{1} << rootBits, 0);
    for (int s = 0; s < count; ++s) {
        if (lengths[s] > MaxCodeLength)
            Oversubscribed();
        if (lengths[s] > rootBits) {
            int& bits = subBits[codes[s] & rootMask];
            bits = std::max(bits, lengths[s] - rootBits);
        }
    }
    m_entries.assign(std::size_t{1} << rootBits, Entry{});
    for (std::size_t root = 0; root < subBits.size(); ++root) {
        if (subBits[root] == 0)
            continue;
        const std::size_t start = m_entries.size();
        m_entries.resize(start + (std::size_t{1} << subBits[root]));
        m_entries[root] =
            Entry{static_cast<std::uint16_t>(start), static_cast<std::uint8_t>(subBits[root]), SubTable};
    }
    for (int s = 0; s < count; ++s) {
        const int length = lengths[s];
        if (length == 0)
            continue;
        const std::uint32_t code = codes[s] & ((1u << length) - 1);
        if (length <= rootBits) {
            Place(0, rootBits, code, length, static_cast<std::uint16_t>(s));
            continue;
        }
        const Entry& link = m_entries[code & rootMask];
        Place(link.value, link.bits, code >> rootBits, length - rootBits, static_cast<std::uint16_t>(s));
    }
}

int THuffmanTable::Decode(TBitReader& bits) const {
    const std::uint32_t peek = bits.Peek(MaxCodeLength);
    Entry entry = m_entries[peek & ((1u << m_rootBits) - 1)];
    int taken = 0;
    if (entry.kind == SubTable) {
        taken = m_rootBits;
        entry = m_entries[entry.value + ((peek >> m_rootBits) & ((1u << entry.bits) - 1))];
    }
    if (entry.kind != Symbol)
        throw EZipDataError(QStringLiteral("Invalid code in compressed data"));
    bits.Drop(taken + entry.bits);
    return entry.value;
}
