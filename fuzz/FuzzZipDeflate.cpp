// Whatever a file holds, deflating it at any level must give a stream that
// inflates back to the same bytes, and the encoder must never read or write
// outside its buffers, also when the file ends while the window is full.
//
// The first three bytes choose the run: the level, how the rest is padded
// and how long the file becomes (up to 256 KiB, so that short inputs reach
// the window's slide and the end of long files), and the piece size the
// source hands out. Longer inputs are taken as they stand.
#include "zip/TDeflater.h"
#include "zip/TInflater.h"
#include "zip/ZipExceptions.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kLongest = 256 * 1024;
constexpr std::size_t kPieces[] = {kLongest, 4093, 262};

class Source : public TByteSource {
public:
    Source(const std::vector<std::uint8_t>& data, std::size_t piece) : m_data(data), m_piece(piece) {}
    std::size_t Fill(std::uint8_t* buffer, std::size_t capacity) override {
        const std::size_t n = std::min({capacity, m_data.size() - m_position, m_piece});
        std::memcpy(buffer, m_data.data() + m_position, n);
        m_position += n;
        return n;
    }

private:
    const std::vector<std::uint8_t>& m_data;
    std::size_t m_piece;
    std::size_t m_position = 0;
};

class Sink : public TByteSink {
public:
    void Write(const std::uint8_t* data, std::size_t size) override {
        bytes.insert(bytes.end(), data, data + size);
    }
    std::vector<std::uint8_t> bytes;
};

// The file the run deflates: the input after its three choice bytes, then
// zeros or the input again up to the chosen length.
std::vector<std::uint8_t> File(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> file(data + 3, data + size);
    const bool repeat = (data[0] / 9) % 2 != 0;
    const std::size_t length = (static_cast<std::size_t>(data[1] & 0x7F) << 8 | data[2]) * 8;
    if ((data[1] & 0x80) == 0 || length <= file.size())
        return file;
    const std::size_t pattern = file.size();
    file.resize(length, 0);
    if (repeat && pattern > 0)
        for (std::size_t i = pattern; i < length; ++i)
            file[i] = file[i - pattern];
    return file;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Files as long as the ones this target is about, unless the run says otherwise.
    for (int i = 1; i < *argc; ++i)
        if (std::strncmp((*argv)[i], "-max_len=", 9) == 0)
            return 0;
    static std::vector<char*> arguments(*argv, *argv + *argc);
    static char maxLength[] = "-max_len=262144";
    arguments.push_back(maxLength);
    arguments.push_back(nullptr);
    *argc = static_cast<int>(arguments.size()) - 1;
    *argv = arguments.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3 || size > kLongest + 3)
        return 0;
    static TDeflater deflater;
    static TInflater inflater;
    const std::vector<std::uint8_t> file = File(data, size);
    const int level = data[0] % 9 + 1;
    Source source(file, kPieces[(data[0] / 18) % 3]);
    Sink compressed;
    const TDeflater::Result result = deflater.Deflate(source, compressed, level);
    if (result.compressedSize != compressed.bytes.size())
        std::abort();
    if (result.stored) {
        if (compressed.bytes != file)
            std::abort();
        return 0;
    }
    Source stream(compressed.bytes, compressed.bytes.size());
    Sink plain;
    try {
        inflater.Decode(stream, plain);
    } catch (const EZipDataError&) {
        std::abort();
    }
    if (plain.bytes != file)
        std::abort();
    return 0;
}
