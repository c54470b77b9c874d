#include <gtest/gtest.h>

#include <cstring>

#include "CanvasTestUtil.h"
#include "SyntheticTemplates.h"
#include "compose/Compose.h"
#include "compose/SkinLayout.h"

namespace {

using testutil::At;
using testutil::Bgr0;
using testutil::Pixel;

// The synthetic template pixel at (x, y) of template `id`, as the preview copier would write it
// over a fourth byte `fourth`.
Pixel PreviewPixel(const SkinSettings& s, int id, int32_t x, int32_t y, uint8_t fourth) {
    const int32_t height = ExpectedTemplateSize(id).height;
    const synthetic::Rgb3 c = synthetic::PatternAt(id, x, height - 1 - y);
    const uint32_t value = uint32_t(c.red) << 16 | uint32_t(c.green) << 8 | c.blue;
    if (value == 0x0060E4)
        return Bgr0(s.ColorBG, fourth);
    if (value == 0x00C0FF)
        return Bgr0(s.Color, fourth);
    if (value == 0xFF0000)
        return Bgr0(s.TextNORMAL, fourth);
    return {c.blue, c.green, c.red, fourth};
}

SkinSettings DistinctColors() {
    SkinSettings s;
    s.ColorBG = Rgb(11, 12, 13);
    s.Color = Rgb(21, 22, 23);
    s.TextNORMAL = Rgb(31, 32, 33);
    s.SideColor = Rgb(41, 42, 43);
    s.ColorBG.alpha = 0x77;
    return s;
}

TEST(BlitTemplate, ReplacesThePreviewMarkersAndKeepsTheFourthByte) {
    const SkinSettings s = DistinctColors();
    const TemplateBitmap source = synthetic::PatternTemplate(kTplPlEdit);
    DibBuffer canvas;
    ASSERT_TRUE(canvas.Allocate(275, 116, 32));
    std::memset(canvas.Pixels(), 0xEE, canvas.PixelBytes());
    // Stored rows: template rows 40..59 go to canvas rows 10..29, columns 5.. to 100..
    BlitTemplate(s, source, 5, 40, canvas, 100, 10, 30, 20);
    for (int32_t k = 0; k < 20; ++k) {
        for (int32_t j = 0; j < 30; ++j) {
            SCOPED_TRACE(testing::Message() << "row " << k << " column " << j);
            const Pixel expected = PreviewPixel(s, kTplPlEdit, 5 + j, 186 - 1 - (40 + k), 0xEE);
            EXPECT_EQ(At(canvas, 100 + j, 116 - 1 - (10 + k)), expected);
        }
    }
    // Around the rectangle nothing changed.
    EXPECT_EQ(At(canvas, 99, 116 - 1 - 10), (Pixel{0xEE, 0xEE, 0xEE, 0xEE}));
    EXPECT_EQ(At(canvas, 130, 116 - 1 - 10), (Pixel{0xEE, 0xEE, 0xEE, 0xEE}));
    EXPECT_EQ(At(canvas, 100, 116 - 1 - 30), (Pixel{0xEE, 0xEE, 0xEE, 0xEE}));
}

TEST(BlitTemplate, CopiesNothingForEmptyOrOutOfBoundsRectangles) {
    const SkinSettings s;
    const TemplateBitmap source = synthetic::PatternTemplate(kTplPlayPaus);  // 42 x 9
    DibBuffer canvas;
    ASSERT_TRUE(canvas.Allocate(275, 116, 32));
    struct Row {
        int32_t sx, sr, dx, dr, w, h;
    };
    const Row rows[] = {
        {0, 0, 0, 0, 0, 5},   {0, 0, 0, 0, 5, -1}, {40, 0, 0, 0, 3, 1},
        {0, 8, 0, 0, 1, 2},   {-1, 0, 0, 0, 2, 2}, {0, 0, 274, 0, 2, 1},
        {0, 0, 0, 115, 1, 2}, {0, 0, 0, -1, 1, 1}, {0, 0, INT32_MAX, 0, 2, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.sx << "," << row.sr << " -> " << row.dx << "," << row.dr << " " << row.w
                                        << "x" << row.h);
        BlitTemplate(s, source, row.sx, row.sr, canvas, row.dx, row.dr, row.w, row.h);
        for (size_t i = 0; i < canvas.PixelBytes(); ++i)
            ASSERT_EQ(canvas.Pixels()[i], 0) << "byte " << i;
    }
}

class ComposeTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(canvases.Allocate()); }
    SkinCanvases canvases;
    TemplateSource templates = synthetic::PatternTemplate;
};

