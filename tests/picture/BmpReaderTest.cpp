// The built-in bitmap reader: which files it refuses (and why), and how each depth is converted.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "TestBitmaps.h"
#include "picture/BmpReader.h"

namespace {

// 4 x 2 at 8 bits with a 4-colour palette: the valid file every corrupt case starts from.
BmpImage SmallPalettePicture() {
    BmpImage image;
    image.width = 4;
    image.height = 2;
    image.bitCount = 8;
    image.colorsUsed = 4;
    image.palette = {10, 20, 30, 0, 40, 50, 60, 0, 70, 80, 90, 0, 1, 2, 3, 0};
    image.rows = {0, 1, 2, 3, 3, 2, 1, 0};
    return image;
}

struct CorruptCase {
    const char* name;
    std::function<void(BmpImage&)> changeImage;
    std::function<void(std::vector<uint8_t>&)> changeBytes;
    BmpError expected;
};

TEST(BmpReader, RefusesEachCorruptFileForItsReason) {
    auto noImageChange = [](BmpImage&) {};
    auto noByteChange = [](std::vector<uint8_t>&) {};
    const CorruptCase cases[] = {
        {"exactly the 54 header bytes", noImageChange, [](auto& b) { b.resize(54); }, BmpError::FileTooShort},
        {"empty file", noImageChange, [](auto& b) { b.clear(); }, BmpError::FileTooShort},
        {"JPEG bytes", noImageChange, [](auto& b) { b[0] = 0xFF, b[1] = 0xD8; }, BmpError::NotBitmap},
        {"V4 header", noImageChange, [](auto& b) { b[14] = 108; }, BmpError::HeaderSize},
        {"OS/2 header", noImageChange, [](auto& b) { b[14] = 12; }, BmpError::HeaderSize},
        {"zero width", [](auto& i) { i.width = 0; }, noByteChange, BmpError::Width},
        {"negative width", [](auto& i) { i.width = -4; }, noByteChange, BmpError::Width},
        {"top-down", [](auto& i) { i.height = -2; }, noByteChange, BmpError::Height},
        {"zero height", [](auto& i) { i.height = 0; }, noByteChange, BmpError::Height},
        {"2 bits", [](auto& i) { i.bitCount = 2; }, noByteChange, BmpError::BitCount},
        {"64 bits", [](auto& i) { i.bitCount = 64; }, noByteChange, BmpError::BitCount},
        {"RLE8", [](auto& i) { i.compression = 1; }, noByteChange, BmpError::Compression},
        {"bit fields", [](auto& i) { i.compression = 3; }, noByteChange, BmpError::Compression},
        {"257 colours at 8 bits", [](auto& i) { i.colorsUsed = 257; }, noByteChange, BmpError::PaletteSize},
        {"3 colours at 1 bit", [](auto& i) { i.bitCount = 1, i.colorsUsed = 3; }, noByteChange, BmpError::PaletteSize},
        {"rows over the palette", [](auto& i) { i.pixelOffset = 54 + 12; }, noByteChange, BmpError::PixelOffset},
        {"rows at offset 0", noImageChange, [](auto& b) { b[10] = 0; }, BmpError::PixelOffset},
        {"24 bits, rows inside the header", [](auto& i) { i.bitCount = 24; }, [](auto& b) { b[10] = 50; },
         BmpError::PixelOffset},
        {"32-bit copy beyond 4 GiB", [](auto& i) { i.width = 40000, i.height = 30000; }, noByteChange,
         BmpError::TooLarge},
        {"32-bit row beyond 2 GiB", [](auto& i) { i.width = 0x20000000, i.height = 1; }, noByteChange,
         BmpError::TooLarge},
        {"last row byte missing", noImageChange, [](auto& b) { b.pop_back(); }, BmpError::Truncated},
        {"rows beyond the end", [](auto& i) { i.pixelOffset = 4000; }, [](auto& b) { b.resize(200); },
         BmpError::Truncated},
        {"palette cut short", [](auto& i) { i.colorsUsed = 0; }, noByteChange, BmpError::PixelOffset},
        {"larger than the file", [](auto& i) { i.width = 1000, i.height = 1000; }, noByteChange, BmpError::Truncated},
    };
    for (const CorruptCase& c : cases) {
        SCOPED_TRACE(c.name);
        BmpImage image = SmallPalettePicture();
        c.changeImage(image);
        std::vector<uint8_t> bytes = MakeBmp(image);
        c.changeBytes(bytes);
        PixelSource source;
        EXPECT_EQ(ParseBmp(bytes.data(), bytes.size(), source), c.expected)
            << "got " << ToString(ParseBmp(bytes.data(), bytes.size(), source));
        EXPECT_FALSE(IsAcceptedBmp(bytes.data(), bytes.size()));
        DibBuffer target;
        ASSERT_TRUE(target.Allocate(3, 3, 32));
        target.Pixels()[0] = 77;
        EXPECT_EQ(ReadBmpMemory(bytes.data(), bytes.size(), target), 0);
        EXPECT_EQ(target.Width(), 3) << "a refused file leaves the target alone";
        EXPECT_EQ(target.Pixels()[0], 77);
    }
}

TEST(BmpReader, EveryErrorHasItsOwnText) {
    std::set<std::string> texts;
    for (int e = static_cast<int>(BmpError::None); e <= static_cast<int>(BmpError::Truncated); ++e)
        texts.insert(ToString(static_cast<BmpError>(e)));
    EXPECT_EQ(texts.size(), static_cast<size_t>(BmpError::Truncated) + 1);
}

struct DecodeCase {
    const char* name;
    BmpImage image;
    std::vector<Bgr> expected;  // bottom-up, left to right
    std::vector<uint8_t> fourthBytes = {};
};

BmpImage Image(int32_t width,
               int32_t height,
               uint16_t bitCount,
               std::vector<uint8_t> palette,
               std::vector<uint8_t> rows,
               uint32_t colorsUsed = 0) {
    BmpImage image;
    image.width = width;
    image.height = height;
    image.bitCount = bitCount;
    image.palette = std::move(palette);
    image.rows = std::move(rows);
    image.colorsUsed = colorsUsed;
    return image;
}

std::vector<uint8_t> TwoColours() {
    return {1, 2, 3, 0, 200, 100, 50, 0};
}

std::vector<uint8_t> SixteenColours() {
    std::vector<uint8_t> palette;
    for (uint8_t i = 0; i < 16; ++i)
        palette.insert(palette.end(), {i, static_cast<uint8_t>(i * 2), static_cast<uint8_t>(i * 3), 0xEE});
    return palette;
}

TEST(BmpReader, ConvertsEveryDepthTo32Bits) {
    const Bgr c0{1, 2, 3}, c1{200, 100, 50}, black{0, 0, 0};
    std::vector<uint8_t> full8(1024);
    full8[4 * 255] = 9, full8[4 * 255 + 1] = 8, full8[4 * 255 + 2] = 7;
    BmpImage gap = Image(1, 1, 24, {}, {11, 22, 33, 0});
    gap.pixelOffset = 100;
    BmpImage paletted24 = Image(1, 1, 24, TwoColours(), {11, 22, 33, 0}, 2);
    DecodeCase cases[] = {
        {"1 bit, most significant bit first, rows padded to 4 bytes",
         Image(10, 2, 1, TwoColours(), {0b10100000, 0b01000000, 0, 0, 0b01000000, 0, 0, 0}),
         {c1, c0, c1, c0, c0, c0, c0, c0, c0, c1, c0, c1, c0, c0, c0, c0, c0, c0, c0, c0}},
        {"4 bits, high nibble first, 16-entry palette by default",
         Image(3, 1, 4, SixteenColours(), {0x1F, 0x20, 0, 0}),
         {{1, 2, 3}, {15, 30, 45}, {2, 4, 6}}},
        {"8 bits with a 2-colour palette; indices beyond it are black",
         Image(4, 1, 8, TwoColours(), {1, 0, 2, 255}, 2),
         {c1, c0, black, black}},
        {"8 bits with colour count 0 reads all 256 entries", Image(1, 1, 8, full8, {255, 0, 0, 0}), {{9, 8, 7}}},
        {"1 bit with a 1-colour palette: set bits are black",
         Image(2, 1, 1, {5, 6, 7, 0}, {0b01000000, 0, 0, 0}, 1),
         {{5, 6, 7}, black}},
        {"16 bits 5-5-5, times 8 without replication, bit 15 ignored",
         Image(5, 1, 16, {}, {0xFF, 0x7F, 0xFF, 0xFF, 0x1F, 0x00, 0x01, 0x04, 0x20, 0x00, 0, 0}),
         {{248, 248, 248}, {248, 248, 248}, {248, 0, 0}, {8, 0, 8}, {0, 8, 0}}},
        {"24 bits, rows padded", Image(1, 2, 24, {}, {1, 2, 3, 0, 4, 5, 6, 0}), {{1, 2, 3}, {4, 5, 6}}},
        {"24 bits with a palette: rows at the pixel-data offset", paletted24, {{11, 22, 33}}},
        {"rows after a gap", gap, {{11, 22, 33}}},
        {"32 bits keep their fourth bytes",
         Image(2, 1, 32, {}, {1, 2, 3, 4, 5, 6, 7, 0xFF}),
         {{1, 2, 3}, {5, 6, 7}},
         {4, 0xFF}},
    };
    for (const DecodeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<uint8_t> bytes = MakeBmp(c.image);
        DibBuffer picture;
        ASSERT_EQ(ReadBmpMemory(bytes.data(), bytes.size(), picture), 1);
        ASSERT_EQ(picture.Width(), c.image.width);
        ASSERT_EQ(picture.Height(), c.image.height);
        EXPECT_EQ(picture.Header()->info.bitCount, 32);
        EXPECT_EQ(picture.Header()->info.sizeImage, 4u * c.image.width * c.image.height);
        for (int32_t y = 0; y < c.image.height; ++y) {
            for (int32_t x = 0; x < c.image.width; ++x) {
                const uint8_t* p = PixelAt(picture, x, y);
                const Bgr& e = c.expected[static_cast<size_t>(y * c.image.width + x)];
                EXPECT_EQ(p[0], e.blue) << "x " << x << " y " << y;
                EXPECT_EQ(p[1], e.green) << "x " << x << " y " << y;
                EXPECT_EQ(p[2], e.red) << "x " << x << " y " << y;
                const uint8_t fourth = c.fourthBytes.empty() ? 0 : c.fourthBytes[static_cast<size_t>(x)];
                EXPECT_EQ(p[3], fourth) << "x " << x << " y " << y;
            }
        }
    }
}

TEST(BmpReader, ReadsFilesAndFailsQuietlyOnMissingOnes) {
    const TempFile file("reader.bmp", MakeBmp(Image(1, 1, 24, {}, {7, 8, 9, 0})));
    DibBuffer picture;
    ASSERT_EQ(ReadBmpFile(file.Path(), picture), 1);
    EXPECT_EQ(PixelAt(picture, 0, 0)[2], 9);
    DibBuffer missing;
    EXPECT_EQ(ReadBmpFile(file.Path() + ".missing", missing), 0);
    EXPECT_TRUE(missing.IsEmpty());
}

TEST(BmpReader, ExpandTo32RefusesUnknownDepths) {
    const uint8_t rows[4] = {};
    PixelSource source;
    source.width = 1;
    source.height = 1;
    source.bitCount = 2;
    source.rows = rows;
    uint8_t out[4] = {};
    EXPECT_EQ(ExpandTo32(source, out), 0);
}

}  // namespace
