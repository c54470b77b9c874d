#include <gtest/gtest.h>

#include <cstring>

#include "CanvasTestUtil.h"
#include "SyntheticTemplates.h"
#include "compose/PreviewImage.h"

namespace {

using testutil::At;
using testutil::Pixel;

// Each stock picture a colour of its own, so a slot tells which one it shows.
TemplateBitmap StockTemplates(int id) {
    const uint8_t shade = static_cast<uint8_t>(id);  // 131 .. 134
    return synthetic::SolidTemplate(id, {shade, 0, 0});
}

Pixel Stock(int id) {
    return {0, 0, static_cast<uint8_t>(id), 0};
}

void Fill(DibBuffer& b, uint8_t value) {
    std::memset(b.Pixels(), value, b.PixelBytes());
}

TEST(ComposePreviewImage, LaysOutTheFourSlots) {
    SkinCanvases canvases;
    ASSERT_TRUE(canvases.Allocate());
    Fill(canvases.mainEq, 1);
    Fill(canvases.main, 2);
    Fill(canvases.browserCanvas, 3);
    Fill(canvases.playlistCanvas, 4);
    const Pixel mainEq{1, 1, 1, 1}, main{2, 2, 2, 2}, browser{3, 3, 3, 3}, playlist{4, 4, 4, 4};

    struct Row {
        const char* what;
        bool loaded;
        int32_t fullSize, plSave, mbSave;
        Pixel upperLeft, lowerLeft, upperRight, lowerRight;
    };
    const Row rows[] = {
        {"no picture", false, 1, 1, 1, Stock(131), Stock(132), Stock(133), Stock(134)},
        {"everything", true, 1, 1, 1, mainEq, mainEq, browser, playlist},
        {"main window alone", true, 0, 1, 1, Stock(131), main, browser, playlist},
        {"no playlist", true, 1, 0, 1, mainEq, mainEq, browser, Stock(134)},
        {"no browser", true, 0, 1, 0, Stock(131), main, Stock(133), playlist},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        SkinSettings s;
        s.FullSize = row.fullSize;
        s.PLSave = row.plSave;
        s.MBSave = row.mbSave;
        DibBuffer out;
        ASSERT_EQ(ComposePreviewImage(s, canvases, row.loaded, out, StockTemplates), 1);
        ASSERT_EQ(out.Width(), 550);
        ASSERT_EQ(out.Height(), 232);
        for (auto [x, y] : {std::pair{0, 0}, {274, 115}}) {
            EXPECT_EQ(At(out, x, y), row.upperLeft);
            EXPECT_EQ(At(out, x, y + 116), row.lowerLeft);
            EXPECT_EQ(At(out, x + 275, y), row.upperRight);
            EXPECT_EQ(At(out, x + 275, y + 116), row.lowerRight);
        }
    }
}

TEST(ComposePreviewImage, StacksTheCanvasRowsTheRightWayUp) {
    SkinCanvases canvases;
    ASSERT_TRUE(canvases.Allocate());
    // Mark the top row of the stacked canvas (last stored row) and the top row of the playlist.
    std::memset(canvases.mainEq.Pixels() + 231 * 1100, 9, 1100);
    std::memset(canvases.playlistCanvas.Pixels() + 115 * 1100, 8, 1100);
    SkinSettings s;
    DibBuffer out;
    ASSERT_EQ(ComposePreviewImage(s, canvases, true, out, StockTemplates), 1);
    EXPECT_EQ(At(out, 10, 0), (Pixel{9, 9, 9, 9}));
    EXPECT_EQ(At(out, 10, 1), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(At(out, 300, 116), (Pixel{8, 8, 8, 8}));
    EXPECT_EQ(At(out, 300, 117), (Pixel{0, 0, 0, 0}));
}

TEST(ComposePreviewImage, MissingStockPicturesLeaveBlackSlots) {
    SkinCanvases canvases;
    DibBuffer out;
    const SkinSettings s;
    ASSERT_EQ(ComposePreviewImage(s, canvases, false, out, [](int) { return TemplateBitmap{}; }), 1);
    for (size_t i = 0; i < out.PixelBytes(); ++i)
        ASSERT_EQ(out.Pixels()[i], 0);
    // With a picture the canvases must exist.
    EXPECT_EQ(ComposePreviewImage(s, canvases, true, out, StockTemplates), 0);
    EXPECT_TRUE(out.IsEmpty());
}

}  // namespace
