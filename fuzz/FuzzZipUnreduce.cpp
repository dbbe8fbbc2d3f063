// Reduced data (methods 2 to 5): a factor byte, two bytes of stated size,
// then follower sets and codes. Any input must decode to exactly the stated
// size or raise EZipDataError.
#include "fuzz/FuzzZipOldMethods.h"
#include "zip/TUnreducer.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const int factor = data[0] % 4 + 1;
    const std::uint64_t stated = FuzzZip::StatedSize(data + 1);
    FuzzZip::Source source(data + 3, size - 3);
    FuzzZip::Sink sink;
    try {
        TUnreducer::Decode(source, sink, stated, factor);
        if (sink.total != stated)
            std::abort();
    } catch (const EZipDataError&) {
    }
    return 0;
}
