#include <gtest/gtest.h>

#include <array>

#include "CanvasTestUtil.h"
#include "SyntheticTemplates.h"
#include "compose/Compose.h"
#include "writer/SkinWriter.h"

namespace {

using Bgr = std::array<uint8_t, 3>;

// The work pixel at (x, stored row r).
Bgr WorkAt(const SkinWriter& w, int32_t x, int32_t r) {
    const uint8_t* p = w.WorkRow(r) + 3 * x;
    return {p[0], p[1], p[2]};
}

Bgr Of(const SkinColorValue& c) {
    return {c.blue, c.green, c.red};
}

TEST(WorkBuffer, RowOffsetsFollowFullSizeAndSkinReverse) {
    struct Row {
        int32_t fullSize, skinReverse, rows, mainRow, eqRow;
    };
    const Row rows[] = {{0, 0, 116, 0, -1}, {0, 1, 116, 0, -1}, {1, 0, 232, 116, 0}, {1, 1, 232, 0, 116}};
    const DibBuffer fit232 = testutil::SolidPicture(275, 232, Rgb(1, 2, 3));
    const DibBuffer fit116 = testutil::SolidPicture(275, 116, Rgb(1, 2, 3));
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "FullSize " << row.fullSize << " SkinReverse " << row.skinReverse);
        SkinSettings s;
        s.FullSize = row.fullSize;
        s.SkinReverse = row.skinReverse;
        SkinWriter writer(s, fit232, fit116, synthetic::PatternTemplate);
        ASSERT_TRUE(writer.IsReady());
        writer.BuildWorkBuffer();
        EXPECT_EQ(writer.WorkRows(), row.rows);
        EXPECT_EQ(writer.MainRow(), row.mainRow);
        EXPECT_EQ(writer.EqRow(), row.eqRow);
    }
}

TEST(WorkBuffer, PictureIsCentredWithOddMarginsAtRightAndTop) {
    SkinSettings s;
    s.FullSize = 0;
    s.SkinLine = 0;
    s.SideColor = Rgb(7, 8, 9);
    const SkinColorValue picture = Rgb(100, 110, 120);
    struct Row {
        int32_t w, h, x0, y0;
    };
    const Row rows[] = {{275, 116, 0, 0}, {274, 115, 0, 0}, {100, 50, 87, 33}, {1, 1, 137, 57}};
    const DibBuffer fit232 = testutil::SolidPicture(10, 10, picture);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.w << " x " << row.h);
        const DibBuffer fit116 = testutil::SolidPicture(row.w, row.h, picture);
        SkinWriter writer(s, fit232, fit116, synthetic::PatternTemplate);
        writer.BuildWorkBuffer();
        for (int32_t r = 0; r < 116; ++r) {
            for (int32_t x = 0; x < 275; ++x) {
                const bool inside = x >= row.x0 && x < row.x0 + row.w && r >= row.y0 && r < row.y0 + row.h;
                ASSERT_EQ(WorkAt(writer, x, r), inside ? Of(picture) : Of(s.SideColor)) << x << ", row " << r;
            }
            const uint8_t* filler = writer.WorkRow(r) + 825;
            ASSERT_EQ(filler[0] | filler[1] | filler[2], 0);
        }
    }
}

// The skin files keep the outer ring grey all round; the preview draws its second rows last, so
// only the four outermost pixels of the second and second-to-last rows differ.
TEST(WorkBuffer, FrameDiffersFromThePreviewOnlyAtTheSecondRowEnds) {
    for (int32_t full : {0, 1}) {
        SCOPED_TRACE(testing::Message() << "FullSize " << full);
        SkinSettings s;
        s.FullSize = full;
        s.SkinLine = 1;
        s.SkinAlphaBrend = 0;  // the preview's overlay leaves the background alone
        s.ColorBG = Rgb(1, 2, 3);
        const DibBuffer fit232 = testutil::SolidPicture(275, 232, Rgb(50, 60, 70));
        const DibBuffer fit116 = testutil::SolidPicture(275, 116, Rgb(50, 60, 70));
        SkinWriter writer(s, fit232, fit116, synthetic::PatternTemplate);
        writer.BuildWorkBuffer();
        SkinCanvases canvases;
        ASSERT_TRUE(canvases.Allocate());
        ComposeSkin(s, fit232, fit116, canvases, synthetic::PatternTemplate);
        const DibBuffer& preview = full ? canvases.mainEq : canvases.main;
        const int32_t rows = writer.WorkRows();
        ASSERT_EQ(preview.Height(), rows);
        int differences = 0;
        for (int32_t r = 0; r < rows; ++r) {
            for (int32_t x = 0; x < 275; ++x) {
                const uint8_t* p = preview.Pixels() + size_t(r) * 1100 + 4 * x;
                const Bgr fromPreview{p[0], p[1], p[2]};
                const Bgr fromWriter = WorkAt(writer, x, r);
                if (fromPreview == fromWriter)
                    continue;
                ++differences;
                EXPECT_TRUE((x == 0 || x == 274) && (r == 1 || r == rows - 2)) << x << ", row " << r;
                EXPECT_EQ(fromWriter, (Bgr{128, 128, 128}));
                EXPECT_EQ(fromPreview, Of(s.ColorBG));
            }
        }
        EXPECT_EQ(differences, 4);
        EXPECT_EQ(WorkAt(writer, 1, 1), Of(s.ColorBG));
        EXPECT_EQ(WorkAt(writer, 1, 0), (Bgr{128, 128, 128}));
        EXPECT_EQ(WorkAt(writer, 2, 2), Of(Rgb(50, 60, 70)));
    }
}

}  // namespace