TEST_F(ComposeTest, OverlayHoldsTheSevenPiecesOnWhite) {
    const SkinSettings s = DistinctColors();
    BuildTemplates(s, canvases, templates);
    const DibBuffer& overlay = canvases.controlOverlay;
    struct Piece {
        int id;
        int32_t sx, sy, w, h, x, y;
    };
    const Piece pieces[] = {
        {kTplCButtons, 0, 0, 114, 18, 16, 88}, {kTplCButtons, 114, 0, 22, 16, 136, 89},
        {kTplPlayPaus, 20, 2, 6, 6, 28, 30},   {kTplShufRep, 28, 30, 46, 15, 164, 89},
        {kTplShufRep, 0, 30, 28, 15, 210, 89}, {kTplShufRep, 0, 73, 46, 12, 219, 58},
        {kTplTitleBar, 304, 0, 8, 43, 10, 22},
    };
    for (const Piece& p : pieces) {
        SCOPED_TRACE(testing::Message() << "template " << p.id << " at " << p.x << "," << p.y);
        for (int32_t dy = 0; dy < p.h; ++dy) {
            for (int32_t dx = 0; dx < p.w; ++dx) {
                ASSERT_EQ(At(overlay, p.x + dx, p.y + dy), PreviewPixel(s, p.id, p.sx + dx, p.sy + dy, 0));
            }
        }
    }
    for (auto [x, y] : {std::pair{0, 0}, {274, 115}, {15, 88}, {200, 10}})
        EXPECT_EQ(At(overlay, x, y), (Pixel{255, 255, 255, 0})) << x << "," << y;
}

TEST_F(ComposeTest, PlaylistBaseLeavesTheListAreaAlone) {
    const SkinSettings s = DistinctColors();
    BuildTemplates(s, canvases, templates);
    const DibBuffer& base = canvases.playlistBase;
    for (int32_t y = 20; y <= 77; ++y) {
        for (int32_t x = 25; x <= 249; ++x) {
            ASSERT_EQ(At(base, x, y), (Pixel{0, 0, 0, 0})) << x << "," << y;
        }
    }
    // A few pieces, including the last one over earlier ones: top-right corner and title bar.
    EXPECT_EQ(At(base, 250, 0), PreviewPixel(s, kTplPlEdit, 153, 0, 0));
    EXPECT_EQ(At(base, 87, 5), PreviewPixel(s, kTplPlEdit, 26, 5, 0));
    EXPECT_EQ(At(base, 100, 0), PreviewPixel(s, kTplPlEdit, 39, 0, 0));     // title bar over nothing
    EXPECT_EQ(At(base, 75, 3), PreviewPixel(s, kTplPlEdit, 127, 3, 0));     // filler at 75
    EXPECT_EQ(At(base, 260, 20), PreviewPixel(s, kTplPlEdit, 52, 53, 0));   // scroll button over the side
    EXPECT_EQ(At(base, 130, 90), PreviewPixel(s, kTplPlEdit, 131, 84, 0));  // bottom-right bar
}

// A main canvas composed from one flat picture with a white-only overlay leaves only background.
SkinSettings PlainBackground() {
    SkinSettings s = DistinctColors();
    s.SkinAlphaBrend = 0;
    s.SkinLine = 0;
    return s;
}

TEST_F(ComposeTest, PictureIsCentredWithTheOddMarginAtRightAndTop) {
    SkinSettings s = PlainBackground();
    s.FullSize = 0;
    const SkinColorValue picture = Rgb(200, 150, 100);
    const DibBuffer fit116 = testutil::SolidPicture(274, 115, picture);
    const DibBuffer fit232 = testutil::SolidPicture(10, 10, picture);
    std::memset(canvases.main.Pixels(), 0x33, canvases.main.PixelBytes());
    ComposeSkin(s, fit232, fit116, canvases, templates);
    const DibBuffer& c = canvases.main;
    EXPECT_EQ(At(c, 0, 1), Bgr0(picture, 0x33));      // no margin at the left
    EXPECT_EQ(At(c, 273, 115), Bgr0(picture, 0x33));  // nor at the bottom
    EXPECT_EQ(At(c, 274, 50), Bgr0(s.SideColor, 0x33));
    EXPECT_EQ(At(c, 100, 0), Bgr0(s.SideColor, 0x33));
    // The stacked canvas was not chosen and keeps its zeros.
    EXPECT_EQ(At(canvases.mainEq, 137, 116), (Pixel{0, 0, 0, 0}));
}

