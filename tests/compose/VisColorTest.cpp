#include <gtest/gtest.h>

#include <vector>

#include "compose/VisColorPanel.h"
#include "compose/VisGradation.h"

namespace {

using VisColors = std::array<SkinColorValue, kVisColorCount>;

// The swatch and marker as drawn by hand from their pixel tables: runs of rows y0..y1 and columns
// x0..x1 of one 64 x 16 swatch. W 255, L 223, S 127, K 0, M 64 grey; C the swatch's colour.
struct Run {
    int y0, y1, x0, x1;
    char what;
};
constexpr Run kSwatchRuns[] = {
    {0, 0, 0, 62, 'W'},   {0, 0, 63, 63, 'K'},                                               //
    {1, 1, 0, 0, 'W'},    {1, 1, 1, 61, 'L'},  {1, 1, 62, 62, 'S'},  {1, 1, 63, 63, 'K'},    //
    {2, 13, 0, 0, 'W'},   {2, 13, 1, 1, 'L'},  {2, 13, 2, 61, 'C'},  {2, 13, 62, 62, 'S'},   //
    {2, 13, 63, 63, 'K'}, {14, 14, 0, 0, 'W'}, {14, 14, 1, 62, 'S'}, {14, 14, 63, 63, 'K'},  //
    {15, 15, 0, 63, 'K'},
};
constexpr Run kMarkerRuns[] = {
    {0, 1, 0, 63, 'M'}, {14, 15, 0, 63, 'M'}, {2, 13, 0, 1, 'M'}, {2, 13, 62, 63, 'M'}, {2, 13, 2, 61, 'C'},
};

struct Pixel {
    int blue, green, red;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

Pixel Expected(char what, const SkinColorValue& color) {
    switch (what) {
        case 'W':
            return {255, 255, 255};
        case 'L':
            return {223, 223, 223};
        case 'S':
            return {127, 127, 127};
        case 'M':
            return {64, 64, 64};
        case 'C':
            return {color.blue, color.green, color.red};
        default:
            return {0, 0, 0};
    }
}

// Pixel x of row y (from the top) of swatch k; a panel H rows high stores that row H - 16k - y - 1
// rows above its first, each 4 * 64 bytes.
Pixel At(const DibBuffer& panel, int k, int x, int y) {
    const uint8_t* p = panel.Pixels() + (panel.Height() - 16 * k - y - 1) * 256 + 4 * x;
    return {p[0], p[1], p[2]};
}

void ExpectRuns(const DibBuffer& panel, int k, const SkinColorValue& color, const Run* runs, size_t count) {
    std::vector<int> covered(64 * 16, 0);
    for (size_t i = 0; i < count; ++i) {
        const Run& run = runs[i];
        for (int y = run.y0; y <= run.y1; ++y) {
            for (int x = run.x0; x <= run.x1; ++x) {
                ++covered[y * 64 + x];
                EXPECT_EQ(At(panel, k, x, y), Expected(run.what, color)) << "swatch " << k << " x " << x << " y " << y;
            }
        }
    }
    for (int n : covered)
        ASSERT_EQ(n, 1) << "the expected runs cover each pixel once";
}

TEST(VisColorPanel, SwatchPixelsFollowTheBevelTable) {
    DibBuffer panel;
    ASSERT_TRUE(AllocateVisPanel(panel, kVisBackground));
    ASSERT_EQ(panel.Height(), 32);
    const SkinColorValue color = Rgb(10, 20, 30);
    DrawSwatch(panel, 1, color);
    ExpectRuns(panel, 1, color, kSwatchRuns, std::size(kSwatchRuns));
    for (int y = 0; y < 16; ++y)
        EXPECT_EQ(At(panel, 0, 5, y), (Pixel{0, 0, 0})) << "the upper swatch stays untouched";
    // The lower swatch's top-left pixel is stored 15 rows above the first: bytes 3840..3842.
    EXPECT_EQ(panel.Pixels()[15 * 256], 255);
    EXPECT_EQ(panel.Pixels()[16 * 256 - 4], 0);  // its top-right corner is black
}

TEST(VisColorPanel, MarkerFramesTheSwatchAndKeepsItsInside) {
    DibBuffer panel;
    ASSERT_TRUE(AllocateVisPanel(panel, kVisAnalyzer));
    ASSERT_EQ(panel.Height(), 256);
    const SkinColorValue color = Rgb(200, 100, 50);
    for (int k : {0, 15}) {
        DrawSwatch(panel, k, color);
        DrawMarker(panel, k);
        ExpectRuns(panel, k, color, kMarkerRuns, std::size(kMarkerRuns));
    }
    EXPECT_EQ(panel.Pixels()[2], 64) << "swatch 15 is the bottom one, first in memory";
    DrawSwatch(panel, 15, color);
    ExpectRuns(panel, 15, color, kSwatchRuns, std::size(kSwatchRuns));
}

TEST(VisColorPanel, SwatchesOutsideThePanelDrawNothing) {
    DibBuffer panel;
    ASSERT_TRUE(AllocateVisPanel(panel, kVisPeak));
    const std::vector<uint8_t> before(panel.Pixels(), panel.Pixels() + panel.PixelBytes());
    for (int k : {-1, 1, 16}) {
        DrawSwatch(panel, k, Rgb(1, 2, 3));
        DrawMarker(panel, k);
    }
    EXPECT_EQ(std::vector<uint8_t>(panel.Pixels(), panel.Pixels() + panel.PixelBytes()), before);
    DibBuffer empty;
    DrawSwatch(empty, 0, Rgb(1, 2, 3));  // a panel that could not be made stays empty
    DrawMarker(empty, 0);
    EXPECT_TRUE(empty.IsEmpty());
}

// Analyzer position m is VisColor 2 + m.
SkinColorValue& Position(VisColors& colors, int m) {
    return colors[static_cast<size_t>(2 + m)];
}

TEST(VisGradation, SinglePrecisionRunningSumTruncates) {
    struct Case {
        const char* name;
        int markA, markB;
        SkinColorValue upper, lower;  // colours at the smaller and the larger position
        std::vector<SkinColorValue> between;
    };
    const Case cases[] = {
        // red 1 -> 11 reaches 5.9999995 at the third step; blue 2 -> 0; green constant.
        {"1 to 11 and 2 to 0 over six",
         0,
         6,
         SkinColorValue{2, 7, 1, 9},
         SkinColorValue{0, 7, 11, 3},
         {{1, 7, 2, 9}, {1, 7, 4, 9}, {0, 7, 5, 9}, {0, 7, 7, 9}, {0, 7, 9, 9}}},
        {"markers given the other way round",
         6,
         0,
         SkinColorValue{2, 7, 1, 9},
         SkinColorValue{0, 7, 11, 3},
         {{1, 7, 2, 9}, {1, 7, 4, 9}, {0, 7, 5, 9}, {0, 7, 7, 9}, {0, 7, 9, 9}}},
        {"two apart: the truncated mean", 3, 5, Rgb(10, 0, 255), Rgb(21, 1, 0), {SkinColorValue{127, 0, 15, 255}}},
        {"red to blue over the whole analyzer",
         0,
         15,
         Rgb(255, 0, 0),
         Rgb(0, 0, 255),
         {Rgb(238, 0, 17), Rgb(221, 0, 34), Rgb(204, 0, 51), Rgb(187, 0, 68), Rgb(170, 0, 85), Rgb(153, 0, 102),
          Rgb(136, 0, 119), Rgb(119, 0, 136), Rgb(102, 0, 153), Rgb(85, 0, 170), Rgb(68, 0, 187), Rgb(51, 0, 204),
          Rgb(34, 0, 221), Rgb(17, 0, 238)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VisColors colors = SettingsDefaults.VisColor;
        for (size_t i = 0; i < kVisColorCount; ++i)
            colors[i].alpha = static_cast<uint8_t>(100 + i);  // a fourth byte of its own for each
        const int lo = std::min(c.markA, c.markB);
        const int hi = std::max(c.markA, c.markB);
        const auto paint = [](SkinColorValue& to, const SkinColorValue& from) {
            to.red = from.red;
            to.green = from.green;
            to.blue = from.blue;
        };
        paint(Position(colors, lo), c.upper);
        paint(Position(colors, hi), c.lower);
        VisColors expected = colors;
        for (size_t k = 0; k < c.between.size(); ++k)
            paint(Position(expected, lo + 1 + static_cast<int>(k)), c.between[k]);
        ASSERT_TRUE(FillVisGradation(colors, c.markA, c.markB));
        for (size_t i = 0; i < kVisColorCount; ++i) {
            EXPECT_EQ(colors[i].red, expected[i].red) << "VisColor " << i;
            EXPECT_EQ(colors[i].green, expected[i].green) << "VisColor " << i;
            EXPECT_EQ(colors[i].blue, expected[i].blue) << "VisColor " << i;
            EXPECT_EQ(colors[i].alpha, expected[i].alpha) << "VisColor " << i << ": the fourth byte stays";
        }
    }
}

TEST(VisGradation, MarkersCloserThanTwoOrOutsideTheAnalyzerChangeNothing) {
    const int pairs[][2] = {{4, 4}, {4, 5}, {5, 4}, {0, 1}, {15, 14}, {-1, 5}, {3, 16}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(testing::Message() << pair[0] << " and " << pair[1]);
        VisColors colors = SettingsDefaults.VisColor;
        EXPECT_FALSE(FillVisGradation(colors, pair[0], pair[1]));
        EXPECT_EQ(colors, SettingsDefaults.VisColor);
    }
}

}  // namespace
