#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gen/expected_maron_defaults.h"
#include "gen/expected_pledit_browser_only.h"
#include "gen/expected_pledit_defaults.h"
#include "gen/expected_viscolor_defaults.h"
#include "writer/TextFiles.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos)
            break;
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

TEST(PleditTxt, DefaultsAndVariants) {
    const SkinSettings defaults;
    EXPECT_EQ(PleditTxtText(defaults), kExpectedPleditDefaults);

    SkinSettings browserOnly;
    browserOnly.PLSave = 0;
    EXPECT_EQ(PleditTxtText(browserOnly), kExpectedPleditBrowserOnly);

    SkinSettings neither;
    neither.PLSave = 0;
    neither.MBSave = 0;
    EXPECT_EQ(PleditTxtText(neither), "[TEXT]\r\n\r\n");

    SkinSettings playlistOnly;
    playlistOnly.MBSave = 0;
    const std::string text = PleditTxtText(playlistOnly);
    EXPECT_EQ(text, std::string(kExpectedPleditDefaults).substr(0, text.size()));
    EXPECT_EQ(Lines(text).size(), 20u);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
}

TEST(PleditTxt, ValuesAreRedFirstHexAndTheFontAsStored) {
    SkinSettings s;
    s.Normal = Rgb(1, 2, 3);
    s.Normal.alpha = 0x99;
    s.MBBG = Rgb(0xAB, 0xCD, 0xEF);
    std::snprintf(s.PlFont, sizeof s.PlFont, "%s", "Tahoma Bold");
    const std::string text = PleditTxtText(s);
    EXPECT_NE(text.find("\r\nNORMAL=#010203\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nMBBG=#ABCDEF\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nFONT=Tahoma Bold\r\nFON=Tahoma Bold\r\n"), std::string::npos);

    // A face name that fills the whole field without a terminating zero stays inside it.
    std::memset(s.PlFont, 'x', sizeof s.PlFont);
    EXPECT_NE(PleditTxtText(s).find("FONT=" + std::string(sizeof s.PlFont, 'x') + "\r\n"), std::string::npos);
}

TEST(MaronTxt, DefaultsAndValues) {
    const SkinSettings defaults;
    EXPECT_EQ(MaronTxtText(defaults), kExpectedMaronDefaults);

    SkinSettings s;
    s.AnalyzerMode = 2;
    s.BlendMethod = 1;
    s.Opacity = 100;
    s.Enable = 0;
    s.Peaks = 0;
    s.Bands = 0;
    s.Rain = -7;
    const std::vector<std::string> lines = Lines(MaronTxtText(s));
    ASSERT_EQ(lines.size(), 32u);
    const std::pair<int, const char*> values[] = {{4, "ANALYZERMODE=2"}, {10, "BLENDMETHOD=1"}, {17, "RATIO=100"},
                                                  {20, "ENABLE=0"},      {23, "PEAKS=0"},       {26, "BANDS=0"},
                                                  {31, "RAIN=-7"}};
    for (const auto& [number, line] : values)
        EXPECT_EQ(lines[number - 1], line) << "line " << number;
    EXPECT_NE(lines.back(), "");  // the comment is last, no empty line after it
}

TEST(VisColorTxt, TwentyFourLinesOfPaddedDecimals) {
    const SkinSettings defaults;
    EXPECT_EQ(VisColorTxtText(defaults), kExpectedVisColorDefaults);

    SkinSettings s;
    s.VisColor[7] = Rgb(5, 10, 200);
    const std::vector<std::string> lines = Lines(VisColorTxtText(s));
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[7].substr(0, 12), "005,010,200 ");
    EXPECT_EQ(lines[7].substr(12), Lines(kExpectedVisColorDefaults)[7].substr(12));
}

TEST(SexyFontTxt, CompleteSkinsLetTheMouseReachTheEqualizer) {
    std::string expected = SexyFontTxtText();
    const size_t at = expected.find("\r\nMASKEQ=1\r\n");
    ASSERT_NE(at, std::string::npos);
    expected[at + 9] = '0';
    EXPECT_EQ(SexyFontTxtText(SkinMode::Complete), expected);
}