TEST_F(ComposeTest, PreviewFrameWritesItsRowsLast) {
    SkinSettings s = PlainBackground();
    s.SkinLine = 1;
    s.FullSize = 1;
    const DibBuffer fit232 = testutil::SolidPicture(275, 232, Rgb(1, 1, 1));
    const DibBuffer fit116 = testutil::SolidPicture(275, 116, Rgb(1, 1, 1));
    ComposeSkin(s, fit232, fit116, canvases, templates);
    const DibBuffer& c = canvases.mainEq;
    const Pixel grey{128, 128, 128, 0};
    const Pixel inner = testutil::All4(s.ColorBG);
    struct Row {
        int32_t x, y;
        Pixel expected;
    };
    const Row rows[] = {
        {0, 0, grey},
        {274, 231, grey},
        {1, 0, grey},
        {0, 100, grey},
        {274, 100, grey},
        {1, 100, inner},
        {273, 5, inner},
        {100, 1, inner},
        {100, 230, inner},
        {0, 1, inner},
        {274, 1, inner},
        {0, 230, inner},
        {274, 230, inner},
        {1, 1, inner},
        {2, 2, {1, 1, 1, 0}},
        {100, 115, {1, 1, 1, 0}},
        {100, 116, {1, 1, 1, 0}},  // no line between the windows
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.x << "," << row.y);
        EXPECT_EQ(At(c, row.x, row.y), row.expected);
    }
}

