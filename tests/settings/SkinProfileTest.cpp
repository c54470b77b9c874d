// The skin settings in a profile: the keys a fresh profile gets, and what a read makes of values.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "settings/IniFile.h"
#include "settings/Profile.h"

namespace {

struct GoldenSection {
    const char* name;
    std::vector<std::string> lines;
};

// A fresh profile written from the defaults, section by section and key by key.
std::string GoldenDefaultProfile() {
    std::vector<GoldenSection> sections = {
        {"SkinSetting", {"FullSize=1", "SkinReverse=1", "SkinLine=1", "SkinAlphaBrend=7", "PLSave=1", "MBSave=1"}},
        {"PlFont", {"PlFont="}},
        {"PlTextColor",
         {"Normal_R=0", "Normal_G=255", "Normal_B=0", "Current_R=255", "Current_G=255", "Current_B=255", "NormalBG_R=0",
          "NormalBG_G=0", "NormalBG_B=0", "SelectedBG_R=0", "SelectedBG_G=0", "SelectedBG_B=198"}},
        {"MbTextColor", {"MBFG_R=0", "MBFG_G=255", "MBFG_B=0", "MBBG_R=0", "MBBG_G=0", "MBBG_B=0"}},
        {"NumTextColor",
         {"NumNORMAL_R=0", "NumNORMAL_G=213", "NumNORMAL_B=0", "NumNORMALBG_R=0", "NumNORMALBG_G=0",
          "NumNORMALBG_B=0"}},
        {"TextColor",
         {"TextNORMAL_R=0", "TextNORMAL_G=213", "TextNORMAL_B=0", "TextNORMALBG_R=0", "TextNORMALBG_G=0",
          "TextNORMALBG_B=0"}},
        {"SkinColor",
         {"Color_R=208", "Color_G=208", "Color_B=240", "ColorBG_R=144", "ColorBG_G=144", "ColorBG_B=176",
          "SideColorR=0", "SideColorG=0", "SideColorB=0"}},
        {"VisColor", {}},
        {"MARON",
         {"Use=1", "Enable=1", "Peaks=1", "Rain=0", "Bands=1", "AnalyzerMode=1", "BlendMethod=0", "Opacity=50"}},
        {"SexyFont", {"Use=1"}},
    };
    const int vis[24][3] = {
        {0, 0, 0},       {24, 24, 41},    {239, 49, 16},   {206, 41, 16},   {214, 90, 0},    {214, 102, 0},
        {214, 115, 0},   {198, 123, 8},   {222, 165, 24},  {214, 181, 33},  {189, 222, 41},  {148, 222, 33},
        {41, 206, 16},   {50, 190, 16},   {57, 181, 16},   {49, 156, 8},    {41, 148, 0},    {24, 132, 8},
        {255, 255, 255}, {214, 214, 222}, {181, 189, 189}, {160, 170, 175}, {148, 156, 165}, {150, 150, 150},
    };
    for (int i = 0; i < 24; ++i) {
        for (int c = 0; c < 3; ++c) {
            char line[32];
            std::snprintf(line, sizeof line, "VisColor%c%02d=%d", "RGB"[c], i, vis[i][c]);
            sections[7].lines.push_back(line);
        }
    }
    std::string text;
    size_t keys = 0;
    for (const GoldenSection& section : sections) {
        text += std::string("[") + section.name + "]\r\n";
        for (const std::string& line : section.lines)
            text += line + "\r\n";
        keys += section.lines.size();
    }
    EXPECT_EQ(sections.size(), 10u);
    EXPECT_EQ(keys, 127u);
    return text;
}

TEST(SkinProfileTest, FreshProfileHoldsEveryStoredKeyInOrder) {
    IniFile profile;
    EXPECT_TRUE(WriteSkinSettings(profile, SettingsDefaults));
    EXPECT_EQ(profile.Text(), GoldenDefaultProfile());
}

TEST(SkinProfileTest, RewritingKeepsTheLayout) {
    SkinSettings changed;
    changed.Opacity = 80;
    changed.VisColor[23] = Rgb(1, 2, 3);
    IniFile profile;
    WriteSkinSettings(profile, changed);
    WriteSkinSettings(profile, SettingsDefaults);
    EXPECT_EQ(profile.Text(), GoldenDefaultProfile());
}

SkinSettings LoadText(const std::string& text, SkinSettings start = {}) {
    ReadSkinSettings(IniFile(text), start);
    return start;
}

TEST(SkinProfileTest, MissingKeysGiveDefaults) {
    SkinSettings changed;
    changed.FullSize = 0;
    changed.Opacity = 70;
    std::strcpy(changed.PlFont, "Old");
    changed.VisColor[5] = Rgb(1, 1, 1);
    changed.Normal.alpha = 0;
    const std::string texts[] = {
        "",
        "[MainWnd]\r\nX=1\r\n",
        "[SkinSetting]\r\n[PlFont]\r\n[VisColor]\r\n[MARON]\r\n",
        "[VisColor]\r\nVisColorR24=5\r\nVisColorR5=5\r\n",
    };
    for (const std::string& text : texts) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(LoadText(text, changed), SettingsDefaults);
    }
}

