// Taking over a plug-in's bitmap: only inside its two blocks, any row order, any depth we know.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "TestBitmaps.h"
#include "picture/AdoptPluginPicture.h"
#include "picture/BmpReader.h"

namespace {

// The plug-in's info block for a bitmap: the info header and `paletteEntries` palette entries
// whose blue byte is the entry's index + 1.
std::vector<uint8_t> InfoBlock(int32_t width,
                               int32_t height,
                               uint16_t bitCount,
                               uint32_t clrUsed,
                               uint32_t paletteEntries) {
    BitmapInfoHeader header;
    header.size = 40;
    header.width = width;
    header.height = height;
    header.planes = 1;
    header.bitCount = bitCount;
    header.clrUsed = clrUsed;
    std::vector<uint8_t> block(40 + 4 * paletteEntries);
    std::memcpy(block.data(), &header, 40);
    for (uint32_t i = 0; i < paletteEntries; ++i)
        block[40 + 4 * i] = static_cast<uint8_t>(i + 1);
    return block;
}

TEST(AdoptPluginPicture, ConvertsLikeTheFileReader) {
    for (uint16_t bitCount : {1, 4, 8, 16, 24, 32}) {
        SCOPED_TRACE(bitCount);
        const BmpImage image = MakeNoiseImage(13, 5, bitCount, bitCount);
        std::vector<uint8_t> info = InfoBlock(13, 5, bitCount, 0, 0);
        info.insert(info.end(), image.palette.begin(), image.palette.end());
        DibBuffer adopted, read;
        ASSERT_EQ(AdoptPluginPicture(info.data(), info.size(), image.rows.data(), image.rows.size(), adopted), 1);
        const std::vector<uint8_t> file = MakeBmp(image);
        ASSERT_EQ(ReadBmpMemory(file.data(), file.size(), read), 1);
        EXPECT_TRUE(SameBuffer(adopted, read));
    }
}

TEST(AdoptPluginPicture, TurnsTopDownRowsBottomUp) {
    const std::vector<uint8_t> info = InfoBlock(1, -2, 24, 0, 0);
    const uint8_t rows[] = {1, 2, 3, 0, 4, 5, 6, 0};  // top row first
    DibBuffer picture;
    ASSERT_EQ(AdoptPluginPicture(info.data(), info.size(), rows, sizeof rows, picture), 1);
    ASSERT_EQ(picture.Height(), 2);
    EXPECT_EQ(PixelAt(picture, 0, 0)[0], 4) << "the bottom row comes first";
    EXPECT_EQ(PixelAt(picture, 0, 1)[0], 1);
}

TEST(AdoptPluginPicture, PaletteIsLimitedByColourCountAndBlock) {
    const uint8_t rows[] = {0, 1, 2, 3};
    struct Case {
        const char* name;
        uint32_t clrUsed;
        uint32_t entriesInBlock;
        uint8_t expectedBlue[4];
    } cases[] = {
        {"full palette", 0, 256, {1, 2, 3, 4}},
        {"colour count 2", 2, 256, {1, 2, 0, 0}},
        {"block holds 3 entries", 0, 3, {1, 2, 3, 0}},
        {"colour count beyond 256", 1000, 256, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> info = InfoBlock(4, 1, 8, c.clrUsed, c.entriesInBlock);
        DibBuffer picture;
        ASSERT_EQ(AdoptPluginPicture(info.data(), info.size(), rows, sizeof rows, picture), 1);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(PixelAt(picture, x, 0)[0], c.expectedBlue[x]) << "x " << x;
    }
}

TEST(AdoptPluginPicture, RefusesUnusableBitmapsAndLeavesTheTargetEmpty) {
    const std::vector<uint8_t> rows(64);
    struct Case {
        const char* name;
        std::vector<uint8_t> info;
        size_t infoBytes;
        size_t rowBytes;
    } cases[] = {
        {"info block shorter than the header", InfoBlock(2, 2, 24, 0, 0), 39, 16},
        {"pixel block shorter than the rows", InfoBlock(2, 2, 24, 0, 0), 40, 15},
        {"unknown bit count", InfoBlock(2, 2, 2, 0, 4), 56, 16},
        {"zero width", InfoBlock(0, 2, 24, 0, 0), 40, 16},
        {"zero height", InfoBlock(2, 0, 24, 0, 0), 40, 16},
        {"most negative height", InfoBlock(2, INT32_MIN, 24, 0, 0), 40, 64},
        // 4 x 0x40000001 bytes wrap to 4 in 32 bits, which the pixel block would hold.
        {"row size past 32 bits", InfoBlock(0x40000001, 1, 32, 0, 0), 40, 64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibBuffer picture;
        ASSERT_TRUE(picture.Allocate(1, 1, 32));
        EXPECT_EQ(AdoptPluginPicture(c.info.data(), c.infoBytes, rows.data(), c.rowBytes, picture), 0);
        EXPECT_TRUE(picture.IsEmpty());
    }
}

}  // namespace