TEST_F(ComposeTest, OverlayIsBlendedIntoTheMainWindowHalf) {
    SkinSettings s = DistinctColors();
    s.SkinLine = 0;
    s.SkinAlphaBrend = 7;
    const SkinColorValue picture = Rgb(100, 100, 100);
    const DibBuffer fit232 = testutil::SolidPicture(275, 232, picture);
    const DibBuffer fit116 = testutil::SolidPicture(275, 116, picture);
    BuildTemplates(s, canvases, templates);
    // Every overlay pixel of the control buttons, blended or skipped, in the half that holds
    // the main window.
    for (int32_t reverse : {0, 1}) {
        for (int32_t full : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "FullSize " << full << " SkinReverse " << reverse);
            s.FullSize = full;
            s.SkinReverse = reverse;
            ComposeSkin(s, fit232, fit116, canvases, templates);
            const DibBuffer& c = full ? canvases.mainEq : canvases.main;
            const int32_t top = full && reverse ? 116 : 0;
            const int32_t otherTop = full ? 116 - top : -1;
            for (int32_t y = 88; y < 106; ++y) {
                for (int32_t x = 16; x < 130; ++x) {
                    const Pixel o = At(canvases.controlOverlay, x, y);
                    Pixel expected = Bgr0(picture, 0);
                    if (!(o[0] == 255 && o[1] == 255 && o[2] == 255)) {
                        for (int ch = 0; ch < 3; ++ch)
                            expected[ch] = static_cast<uint8_t>(100 + (o[ch] - 100) * 7 / 10);
                    }
                    ASSERT_EQ(At(c, x, top + y), expected) << x << "," << y;
                    if (otherTop >= 0) {
                        ASSERT_EQ(At(c, x, otherTop + y), Bgr0(picture, 0)) << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST_F(ComposeTest, WhiteUserColourVanishesFromTheOverlay) {
    SkinSettings s = DistinctColors();
    s.Color = Rgb(255, 255, 255);
    s.SkinLine = 0;
    s.SkinAlphaBrend = 10;
    s.FullSize = 0;
    const DibBuffer fit116 = testutil::SolidPicture(275, 116, Rgb(9, 9, 9));
    const DibBuffer fit232 = testutil::SolidPicture(275, 232, Rgb(9, 9, 9));
    BuildTemplates(s, canvases, templates);
    ComposeSkin(s, fit232, fit116, canvases, templates);
    int colorMarkers = 0;
    for (int32_t y = 88; y < 106; ++y) {
        for (int32_t x = 16; x < 130; ++x) {
            const synthetic::Rgb3 t = synthetic::PatternAt(kTplCButtons, x - 16, 36 - 1 - (y - 88));
            const Pixel got = At(canvases.main, x, y);
            if (t.red == 0 && t.green == 192 && t.blue == 255) {
                ++colorMarkers;
                ASSERT_EQ(got, (Pixel{9, 9, 9, 0})) << x << "," << y;
            } else if (t.red == 128 && t.green == 128 && t.blue == 128) {
                ASSERT_EQ(got, (Pixel{128, 128, 128, 0})) << x << "," << y;  // grey is drawn
            }
        }
    }
    EXPECT_GT(colorMarkers, 0);
}

TEST_F(ComposeTest, PlaylistAndBrowserTakeTheirColoursFromTheMasks) {
    SkinSettings s = DistinctColors();
    s.SelectedBG = Rgb(1, 0, 0);
    s.Normal = Rgb(2, 0, 0);
    s.NormalBG = Rgb(3, 0, 0);
    s.Current = Rgb(4, 0, 0);
    s.TextNORMALBG = Rgb(5, 0, 0);
    s.MBFG = Rgb(6, 0, 0);
    s.MBBG = Rgb(7, 0, 0);
    s.Normal.alpha = 0x12;
    const DibBuffer fit = testutil::SolidPicture(20, 20, Rgb(9, 9, 9));
    BuildTemplates(s, canvases, templates);
    ComposeSkin(s, fit, fit, canvases, templates);

    auto check = [&](const DibBuffer& canvas, int id, int32_t left, int32_t topY, auto expectedFor) {
        const TemplateSize size = ExpectedTemplateSize(id);
        for (int32_t y = 0; y < size.height; ++y) {
            for (int32_t x = 0; x < size.width; ++x) {
                const synthetic::Rgb3 t = synthetic::PatternAt(id, x, size.height - 1 - y);
                const uint32_t v = uint32_t(t.red) << 16 | uint32_t(t.green) << 8 | t.blue;
                ASSERT_EQ(At(canvas, left + x, topY + y), expectedFor(v, t, left + x, topY + y))
                    << "template " << id << " at " << x << "," << y;
            }
        }
    };
    const DibBuffer& base = canvases.playlistBase;
    check(canvases.playlistCanvas, kTplPlaylistMask, 11, 20, [&](uint32_t v, synthetic::Rgb3, int32_t x, int32_t y) {
        switch (v) {
            case 0x0000FF:
                return testutil::All4(s.SelectedBG);
            case 0x00FF00:
                return testutil::All4(s.Normal);
            case 0xFF0000:
                return testutil::All4(s.NormalBG);
            case 0xFFFFFF:
                return testutil::All4(s.Current);
            default:
                return At(base, x, y);
        }
    });
    check(canvases.playlistCanvas, kTplTimeMask, 132, 88, [&](uint32_t v, synthetic::Rgb3, int32_t x, int32_t y) {
        switch (v) {
            case 0x000000:
                return testutil::All4(s.TextNORMALBG);
            case 0xFF0000:
                return testutil::All4(s.TextNORMAL);
            default:
                return At(base, x, y);
        }
    });
    check(canvases.browserCanvas, kTplBrowserWindow, 0, 0, [&](uint32_t v, synthetic::Rgb3 t, int32_t, int32_t) {
        switch (v) {
            case 0x00C0FF:
                return testutil::All4(s.Color);
            case 0x0000FF:
                return testutil::All4(s.MBFG);
            case 0x0060E4:
                return testutil::All4(s.ColorBG);
            case 0x00FF00:
                return testutil::All4(s.MBBG);
            default:
                return Pixel{t.blue, t.green, t.red, 0};
        }
    });
}

TEST_F(ComposeTest, MissingOrMisfitTemplatesAreLeftOut) {
    const SkinSettings s = DistinctColors();
    const TemplateSource broken = [](int id) {
        return id == kTplCButtons ? synthetic::SolidTemplate(kTplPlayPaus, {1, 2, 3}) : TemplateBitmap{};
    };
    const DibBuffer fit = testutil::SolidPicture(20, 20, Rgb(9, 9, 9));
    BuildTemplates(s, canvases, broken);
    ComposeSkin(s, fit, fit, canvases, broken);
    for (size_t i = 0; i < canvases.controlOverlay.PixelBytes(); i += 4)
        ASSERT_EQ(canvases.controlOverlay.Pixels()[i], 255);
    for (size_t i = 0; i < canvases.browserCanvas.PixelBytes(); ++i)
        ASSERT_EQ(canvases.browserCanvas.Pixels()[i], 0);
}

}  // namespace
