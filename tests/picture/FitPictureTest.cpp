// Fitting into the skin's boxes: the fitted sizes, the sampling positions and the smoothing.
#include <gtest/gtest.h>

#include <cstring>

#include "TestBitmaps.h"
#include "picture/FitPicture.h"

namespace {

// A 32-bit picture whose every pixel is (blue, green, red, fourth).
DibBuffer FlatPicture(int32_t width, int32_t height, uint8_t blue, uint8_t green, uint8_t red, uint8_t fourth = 0) {
    DibBuffer picture;
    EXPECT_TRUE(picture.Allocate(width, height, 32));
    for (size_t i = 0; i < picture.PixelBytes(); i += 4) {
        uint8_t* p = picture.Pixels() + i;
        p[0] = blue, p[1] = green, p[2] = red, p[3] = fourth;
    }
    return picture;
}

TEST(FitPicture, FitsTheWorkedSizes) {
    struct Row {
        int32_t width, height;
        int32_t fit232[2], fit116[2], fit108x144[2];
    } rows[] = {
        {640, 480, {275, 206}, {155, 116}, {108, 81}},
        {100, 50, {275, 138}, {232, 116}, {108, 54}},
        {275, 232, {275, 232}, {138, 116}, {108, 91}},
        {300, 1000, {70, 232}, {35, 116}, {43, 144}},
        {1, 1, {232, 232}, {116, 116}, {108, 108}},
        // Pictures that would round one side to nothing keep one pixel there.
        {1000, 1, {275, 1}, {275, 1}, {108, 1}},
        {1, 1000, {1, 232}, {1, 116}, {1, 144}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.width) + " x " + std::to_string(row.height));
        const DibBuffer source = FlatPicture(row.width, row.height, 1, 2, 3);
        struct Box {
            int32_t width, height;
            const int32_t* expected;
        } boxes[] = {{275, 232, row.fit232}, {275, 116, row.fit116}, {108, 144, row.fit108x144}};
        for (const Box& box : boxes) {
            SCOPED_TRACE(std::to_string(box.width) + " x " + std::to_string(box.height));
            const FitGeometry fit = ComputeFit(row.width, row.height, box.width, box.height);
            EXPECT_EQ(fit.width, box.expected[0]);
            EXPECT_EQ(fit.height, box.expected[1]);
            DibBuffer fitted;
            ASSERT_EQ(FitPicture(source, fitted, box.width, box.height), 1);
            EXPECT_EQ(fitted.Width(), box.expected[0]);
            EXPECT_EQ(fitted.Height(), box.expected[1]);
            EXPECT_EQ(fitted.PixelBytes(), 4u * box.expected[0] * box.expected[1]);
        }
    }
}

// Every border configuration of the 3 x 3 neighbourhood occurs in these sources fitted at scale 1
// (corners, edges, interior, and both sides missing in single rows and columns). The weights are
// renormalised over whatever is inside, so each flat colour must come back exactly.
TEST(FitPicture, KeepsEveryFlatColourExactlyUpToTheBorders) {
    const int32_t sizes[][2] = {{3, 3}, {1, 3}, {3, 1}, {1, 1}, {4, 5}};
    for (const auto& size : sizes) {
        for (int v = 0; v < 256; ++v) {
            const uint8_t blue = static_cast<uint8_t>(v), green = static_cast<uint8_t>(255 - v),
                          red = static_cast<uint8_t>(v * 7);
            const DibBuffer source = FlatPicture(size[0], size[1], blue, green, red, 0xAB);
            DibBuffer fitted;
            ASSERT_EQ(FitPicture(source, fitted, size[0], size[1]), 1);
            ASSERT_EQ(fitted.Width(), size[0]);
            for (size_t i = 0; i < fitted.PixelBytes(); i += 4) {
                const uint8_t* p = fitted.Pixels() + i;
                ASSERT_TRUE(p[0] == blue && p[1] == green && p[2] == red && p[3] == 0)
                    << size[0] << " x " << size[1] << " value " << v << " at byte " << i;
            }
        }
    }
    // And at a real reduction.
    for (int v : {0, 1, 127, 128, 254, 255}) {
        const DibBuffer source = FlatPicture(640, 480, static_cast<uint8_t>(v), 0, 255);
        DibBuffer fitted;
        ASSERT_EQ(FitPicture(source, fitted, 275, 232), 1);
        for (size_t i = 0; i < fitted.PixelBytes(); i += 4)
            ASSERT_EQ(fitted.Pixels()[i], v) << "at byte " << i;
    }
}