TEST(SkinProfileTest, WrittenSettingsReadBack) {
    SkinSettings s;
    s.FullSize = 0;
    s.SkinReverse = 0;
    s.SkinAlphaBrend = 10;
    std::strcpy(s.PlFont, "\x82\x6c\x82\x72 \x83\x53\x83\x56\x83\x62\x83\x4e");  // "ＭＳ ゴシック"
    s.SideColor = Rgb(1, 2, 3);
    s.SelectedBG = Rgb(200, 100, 50);
    for (size_t i = 0; i < s.VisColor.size(); ++i)
        s.VisColor[i] = Rgb(uint8_t(i), uint8_t(i * 2), uint8_t(255 - i));
    s.Rain = 1;
    s.AnalyzerMode = 2;
    s.BlendMethod = 2;
    s.Opacity = 100;
    s.SexyFontUse = 0;
    s.MaronUse = 0;
    IniFile profile;
    ASSERT_TRUE(WriteSkinSettings(profile, s));
    EXPECT_EQ(LoadText(profile.Text()), s);
}

struct ValueRow {
    std::string profile;
    std::function<bool(const SkinSettings&)> check;
};

TEST(SkinProfileTest, ReadsValuesAsTheProgramDoes) {
    const ValueRow rows[] = {
        // Colour components keep the low 8 bits.
        {"[PlTextColor]\r\nNormal_R=256\r\nNormal_G=300\r\nNormal_B=-1\r\n",
         [](const SkinSettings& s) { return s.Normal == Rgb(0, 44, 255); }},
        {"[VisColor]\r\nVisColorG05=300\r\nvisColorb05=511\r\n",
         [](const SkinSettings& s) { return s.VisColor[5] == Rgb(214, 44, 255); }},
        {"[SkinColor]\r\nSideColorR=9\r\nSideColor_R=7\r\n",
         [](const SkinSettings& s) { return s.SideColor == Rgb(9, 0, 0); }},
        // Range repair of the three MARON fields, and nothing else.
        {"[MARON]\r\nAnalyzerMode=3\r\nBlendMethod=5\r\nOpacity=101\r\n",
         [](const SkinSettings& s) { return s.AnalyzerMode == 1 && s.BlendMethod == 0 && s.Opacity == 50; }},
        {"[MARON]\r\nOpacity=150\r\n", [](const SkinSettings& s) { return s.Opacity == 50; }},
        {"[MARON]\r\nOpacity=0\r\n", [](const SkinSettings& s) { return s.Opacity == 0; }},
        {"[MARON]\r\nOpacity=100\r\nAnalyzerMode=-1\r\n",
         [](const SkinSettings& s) { return s.Opacity == 100 && s.AnalyzerMode == 1; }},
        {"[SkinSetting]\r\nSkinAlphaBrend=12\r\nFullSize=2\r\n",
         [](const SkinSettings& s) { return s.SkinAlphaBrend == 12 && s.FullSize == 2; }},
        // The two "Use" keys are told apart by their sections.
        {"[MARON]\r\nUse=0\r\n[SexyFont]\r\nUse=1\r\n",
         [](const SkinSettings& s) { return s.MaronUse == 0 && s.SexyFontUse == 1; }},
        {"[sexyfont]\r\nuse=0\r\n", [](const SkinSettings& s) { return s.MaronUse == 1 && s.SexyFontUse == 0; }},
        // Alpha comes from the alpha keys that are read but never written.
        {"[PlTextColor]\r\nNormal_A=0\r\n[SkinColor]\r\nSideColorA=7\r\n[VisColor]\r\nVisColorA23=1\r\n",
         [](const SkinSettings& s) {
             return s.Normal.alpha == 0 && s.SideColor.alpha == 7 && s.VisColor[23].alpha == 1 &&
                    s.Current.alpha == 255;
         }},
        // KeyColor is never read.
        {"[SkinColor]\r\nKeyColor_R=0\r\nKeyColor_A=0\r\n",
         [](const SkinSettings& s) { return s.KeyColor == Rgb(255, 255, 255); }},
        // The font name is taken literally.
        {"[PlFont]\r\nPlFont=100%s %d%%\r\n",
         [](const SkinSettings& s) { return std::string(s.PlFont) == "100%s %d%%"; }},
    };
    for (const ValueRow& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.profile));
        SkinSettings start;
        start.KeyColor = Rgb(1, 2, 3);
        EXPECT_TRUE(row.check(LoadText(row.profile, start)));
    }
}

