// The GIF file value between the file reader and the file writer.
#include "imaging/GifFileReader.h"
#include "imaging/GifFileWriter.h"
#include "tests/imaging/GifBuilder.h"

#include <gtest/gtest.h>

namespace {

TEST(GifFileTest, AFileReadIntoItsValueIsWrittenBackAsItWas) {
    const std::vector<int> pixels = {0, 1, 2, 3, 3, 2, 1, 0};
    GifBuilder plain;
    plain.Header("GIF87a").Screen(4, 2, GifBuilder::Grey(4)).Image(0, 0, 4, 2, pixels, 2).Trailer();
    GifBuilder animated;
    animated.Header()
        .Screen(8, 4, GifBuilder::Grey(4), 1)
        .Loop(3)
        .GraphicControl(7, 2, 1)
        .Image(0, 0, 4, 2, pixels, 2)
        .GraphicControl(9, 1)
        .Image(4, 2, 4, 2, pixels, 2, GifBuilder::Grey(4), true)
        .Comment({"made here"})
        .Trailer();
    struct Case {
        const char* name;
        QByteArray bytes;
        std::size_t frames;
        bool looping;
    };
    const Case cases[] = {{"plain", plain.Data(), 1, false}, {"animated", animated.Data(), 2, true}};
    for (const Case& c : cases) {
        const GifFile file = GifFileReader::Read(c.bytes);
        EXPECT_EQ(file.Frames.size(), c.frames) << c.name;
        EXPECT_EQ(file.Looping, c.looping) << c.name;
        EXPECT_EQ(GifFileWriter::Write(file), c.bytes) << c.name;
    }
}

} // namespace