// A real reduction, 640 x 480 into 275 x 232: 275 x 206 at s = 275 / 640 = 55 / 128, so destination
// index i samples source index trunc(i * 128 / 55). The source is blue = x mod 256, green = y mod
// 256 (stored rows) and red a checkerboard of 0 and 255 on x + y. A linear ramp comes back as its
// centre value wherever the whole neighbourhood is inside (the kernel is symmetric); the
// checkerboard shows the weights: an even centre gets its four edge neighbours, 255 * 0.12 / 1.2,
// an odd one its centre and corners, 255 * 1.08 / 1.2.
TEST(FitPicture, ReducesAGradientToTheHandComputedPixels) {
    DibBuffer source;
    ASSERT_TRUE(source.Allocate(640, 480, 32));
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x) {
            uint8_t* p = source.Pixels() + 4 * (static_cast<size_t>(y) * 640 + x);
            p[0] = static_cast<uint8_t>(x), p[1] = static_cast<uint8_t>(y), p[2] = (x + y) % 2 ? 255 : 0;
        }
    const struct {
        int32_t x, y;              // destination pixel
        uint8_t blue, green, red;  // source centre in the comment
    } rows[] = {
        {1, 1, 2, 2, 25},          // (2, 2)
        {4, 1, 9, 2, 229},         // (9, 2): odd centre
        {54, 54, 125, 125, 25},    // (125.67 -> 125, 125)
        {274, 205, 125, 221, 25},  // (637, 477), the last row and column
        {110, 50, 14, 116, 25},    // (256, 116): blue neighbours 255, 0, 1 -> 256 * 0.07 / 1.2
        {0, 0, 0, 0, 14},          // (0, 0), a corner: 255 * 0.06 / 1.08
        {55, 0, 128, 0, 20},       // (128, 0), the bottom edge: 255 * 0.09 / 1.13; green 0.07 / 1.13
    };
    DibBuffer fitted;
    ASSERT_EQ(FitPicture(source, fitted, 275, 232), 1);
    ASSERT_EQ(fitted.Width(), 275);
    ASSERT_EQ(fitted.Height(), 206);
    for (const auto& row : rows) {
        const uint8_t* p = PixelAt(fitted, row.x, row.y);
        EXPECT_EQ(p[0], row.blue) << row.x << "," << row.y;
        EXPECT_EQ(p[1], row.green) << row.x << "," << row.y;
        EXPECT_EQ(p[2], row.red) << row.x << "," << row.y;
    }
}

// One bright pixel in the middle of a dark 3 x 3 picture, fitted at scale 1: each output pixel
// is the bright pixel's weight over the weight total inside the picture, truncated.
TEST(FitPicture, SmoothsWithTheKernelRenormalisedAtTheBorders) {
    DibBuffer source = FlatPicture(3, 3, 0, 0, 0);
    std::memset(source.Pixels() + 4 * 4, 255, 3);
    DibBuffer fitted;
    ASSERT_EQ(FitPicture(source, fitted, 3, 3), 1);
    const int expected[3][3] = {
        {4, 6, 4},    // 255 x 0.02 / 1.08, 255 x 0.03 / 1.13
        {6, 212, 6},  // 255 / 1.2
        {4, 6, 4},
    };
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(PixelAt(fitted, x, y)[1], expected[y][x]) << "x " << x << " y " << y;
}

// A picture smaller than the box is enlarged by repeating its pixels: destination index i samples
// source index trunc(i / scale), bottom rows to bottom rows.
TEST(FitPicture, EnlargesByRepeatingPixels) {
    struct Case {
        const char* name;
        int32_t width, height;
        bool alongRows;
        int32_t lastLow;  // last destination index that still samples source pixel 0
    } cases[] = {
        {"2 x 1, scale 137.5", 2, 1, true, 137},
        {"1 x 2, scale 116", 1, 2, false, 115},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibBuffer source = FlatPicture(c.width, c.height, 0, 0, 0);
        std::memset(source.Pixels() + 4, 255, 3);  // pixel 1: right of or above pixel 0
        DibBuffer fitted;
        ASSERT_EQ(FitPicture(source, fitted, 275, 232), 1);
        auto at = [&](int32_t i) { return c.alongRows ? PixelAt(fitted, i, 0)[0] : PixelAt(fitted, 0, i)[0]; };
        EXPECT_EQ(at(0), 7);  // 255 x 0.03 / 1.03
        EXPECT_EQ(at(c.lastLow), 7);
        EXPECT_EQ(at(c.lastLow + 1), 247);  // 255 / 1.03
        EXPECT_EQ(at((c.alongRows ? fitted.Width() : fitted.Height()) - 1), 247);
    }
}

TEST(FitPicture, CopiesTheSourceHeaderWithTheNewSize) {
    DibBuffer source = FlatPicture(640, 480, 1, 2, 3);
    source.Header()->info.xPelsPerMeter = 2835;
    DibBuffer fitted;
    ASSERT_EQ(FitPicture(source, fitted, 275, 116), 1);
    const BitmapInfoHeader& info = fitted.Header()->info;
    EXPECT_EQ(info.xPelsPerMeter, 2835);
    EXPECT_EQ(info.width, 155);
    EXPECT_EQ(info.height, 116);
    EXPECT_EQ(info.bitCount, 32);
    EXPECT_EQ(info.sizeImage, 4u * 155 * 116);
}

TEST(FitPicture, RefusesWhatIsNotA32BitPicture) {
    DibBuffer empty, paletted, fitted;
    ASSERT_TRUE(paletted.Allocate(4, 4, 8));
    ASSERT_TRUE(fitted.Allocate(1, 1, 32));
    EXPECT_EQ(FitPicture(empty, fitted, 275, 232), 0);
    EXPECT_EQ(FitPicture(paletted, fitted, 275, 232), 0);
    EXPECT_EQ(fitted.Width(), 1) << "the destination is kept when nothing can be fitted";
}

}  // namespace
