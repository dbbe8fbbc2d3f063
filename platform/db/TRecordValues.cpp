#include "platform/db/TRecordValues.h"

#include "platform/base/Currency.h"

#include <QDate>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

namespace {

enum Tag : std::uint8_t { Null, Int, LongLong, Money, Double, Date, Text, NullText, Aside };

Tag TagOf(const QVariant& value) {
    if (!value.isValid())
        return Null;
    switch (value.typeId()) {
    case QMetaType::Int:
        return Int;
    case QMetaType::LongLong:
        return LongLong;
    case QMetaType::Double:
        return Double;
    case QMetaType::QDate:
        return Date;
    case QMetaType::QString:
        return static_cast<const QString*>(value.constData())->isNull() ? NullText : Text;
    default:
        return value.metaType() == QMetaType::fromType<Currency>() ? Money : Aside;
    }
}

// The eight bytes of a value of a fixed-width tag.
std::uint64_t Payload(Tag tag, const QVariant& value) {
    switch (tag) {
    case Int:
        return static_cast<std::uint64_t>(static_cast<std::int64_t>(value.toInt()));
    case LongLong:
        return static_cast<std::uint64_t>(value.toLongLong());
    case Money:
        return static_cast<std::uint64_t>(value.value<Currency>().raw());
    case Double: {
        const double number = value.toDouble();
        std::uint64_t bits = 0;
        std::memcpy(&bits, &number, sizeof bits);
        return bits;
    }
    case Date:
        return static_cast<std::uint64_t>(value.toDate().toJulianDay());
    default:
        return 0;
    }
}

} // namespace

// The block: its head, then the payloads (eight bytes a slot), the tags (one
// byte a slot) and the texts' characters. A text's payload is the offset of
// its characters (low half) and its length (high half).
struct TRecordValues::Block::Layout {
    static std::size_t TagsOffset(std::size_t count) { return sizeof(Block) + 8 * count; }
    static std::size_t TextOffset(std::size_t count) {
        return (TagsOffset(count) + count + 1) & ~std::size_t(1);
    }
    static std::size_t Bytes(const Block& block) {
        return TextOffset(block.count) + sizeof(char16_t) * block.textUnits;
    }
    static std::byte* Base(Block* block) { return reinterpret_cast<std::byte*>(block); }
    static const std::byte* Base(const Block* block) { return reinterpret_cast<const std::byte*>(block); }
    static std::uint64_t GetPayload(const Block* block, std::size_t slot) {
        std::uint64_t payload = 0;
        std::memcpy(&payload, Base(block) + sizeof(Block) + 8 * slot, sizeof payload);
        return payload;
    }
    static void SetPayload(Block* block, std::size_t slot, std::uint64_t payload) {
        std::memcpy(Base(block) + sizeof(Block) + 8 * slot, &payload, sizeof payload);
    }
    static Tag GetTag(const Block* block, std::size_t slot) {
        return static_cast<Tag>(Base(block)[TagsOffset(block->count) + slot]);
    }
    static void SetTag(Block* block, std::size_t slot, Tag tag) {
        Base(block)[TagsOffset(block->count) + slot] = static_cast<std::byte>(tag);
    }
    static char16_t* Characters(Block* block) {
        return reinterpret_cast<char16_t*>(Base(block) + TextOffset(block->count));
    }
    static const char16_t* Characters(const Block* block) {
        return reinterpret_cast<const char16_t*>(Base(block) + TextOffset(block->count));
    }
    static Block* Allocate(std::size_t count, std::size_t textUnits) {
        auto* block = static_cast<Block*>(::operator new(TextOffset(count) + sizeof(char16_t) * textUnits));
        block->count = static_cast<std::uint32_t>(count);
        block->textUnits = static_cast<std::uint32_t>(textUnits);
        return block;
    }
};

void TRecordValues::BlockDeleter::operator()(Block* block) const {
    ::operator delete(block);
}

TRecordValues::TRecordValues(const std::vector<QVariant>& values) {
    Encode(values);
}

TRecordValues::TRecordValues(const TRecordValues& other) {
    *this = other;
}

TRecordValues& TRecordValues::operator=(const TRecordValues& other) {
    if (this == &other)
        return *this;
    if (other.m_block) {
        const std::size_t bytes = Block::Layout::Bytes(*other.m_block);
        m_block.reset(static_cast<Block*>(::operator new(bytes)));
        std::memcpy(static_cast<void*>(m_block.get()), other.m_block.get(), bytes);
    } else {
        m_block.reset();
    }
    m_aside = other.m_aside ? std::make_unique<std::vector<QVariant>>(*other.m_aside) : nullptr;
    return *this;
}

