// Deflate streams come from archives of any origin: every stream must decode
// or raise EZipDataError, never crash, hang or write out of bounds. What
// decodes must decode the same when fed in pieces of another size.
#include "zip/TInflater.h"
#include "zip/ZipExceptions.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

class Source : public TByteSource {
public:
    Source(const std::uint8_t* data, std::size_t size, std::size_t piece)
        : m_data(data), m_size(size), m_piece(piece) {}
    std::size_t Fill(std::uint8_t* buffer, std::size_t capacity) override {
        const std::size_t n = std::min({capacity, m_size - m_position, m_piece});
        std::memcpy(buffer, m_data + m_position, n);
        m_position += n;
        return n;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_piece;
    std::size_t m_position = 0;
};

// Keeps a checksum of what comes out, and stops runaway output.
class Sink : public TByteSink {
public:
    void Write(const std::uint8_t* data, std::size_t size) override {
        for (std::size_t i = 0; i < size; ++i)
            sum = sum * 31 + data[i];
        total += size;
        if (total > (64u << 20))
            throw EZipDataError(QStringLiteral("too much output"));
    }
    std::uint64_t sum = 0;
    std::size_t total = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TInflater inflater;
    Sink whole;
    bool decoded = true;
    try {
        Source source(data, size, 32768);
        inflater.Decode(source, whole);
    } catch (const EZipDataError&) {
        decoded = false;
    }
    Sink pieces;
    try {
        Source source(data, size, 7);
        inflater.Decode(source, pieces);
    } catch (const EZipDataError&) {
        if (decoded)
            std::abort();
        return 0;
    }
    if (!decoded || pieces.sum != whole.sum || pieces.total != whole.total)
        std::abort();
    return 0;
}
