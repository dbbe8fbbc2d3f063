#include "zip/TUnshrinker.h"

#include "zip/ZipExceptions.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kInitialBits = 9;
constexpr int kMaxBits = 13;
constexpr int kCodes = 1 << kMaxBits;
constexpr std::uint32_t kControl = 256;
constexpr std::uint32_t kFirstFree = 257;
constexpr std::uint32_t kWiden = 1;
constexpr std::uint32_t kPartialClear = 2;

[[noreturn]] void Invalid(const char* why) {
    throw EZipDataError(QStringLiteral("Invalid shrunk data: %1").arg(QLatin1String(why)));
}

class Dictionary {
public:
    Dictionary() {
        for (std::uint32_t code = 0; code < kCodes; ++code) {
            m_value[code] = static_cast<std::uint8_t>(code);
            m_parent[code] = kControl;
            m_free[code] = code >= kFirstFree;
        }
        m_free[kControl] = false;
    }

    bool IsFree(std::uint32_t code) const { return m_free[code]; }

    // The lowest free code after the last one given out; kCodes when none.
    std::uint32_t NextFree() const {
        std::uint32_t code = m_lastGiven + 1;
        while (code < kCodes && !m_free[code])
            ++code;
        return code;
    }

    void Add(std::uint32_t parent, std::uint8_t value) {
        const std::uint32_t code = NextFree();
        if (code >= kCodes)
            return; // a full table takes no more strings until the next clearing
        m_value[code] = value;
        m_parent[code] = parent;
        m_free[code] = false;
        m_lastGiven = code;
        m_highest = std::max(m_highest, code);
    }

    // Codes above the highest one ever given out are free already.
    void PartialClear() {
        std::array<bool, kCodes> hasChild{};
        for (std::uint32_t code = kFirstFree; code <= m_highest; ++code)
            if (!m_free[code] && m_parent[code] >= kFirstFree)
                hasChild[m_parent[code]] = true;
        for (std::uint32_t code = kFirstFree; code <= m_highest; ++code)
            if (!hasChild[code])
                m_free[code] = true;
        m_lastGiven = kControl;
    }

    // Writes the string of code into stack from its end; returns its first index.
    std::size_t Spell(std::uint32_t code, std::array<std::uint8_t, kCodes + 1>& stack,
                      std::size_t end) const {
        std::size_t at = end;
        for (int steps = 0; code >= kFirstFree; ++steps) {
            if (steps >= kCodes || at == 0)
                Invalid("looping string");
            stack[--at] = m_value[code];
            code = m_parent[code];
        }
        if (code == kControl || at == 0)
            Invalid("string without a first byte");
        stack[--at] = static_cast<std::uint8_t>(code);
        return at;
    }

private:
    std::array<std::uint8_t, kCodes> m_value;
    std::array<std::uint32_t, kCodes> m_parent;
    std::array<bool, kCodes> m_free;
    std::uint32_t m_lastGiven = kControl;
    std::uint32_t m_highest = kControl;
};

} // namespace

void TUnshrinker::Decode(TByteSource& input, TByteSink& output, std::uint64_t size) {
    if (size == 0)
        return;
    TBitReader bits(input);
    TOutputWindow window(output);
    auto dictionary = std::make_unique<Dictionary>();
    auto stack = std::make_unique<std::array<std::uint8_t, kCodes + 1>>();
    int codeBits = kInitialBits;

    std::uint32_t previous = bits.Bits(codeBits);
    if (previous >= kControl)
        Invalid("the first code is not a byte");
    window.Put(static_cast<std::uint8_t>(previous));

    while (window.Total() < size) {
        const std::uint32_t code = bits.Bits(codeBits);
        if (code == kControl) {
            const std::uint32_t action = bits.Bits(codeBits);
            if (action == kWiden) {
                if (++codeBits > kMaxBits)
                    Invalid("codes wider than 13 bits");
            } else if (action == kPartialClear) {
                dictionary->PartialClear();
            } else {
                Invalid("unknown control code");
            }
            continue;
        }
        const std::size_t end = stack->size();
        std::size_t first;
        if (code >= kFirstFree && dictionary->IsFree(code)) {
            // The string being defined: the previous one plus its first byte.
            if (code != dictionary->NextFree())
                Invalid("code beyond the next free entry");
            first = dictionary->Spell(previous, *stack, end - 1);
            (*stack)[end - 1] = (*stack)[first];
        } else {
            first = dictionary->Spell(code, *stack, end);
        }
        for (std::size_t i = first; i < end && window.Total() < size; ++i)
            window.Put((*stack)[i]);
        dictionary->Add(previous, (*stack)[first]);
        previous = code;
    }
    window.Finish();
}
