#include <gtest/gtest.h>

#include <cstring>

#include "CanvasTestUtil.h"
#include "compose/TemplateSizes.h"
#include "writer/BitmapFile.h"
#include "writer/SkinBitmaps.h"

namespace {

uint32_t Get32(const uint8_t* at) {
    return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16 | uint32_t(at[3]) << 24;
}
uint16_t Get16(const uint8_t* at) {
    return uint16_t(at[0] | at[1] << 8);
}

TEST(BitmapHeaders, EveryFieldForEverySkinBitmap) {
    struct Size {
        const char* name;
        int32_t w, h;
        uint32_t fileSize;
    };
    const Size sizes[] = {
        {"MAIN.BMP", 275, 116, 96102},  {"EQMAIN.BMP", 275, 163, 135018}, {"EQ_EX.BMP", 275, 57, 47250},
        {"BALANCE.BMP", 47, 13, 1926},  {"CBUTTONS.BMP", 136, 36, 14742}, {"MONOSTER.BMP", 56, 24, 4086},
        {"POSBAR.BMP", 307, 10, 9294},  {"SHUFREP.BMP", 92, 85, 23514},   {"TITLEBAR.BMP", 344, 87, 89838},
        {"NUMS_EX.BMP", 108, 13, 4266}, {"PLAYPAUS.BMP", 42, 9, 1206},    {"VOLUME.BMP", 68, 13, 2706},
        {"TEXT.BMP", 155, 18, 8478},    {"PLEDIT.BMP", 280, 186, 156294}, {"MB.BMP", 242, 119, 86686},
    };
    const auto recipes = SkinBitmapRecipes();
    ASSERT_EQ(recipes.size(), std::size(sizes));
    for (size_t i = 0; i < recipes.size(); ++i) {
        const Size& size = sizes[i];
        SCOPED_TRACE(size.name);
        EXPECT_STREQ(recipes[i].name, size.name);
        EXPECT_EQ(recipes[i].width, size.w);
        EXPECT_EQ(recipes[i].height, size.h);
        BitmapImage image;
        ASSERT_EQ(image.Create(size.w, size.h), 1);
        const uint8_t* b = image.Data();
        const uint32_t stride = (3 * size.w + 3) / 4 * 4;
        EXPECT_EQ(image.Size(), size.fileSize);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(Get32(b + 2), size.fileSize);
        EXPECT_EQ(Get32(b + 6), 0u);
        EXPECT_EQ(Get32(b + 10), 54u);
        EXPECT_EQ(Get32(b + 14), 40u);
        EXPECT_EQ(Get32(b + 18), uint32_t(size.w));
        EXPECT_EQ(Get32(b + 22), uint32_t(size.h));
        EXPECT_EQ(Get16(b + 26), 1);
        EXPECT_EQ(Get16(b + 28), 24);
        EXPECT_EQ(Get32(b + 30), 0u);
        EXPECT_EQ(Get32(b + 34), stride * uint32_t(size.h));
        for (size_t at = 38; at < image.Size(); ++at)
            ASSERT_EQ(b[at], 0) << "byte " << at;
    }
}

TEST(BitmapImage, RefusesSizesItCannotDescribe) {
    BitmapImage image;
    for (auto [w, h] : {std::pair{0, 1}, {1, 0}, {-5, 3}, {3, -5}, {0x8000, 1}, {1, INT32_MAX}}) {
        EXPECT_EQ(image.Create(w, h), 0) << w << " x " << h;
        EXPECT_EQ(image.Size(), 0u);
    }
}

TEST(EncodeBitmap24, DropsTheFourthByteAndKeepsRowsBottomUp) {
    DibBuffer source;
    ASSERT_TRUE(source.Allocate(5, 2, 32));
    for (size_t i = 0; i < source.PixelBytes(); ++i)
        source.Pixels()[i] = uint8_t(i);
    BitmapImage image;
    ASSERT_EQ(EncodeBitmap24(source, image), 1);
    EXPECT_EQ(image.Size(), 54u + 16u * 2u);
    for (int32_t r = 0; r < 2; ++r) {
        for (int32_t x = 0; x < 5; ++x) {
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(image.Row(r)[3 * x + c], uint8_t(r * 20 + 4 * x + c));
        }
        EXPECT_EQ(image.Row(r)[15], 0);  // padding
    }

    DibBuffer notThirtyTwo;
    ASSERT_TRUE(notThirtyTwo.Allocate(5, 2, 24));
    EXPECT_EQ(EncodeBitmap24(notThirtyTwo, image), 0);
    EXPECT_EQ(EncodeBitmap24(DibBuffer{}, image), 0);
}

}  // namespace