TRecordValues::~TRecordValues() = default;

void TRecordValues::Encode(const std::vector<QVariant>& values) {
    std::size_t textUnits = 0;
    std::size_t asideCount = 0;
    for (const QVariant& value : values) {
        const Tag tag = TagOf(value);
        if (tag == Text)
            textUnits += static_cast<std::size_t>(static_cast<const QString*>(value.constData())->size());
        else if (tag == Aside)
            ++asideCount;
    }
    std::unique_ptr<Block, BlockDeleter> owned(Block::Layout::Allocate(values.size(), textUnits));
    Block* block = owned.get();
    std::unique_ptr<std::vector<QVariant>> aside;
    if (asideCount > 0) {
        aside = std::make_unique<std::vector<QVariant>>();
        aside->reserve(asideCount);
    }
    std::size_t offset = 0;
    for (std::size_t slot = 0; slot < values.size(); ++slot) {
        const QVariant& value = values[slot];
        const Tag tag = TagOf(value);
        Block::Layout::SetTag(block, slot, tag);
        if (tag == Text) {
            const QString& text = *static_cast<const QString*>(value.constData());
            const auto length = static_cast<std::size_t>(text.size());
            std::memcpy(Block::Layout::Characters(block) + offset, text.utf16(), sizeof(char16_t) * length);
            Block::Layout::SetPayload(block, slot, offset | (static_cast<std::uint64_t>(length) << 32));
            offset += length;
        } else if (tag == Aside) {
            Block::Layout::SetPayload(block, slot, aside->size());
            aside->push_back(value);
        } else {
            Block::Layout::SetPayload(block, slot, Payload(tag, value));
        }
    }
    m_block = std::move(owned);
    m_aside = std::move(aside);
}

QVariant TRecordValues::operator[](std::size_t slot) const {
    if (slot >= size())
        return QVariant();
    const std::uint64_t payload = Block::Layout::GetPayload(m_block.get(), slot);
    switch (Block::Layout::GetTag(m_block.get(), slot)) {
    case Null:
        return QVariant();
    case Int:
        return QVariant(static_cast<int>(static_cast<std::int64_t>(payload)));
    case LongLong:
        return QVariant(static_cast<qlonglong>(payload));
    case Money:
        return QVariant::fromValue(Currency::fromRaw(static_cast<std::int64_t>(payload)));
    case Double: {
        double number = 0;
        std::memcpy(&number, &payload, sizeof number);
        return QVariant(number);
    }
    case Date:
        return QVariant(QDate::fromJulianDay(static_cast<qint64>(payload)));
    case Text:
        return QVariant(QString(reinterpret_cast<const QChar*>(Block::Layout::Characters(m_block.get()) +
                                                               (payload & 0xFFFFFFFFu)),
                                static_cast<qsizetype>(payload >> 32)));
    case NullText:
        return QVariant(QString());
    case Aside:
        return (*m_aside)[payload];
    }
    return QVariant();
}

void TRecordValues::Set(std::size_t slot, const QVariant& value) {
    if (slot >= size())
        resize(slot + 1);
    const Tag tag = TagOf(value);
    const Tag old = Block::Layout::GetTag(m_block.get(), slot);
    if (tag == Text) {
        // In place when the old text's room holds the new one; else the block is made again.
        const QString text = value.toString();
        const std::uint64_t payload = Block::Layout::GetPayload(m_block.get(), slot);
        const auto length = static_cast<std::size_t>(text.size());
        if (old != Text || length > (payload >> 32)) {
            std::vector<QVariant> values = ToVector();
            values[slot] = value;
            Encode(values);
            return;
        }
        const std::uint64_t offset = payload & 0xFFFFFFFFu;
        std::memcpy(Block::Layout::Characters(m_block.get()) + offset, text.utf16(),
                    sizeof(char16_t) * length);
        Block::Layout::SetPayload(m_block.get(), slot, offset | (static_cast<std::uint64_t>(length) << 32));
        return;
    }
    if (tag == Aside) {
        if (!m_aside)
            m_aside = std::make_unique<std::vector<QVariant>>();
        if (old == Aside) {
            (*m_aside)[Block::Layout::GetPayload(m_block.get(), slot)] = value;
            return;
        }
        Block::Layout::SetPayload(m_block.get(), slot, m_aside->size());
        m_aside->push_back(value);
        Block::Layout::SetTag(m_block.get(), slot, Aside);
        return;
    }
    // Fixed width: in place (room a text or an aside value held stays unused until the block is made again).
    Block::Layout::SetTag(m_block.get(), slot, tag);
    Block::Layout::SetPayload(m_block.get(), slot, Payload(tag, value));
}