TEST(SkinProfileTest, FontNamesAreCutTo255Bytes) {
    const std::string a254(254, 'a');
    const std::string dbcs = "\x83\x5C";  // a double-byte character whose trail byte is '\\'
    const struct {
        const char* what;
        std::string stored;
        std::string loaded;
    } rows[] = {
        {"255 bytes kept", a254 + "b", a254 + "b"},
        {"300 bytes cut", std::string(300, 'x'), std::string(255, 'x')},
        {"a character ending at 255 kept", std::string(253, 'a') + dbcs, std::string(253, 'a') + dbcs},
        {"a character across the cut dropped whole", a254 + dbcs + "z", a254},
        {"double-byte text cut on a boundary",
         [&] {
             std::string s;
             for (int i = 0; i < 200; ++i)
                 s += dbcs;
             return s;
         }(),
         [&] {
             std::string s;
             for (int i = 0; i < 127; ++i)
                 s += dbcs;
             return s;
         }()},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const SkinSettings s = LoadText("[PlFont]\r\nPlFont=" + row.stored + "\r\n");
        EXPECT_EQ(std::string(s.PlFont), row.loaded);
        EXPECT_EQ(s.PlFont[kPlFontSize - 1], '\0');
    }
}

TEST(SkinProfileTest, ResetAfterLoadBringsAlphaBack) {
    SkinSettings s = LoadText("[PlTextColor]\r\nNormal_A=0\r\n[SkinColor]\r\nColor_A=0\r\n");
    FromColorRef(s.Normal, ToColorRef(Rgb(10, 20, 30)));
    EXPECT_EQ(s.Normal.alpha, 0);
    s.ResetMainEq();
    EXPECT_EQ(s.Normal.alpha, 0);
    EXPECT_EQ(s.Color.alpha, 255);
    s.ResetPlaylistMb();
    EXPECT_EQ(s.Normal, SettingsDefaults.Normal);
}

TEST(SkinProfileTest, AFontNameWithALineBreakIsNotWritten) {
    SkinSettings s;
    std::strcpy(s.PlFont, "Evil\r\n[MARON]\r\nUse=0");
    IniFile profile("[PlFont]\r\nPlFont=Kept\r\n");
    EXPECT_FALSE(WriteSkinSettings(profile, s));
    EXPECT_EQ(profile.ReadString("PlFont", "PlFont", ""), "Kept");
    EXPECT_EQ(profile.ReadInt("MARON", "Use", -1), 1);
}

}  // namespace
