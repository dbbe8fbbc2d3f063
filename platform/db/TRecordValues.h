#pragma once
// The values of one record, stored compactly by type in one block of memory:
// a type tag and eight bytes per slot, and the characters of the texts after
// them. Integers, exact money (its integer), doubles and dates (their day
// number) live in their eight bytes; a text keeps its characters once, in the
// record's own block. A value of any other type (a date-time, a list, ...)
// is kept aside as it is. A QVariant is made only when a value is read, and
// it is the value stored, of the same type: reading gives back exactly what
// was written (a null QVariant, a null or an empty text alike).

#include <QByteArrayView>
#include <QStringDecoder>
#include <QVariant>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class TRecordValues {
public:
    TRecordValues() = default;
    explicit TRecordValues(const std::vector<QVariant>& values);
    TRecordValues(const TRecordValues& other);
    TRecordValues& operator=(const TRecordValues& other);
    TRecordValues(TRecordValues&&) noexcept = default;
    TRecordValues& operator=(TRecordValues&&) noexcept = default;
    ~TRecordValues();

    std::size_t size() const { return m_block ? m_block->count : 0; }
    bool empty() const { return size() == 0; }
    // Slots added are null; slots past `count` are dropped.
    void resize(std::size_t count);
    void clear() { *this = TRecordValues(); }

    // The value of a slot (a null QVariant past the end).
    QVariant operator[](std::size_t slot) const;
    void Set(std::size_t slot, const QVariant& value);
    // The first `count` slots.
    TRecordValues Head(std::size_t count) const;
    // The first slots take the values of `values` (as many as it holds).
    void AssignFirst(const TRecordValues& values);
    std::vector<QVariant> ToVector() const;

    // Makes records slot by slot without a QVariant for each value (rows
    // loaded in bulk): every slot of a row set once, then Take, then the next row.
    class Builder {
    public:
        explicit Builder(std::size_t count);
        void SetValue(std::size_t slot, const QVariant& value);
        // Exact money as its integer.
        void SetMoney(std::size_t slot, std::int64_t raw);
        // A text given in UTF-8, without its trailing blanks when `trimEnd`.
        void SetUtf8(std::size_t slot, QByteArrayView utf8, bool trimEnd);
        TRecordValues Take();

    private:
        void SetText(std::size_t slot, std::size_t offset, std::size_t length);
        // Room for `units` more characters after the row's texts so far.
        char16_t* TextRoom(std::size_t units);

        std::vector<std::uint8_t> m_tags;
        std::vector<std::uint64_t> m_payloads;
        std::unique_ptr<char16_t[]> m_text; // the row's texts, one after another
        std::size_t m_textUnits = 0;
        std::size_t m_textRoom = 0;
        std::vector<QVariant> m_aside;
        QStringDecoder m_utf8{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
    };

private:
    // The head of the block; the payloads, tags and characters follow it.
    struct Block {
        std::uint32_t count;
        std::uint32_t textUnits;
        struct Layout;
    };
    struct BlockDeleter {
        void operator()(Block* block) const;
    };
    void Encode(const std::vector<QVariant>& values);

    std::unique_ptr<Block, BlockDeleter> m_block;
    std::unique_ptr<std::vector<QVariant>> m_aside; // values of other types, by index from their slot
};
