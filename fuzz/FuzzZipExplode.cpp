// Imploded data (method 6): a byte of general-purpose flags (bit 1: 8 KiB
// dictionary, bit 2: literal tree), two bytes of stated size, then the trees
// and codes. Any input must decode to exactly the stated size or raise
// EZipDataError.
#include "fuzz/FuzzZipOldMethods.h"
#include "zip/TExploder.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const std::uint16_t flags = data[0] & 0x06;
    const std::uint64_t stated = FuzzZip::StatedSize(data + 1);
    FuzzZip::Source source(data + 3, size - 3);
    FuzzZip::Sink sink;
    try {
        TExploder::Decode(source, sink, stated, flags, size - 3);
        if (sink.total != stated)
            std::abort();
    } catch (const EZipDataError&) {
    }
    return 0;
}