TEST(SexyFontTxt, FixedLayoutOf152Lines) {
    const std::string text = SexyFontTxtText();
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 152u);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");

    // Every key line at its number; the rest are empty lines or comments.
    const std::pair<int, const char*> keys[] = {
        {1, "[YUNASOFT SEXYFONT PLUG-IN]"},
        {3, "FONTBOLD=0"},
        {4, "FONTITALIC=0"},
        {5, "FONTBOLDDOUBLE=1"},
        {6, "FONTITALICDOUBLE=0"},
        {7, "FONTBOLDPE=0"},
        {8, "FONTITALICPE=0"},
        {13, "FONTFACE=MS UI GOTHIC"},
        {14, "FONTFACEDOUBLE=MS UI GOTHIC"},
        {15, "FONTFACEPE=MS UI GOTHIC"},
        {19, "FONTSIZELOGICAL=1"},
        {24, "FONTSIZE=12"},
        {25, "FONTSIZEDOUBLE=24"},
        {26, "FONTSIZEPE=12"},
        {32, "OFFSETTOP=3"},
        {33, "OFFSETLEFT=2"},
        {34, "OFFSETRIGHT=1"},
        {35, "OFFSETBOTTOM=3"},
        {48, "SIMPLEBLT=1"},
        {65, "PEWINDOWSHADE=1"},
        {70, "TRANSPARENT=1"},
        {73, "TRANSPARENTINFO=1"},
        {76, "TRANSPARENTTIME=1"},
        {79, "TRANSPARENTPE=1"},
        {84, "ANTIALIAS=0"},
        {90, "DROPSHADOW=1"},
        {94, "DROPSHADOWINFO=0"},
        {97, "DROPSHADOWTIME=1"},
        {100, "DROPSHADOWPE=0"},
        {105, "ALPHA=1"},
        {106, "ALPHATIME=1"},
        {107, "ALPHAINFO=1"},
        {108, "ALPHAPE=0"},
        {112, "BLENDMETHOD=0"},
        {113, "BLENDMETHODTIME=0"},
        {114, "BLENDMETHODINFO=0"},
        {115, "BLENDMETHODPE=0"},
        {120, "OPACITY=10"},
        {121, "OPACITYTIME=50"},
        {122, "OPACITYINFO=50"},
        {123, "OPACITYPE=50"},
        {127, "FINISHOPACITY=70"},
        {132, "GRADATION=4"},
        {142, "CHROMA=0"},
        {147, "MASKEQ=1"},
    };
    // Comment blocks: first and last line numbers.
    const std::pair<int, int> comments[] = {
        {9, 10},    {16, 16},   {20, 21},   {27, 29},   {36, 45},   {49, 62},   {66, 67},   {71, 71},
        {74, 74},   {77, 77},   {80, 81},   {85, 87},   {91, 92},   {95, 95},   {98, 98},   {101, 102},
        {109, 109}, {116, 117}, {124, 124}, {128, 129}, {133, 139}, {143, 144}, {148, 151},
    };
    // Per line: the exact text, or null for an empty line, or kComment for a comment line.
    static const char* const kComment = "comment";
    std::vector<const char*> expected(153, nullptr);
    for (const auto& [number, key] : keys)
        expected[number] = key;
    for (const auto& [first, last] : comments) {
        for (int n = first; n <= last; ++n)
            expected[n] = kComment;
    }
    for (int n : {38, 42, 52, 58})
        expected[n] = ";";
    for (int n = 1; n <= 152; ++n) {
        SCOPED_TRACE(testing::Message() << "line " << n << ": " << lines[n - 1]);
        const std::string& line = lines[n - 1];
        if (expected[n] == nullptr) {
            EXPECT_TRUE(line.empty());
        } else if (expected[n] == kComment) {
            EXPECT_TRUE(line.size() > 4 && line.compare(0, 4, ";   ") == 0);
        } else {
            EXPECT_STREQ(line.c_str(), expected[n]);
        }
    }
}

}  // namespace
