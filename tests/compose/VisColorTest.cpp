#include <gtest/gtest.h>

#include <vector>

#include "compose/VisColorPanel.h"
#include "compose/VisGradation.h"

namespace {

using VisColors = std::array<SkinColorValue, kVisColorCount>;

// One 64 x 16 swatch drawn by hand from its pixel table: runs of rows y0..y1 and columns x0..x1.
// W 255, L 223, S 127, K 0 and M 64 grey; C the swatch's colour.
struct Run {
    int y0, y1, x0, x1;
    char what;
};
constexpr Run kSwatchRuns[] = {
    {0, 0, 0, 62, 'W'},   {0, 0, 63, 63, 'K'}, {1, 1, 0, 0, 'W'},    {1, 1, 1, 61, 'L'},    {1, 1, 62, 62, 'S'},
    {1, 1, 63, 63, 'K'},  {2, 13, 0, 0, 'W'},  {2, 13, 1, 1, 'L'},   {2, 13, 2, 61, 'C'},   {2, 13, 62, 62, 'S'},
    {2, 13, 63, 63, 'K'}, {14, 14, 0, 0, 'W'}, {14, 14, 1, 62, 'S'}, {14, 14, 63, 63, 'K'}, {15, 15, 0, 63, 'K'},
};
constexpr Run kMarkerRuns[] = {
    {0, 1, 0, 63, 'M'}, {14, 15, 0, 63, 'M'}, {2, 13, 0, 1, 'M'}, {2, 13, 62, 63, 'M'}, {2, 13, 2, 61, 'C'},
};

// Blue, green, red of pixel x in row y (from the top) of swatch k: a panel H rows high stores that
// row H - 16k - y - 1 rows above its first, each 4 * 64 bytes.
std::array<int, 3> At(const DibBuffer& panel, int k, int x, int y) {
    const uint8_t* p = panel.Pixels() + (panel.Height() - 16 * k - y - 1) * 256 + 4 * x;
    return {p[0], p[1], p[2]};
}

std::array<int, 3> Expected(char what, const SkinColorValue& c) {
    const int grey = what == 'W' ? 255 : what == 'L' ? 223 : what == 'S' ? 127 : what == 'M' ? 64 : 0;
    return what == 'C' ? std::array<int, 3>{c.blue, c.green, c.red} : std::array<int, 3>{grey, grey, grey};
}

template <size_t N>
void ExpectRuns(const DibBuffer& panel, int k, const SkinColorValue& color, const Run (&runs)[N]) {
    std::vector<int> covered(64 * 16, 0);
    for (const Run& run : runs) {
        for (int y = run.y0; y <= run.y1; ++y) {
            for (int x = run.x0; x <= run.x1; ++x) {
                ++covered[y * 64 + x];
                EXPECT_EQ(At(panel, k, x, y), Expected(run.what, color)) << "swatch " << k << " x " << x << " y " << y;
            }
        }
    }
    EXPECT_EQ(std::vector<int>(64 * 16, 1), covered) << "the runs cover each pixel once";
}

TEST(VisColorPanel, SwatchesAndMarkersFollowTheirPixelTables) {
    DibBuffer background, analyzer;
    ASSERT_TRUE(AllocateVisPanel(background, kVisBackground));
    ASSERT_TRUE(AllocateVisPanel(analyzer, kVisAnalyzer));
    ASSERT_EQ(background.Height(), 32);
    ASSERT_EQ(analyzer.Height(), 256);
    const SkinColorValue color = Rgb(10, 20, 30);
    DrawSwatch(background, 1, color);
    ExpectRuns(background, 1, color, kSwatchRuns);
    EXPECT_EQ(At(background, 0, 5, 5), (std::array<int, 3>{0, 0, 0})) << "the upper swatch stays untouched";
    EXPECT_EQ(background.Pixels()[15 * 256], 255) << "the lower swatch's top-left pixel is stored 15 rows up";
    for (int k : {0, 15}) {
        DrawSwatch(analyzer, k, color);
        DrawMarker(analyzer, k);
        ExpectRuns(analyzer, k, color, kMarkerRuns);
    }
    EXPECT_EQ(analyzer.Pixels()[2], 64) << "swatch 15 is the bottom one, first in memory";
    DrawSwatch(analyzer, 15, color);  // drawing the swatch again takes its marker away
    ExpectRuns(analyzer, 15, color, kSwatchRuns);
}

TEST(VisColorPanel, SwatchesOutsideThePanelDrawNothing) {
    DibBuffer panel, empty;
    ASSERT_TRUE(AllocateVisPanel(panel, kVisPeak));
    const std::vector<uint8_t> before(panel.Pixels(), panel.Pixels() + panel.PixelBytes());
    for (int k : {-1, 1, 16}) {
        DrawSwatch(panel, k, Rgb(1, 2, 3));
        DrawMarker(panel, k);
    }
    EXPECT_EQ(std::vector<uint8_t>(panel.Pixels(), panel.Pixels() + panel.PixelBytes()), before);
    DrawSwatch(empty, 0, Rgb(1, 2, 3));  // a panel that could not be made stays empty
    DrawMarker(empty, 0);
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(VisGradation, SinglePrecisionRunningSumTruncates) {
    std::vector<SkinColorValue> redToBlue;  // 255 - 17k red, 17k blue
    for (int k = 1; k <= 14; ++k)
        redToBlue.push_back(Rgb(static_cast<uint8_t>(255 - 17 * k), 0, static_cast<uint8_t>(17 * k)));
    // Red 1 -> 11 reaches 5.9999995 at the third step; blue goes 2 -> 0; green stays.
    const std::vector<SkinColorValue> sixSteps = {Rgb(2, 7, 1), Rgb(4, 7, 1), Rgb(5, 7, 0), Rgb(7, 7, 0), Rgb(9, 7, 0)};
    const struct {
        int markA, markB;
        SkinColorValue upper, lower;  // at the smaller and the larger position
        std::vector<SkinColorValue> between;
    } cases[] = {
        {0, 6, Rgb(1, 7, 2), Rgb(11, 7, 0), sixSteps},
        {6, 0, Rgb(1, 7, 2), Rgb(11, 7, 0), sixSteps},              // the markers either way round
        {3, 5, Rgb(10, 0, 255), Rgb(21, 1, 0), {Rgb(15, 0, 127)}},  // the truncated mean
        {0, 15, Rgb(255, 0, 0), Rgb(0, 0, 255), redToBlue},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "markers " << c.markA << " and " << c.markB);
        VisColors colors = SettingsDefaults.VisColor;
        const size_t lo = 2 + static_cast<size_t>(std::min(c.markA, c.markB));
        colors[lo] = c.upper;
        colors[lo + c.between.size() + 1] = c.lower;
        for (size_t i = 0; i < kVisColorCount; ++i)
            colors[i].alpha = static_cast<uint8_t>(100 + i);  // a fourth byte of its own, which stays
        VisColors expected = colors;
        for (size_t k = 0; k < c.between.size(); ++k) {
            expected[lo + 1 + k] = c.between[k];
            expected[lo + 1 + k].alpha = colors[lo + 1 + k].alpha;
        }
        ASSERT_TRUE(FillVisGradation(colors, c.markA, c.markB));
        for (size_t i = 0; i < kVisColorCount; ++i)
            EXPECT_EQ(colors[i], expected[i]) << "VisColor " << i << ": " << int(colors[i].red) << ","
                                              << int(colors[i].green) << "," << int(colors[i].blue);
    }
}

TEST(VisGradation, MarkersCloserThanTwoOrOutsideTheAnalyzerChangeNothing) {
    for (const auto& [a, b] : {std::pair{4, 4}, {4, 5}, {5, 4}, {0, 1}, {15, 14}, {-1, 5}, {3, 16}}) {
        VisColors colors = SettingsDefaults.VisColor;
        EXPECT_FALSE(FillVisGradation(colors, a, b)) << a << " and " << b;
        EXPECT_EQ(colors, SettingsDefaults.VisColor) << a << " and " << b;
    }
}

}  // namespace
