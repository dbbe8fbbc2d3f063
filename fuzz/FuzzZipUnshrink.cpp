// Shrunk data (method 1): two bytes of stated size, then LZW codes. Any input
// must decode to exactly the stated size or raise EZipDataError.
#include "fuzz/FuzzZipOldMethods.h"
#include "zip/TUnshrinker.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const std::uint64_t stated = FuzzZip::StatedSize(data);
    FuzzZip::Source source(data + 2, size - 2);
    FuzzZip::Sink sink;
    try {
        TUnshrinker::Decode(source, sink, stated);
        if (sink.total != stated)
            std::abort();
    } catch (const EZipDataError&) {
    }
    return 0;
}