void TRecordValues::resize(std::size_t count) {
    if (count == size())
        return;
    std::vector<QVariant> values = ToVector();
    values.resize(count);
    Encode(values);
}

TRecordValues TRecordValues::Head(std::size_t count) const {
    std::vector<QVariant> values = ToVector();
    values.resize(std::min(count, values.size()));
    return TRecordValues(values);
}

void TRecordValues::AssignFirst(const TRecordValues& values) {
    const std::size_t count = std::min(size(), values.size());
    for (std::size_t slot = 0; slot < count; ++slot)
        Set(slot, values[slot]);
}

std::vector<QVariant> TRecordValues::ToVector() const {
    std::vector<QVariant> values;
    values.reserve(size());
    for (std::size_t slot = 0; slot < size(); ++slot)
        values.push_back((*this)[slot]);
    return values;
}

TRecordValues::Builder::Builder(std::size_t count) : m_tags(count, Null), m_payloads(count, 0) {}

void TRecordValues::Builder::SetText(std::size_t slot, std::size_t offset, std::size_t length) {
    m_tags[slot] = Text;
    m_payloads[slot] = offset | (static_cast<std::uint64_t>(length) << 32);
}

char16_t* TRecordValues::Builder::TextRoom(std::size_t units) {
    if (m_textUnits + units > m_textRoom) {
        const std::size_t room = std::max(2 * m_textRoom, m_textUnits + units);
        auto text = std::make_unique_for_overwrite<char16_t[]>(room);
        std::copy_n(m_text.get(), m_textUnits, text.get());
        m_text = std::move(text);
        m_textRoom = room;
    }
    return m_text.get() + m_textUnits;
}

void TRecordValues::Builder::SetValue(std::size_t slot, const QVariant& value) {
    const Tag tag = TagOf(value);
    if (tag == Text) {
        const QString& text = *static_cast<const QString*>(value.constData());
        const auto length = static_cast<std::size_t>(text.size());
        std::copy_n(text.utf16(), length, TextRoom(length));
        SetText(slot, m_textUnits, length);
        m_textUnits += length;
        return;
    }
    m_tags[slot] = tag;
    if (tag == Aside) {
        m_payloads[slot] = m_aside.size();
        m_aside.push_back(value);
    } else {
        m_payloads[slot] = Payload(tag, value);
    }
}

void TRecordValues::Builder::SetMoney(std::size_t slot, std::int64_t raw) {
    m_tags[slot] = Money;
    m_payloads[slot] = static_cast<std::uint64_t>(raw);
}

void TRecordValues::Builder::SetUtf8(std::size_t slot, QByteArrayView utf8, bool trimEnd) {
    const auto bytes = static_cast<std::size_t>(utf8.size());
    char16_t* const start = TextRoom(bytes); // never fewer characters than bytes
    char16_t* end = start;
    // Plain ASCII, the common case, widens byte for byte; anything else goes
    // through the decoder.
    const auto* data = reinterpret_cast<const unsigned char*>(utf8.data());
    std::size_t ascii = 0;
    while (ascii < bytes && data[ascii] < 0x80)
        ++ascii;
    if (ascii == bytes)
        end = std::copy_n(data, bytes, start);
    else
        end = reinterpret_cast<char16_t*>(m_utf8.appendToBuffer(reinterpret_cast<QChar*>(start), utf8));
    while (trimEnd && end > start && end[-1] == u' ')
        --end;
    const auto length = static_cast<std::size_t>(end - start);
    SetText(slot, m_textUnits, length);
    m_textUnits += length;
}

TRecordValues TRecordValues::Builder::Take() {
    const std::size_t count = m_tags.size();
    TRecordValues values;
    values.m_block.reset(Block::Layout::Allocate(count, m_textUnits));
    Block* block = values.m_block.get();
    for (std::size_t slot = 0; slot < count; ++slot) {
        Block::Layout::SetTag(block, slot, static_cast<Tag>(m_tags[slot]));
        Block::Layout::SetPayload(block, slot, m_payloads[slot]);
    }
    if (m_textUnits > 0) // a row without text has no buffer yet
        std::copy_n(m_text.get(), m_textUnits, Block::Layout::Characters(block));
    if (!m_aside.empty())
        values.m_aside = std::make_unique<std::vector<QVariant>>(std::move(m_aside));
    m_aside.clear();
    m_textUnits = 0;
    std::fill(m_tags.begin(), m_tags.end(), Null);
    return values;
}
