#include "settings/SkinSettings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

enum class Group { kMainEq, kPlaylistMb, kSexyFont, kMaron, kNone };

struct Field {
    std::string name;
    Group group;
    std::function<bool(const SkinSettings&)> isDefault;
};

template <typename T>
Field Member(std::string name, Group group, T SkinSettings::*member) {
    return {std::move(name), group, [member](const SkinSettings& s) { return s.*member == SettingsDefaults.*member; }};
}

// Every field with the reset group that owns it.
std::vector<Field> AllFields() {
    using enum Group;
    return {
        Member("FullSize", kMainEq, &SkinSettings::FullSize),
        Member("SkinReverse", kMainEq, &SkinSettings::SkinReverse),
        Member("SkinLine", kMainEq, &SkinSettings::SkinLine),
        Member("SkinAlphaBrend", kMainEq, &SkinSettings::SkinAlphaBrend),
        {"PlFont", kPlaylistMb, [](const SkinSettings& s) { return s.PlFont[0] == '\0'; }},
        Member("Color", kMainEq, &SkinSettings::Color),
        Member("ColorBG", kMainEq, &SkinSettings::ColorBG),
        Member("SideColor", kMainEq, &SkinSettings::SideColor),
        Member("KeyColor", kNone, &SkinSettings::KeyColor),
        Member("Normal", kPlaylistMb, &SkinSettings::Normal),
        Member("NormalBG", kPlaylistMb, &SkinSettings::NormalBG),
        Member("Current", kPlaylistMb, &SkinSettings::Current),
        Member("SelectedBG", kPlaylistMb, &SkinSettings::SelectedBG),
        Member("MBFG", kPlaylistMb, &SkinSettings::MBFG),
        Member("MBBG", kPlaylistMb, &SkinSettings::MBBG),
        Member("NumNORMAL", kMainEq, &SkinSettings::NumNORMAL),
        Member("NumNORMALBG", kMainEq, &SkinSettings::NumNORMALBG),
        Member("TextNORMAL", kMainEq, &SkinSettings::TextNORMAL),
        Member("TextNORMALBG", kMainEq, &SkinSettings::TextNORMALBG),
        {"VisColor[0]", kMainEq, [](const SkinSettings& s) { return s.VisColor[0] == SettingsDefaults.VisColor[0]; }},
        {"VisColor[23]", kMainEq,
         [](const SkinSettings& s) { return s.VisColor[23] == SettingsDefaults.VisColor[23]; }},
        Member("Enable", kMaron, &SkinSettings::Enable),
        Member("Peaks", kMaron, &SkinSettings::Peaks),
        Member("Rain", kMaron, &SkinSettings::Rain),
        Member("Bands", kMaron, &SkinSettings::Bands),
        Member("AnalyzerMode", kMaron, &SkinSettings::AnalyzerMode),
        Member("BlendMethod", kMaron, &SkinSettings::BlendMethod),
        Member("Opacity", kMaron, &SkinSettings::Opacity),
        Member("PLSave", kPlaylistMb, &SkinSettings::PLSave),
        Member("MBSave", kPlaylistMb, &SkinSettings::MBSave),
        Member("SexyFontUse", kSexyFont, &SkinSettings::SexyFontUse),
        Member("MaronUse", kMaron, &SkinSettings::MaronUse),
    };
}

// Every field away from its default; colours keep their RGB but lose their alpha, which only a
// reset brings back.
SkinSettings ChangedSettings() {
    SkinSettings s;
    s.FullSize = s.SkinReverse = s.SkinLine = 0;
    s.SkinAlphaBrend = 3;
    std::strcpy(s.PlFont, "Tahoma");
    for (SkinColorValue* c :
         {&s.Color, &s.ColorBG, &s.SideColor, &s.KeyColor, &s.Normal, &s.NormalBG, &s.Current, &s.SelectedBG, &s.MBFG,
          &s.MBBG, &s.NumNORMAL, &s.NumNORMALBG, &s.TextNORMAL, &s.TextNORMALBG})
        c->alpha = 0;
    for (SkinColorValue& c : s.VisColor)
        c.alpha = 0;
    s.Enable = s.Peaks = s.Bands = 0;
    s.Rain = 1;
    s.AnalyzerMode = 2;
    s.BlendMethod = 1;
    s.Opacity = 10;
    s.PLSave = s.MBSave = s.SexyFontUse = s.MaronUse = 0;
    return s;
}

TEST(SkinSettingsTest, EachResetRestoresOnlyItsGroup) {
    const struct {
        const char* name;
        Group group;
        void (SkinSettings::*reset)();
    } resets[] = {
        {"ResetMainEq", Group::kMainEq, &SkinSettings::ResetMainEq},
        {"ResetPlaylistMb", Group::kPlaylistMb, &SkinSettings::ResetPlaylistMb},
        {"ResetSexyFont", Group::kSexyFont, &SkinSettings::ResetSexyFont},
        {"ResetMaron", Group::kMaron, &SkinSettings::ResetMaron},
    };
    const std::vector<Field> fields = AllFields();
    for (const auto& reset : resets) {
        SkinSettings s = ChangedSettings();
        for (const Field& field : fields)
            ASSERT_FALSE(field.isDefault(s)) << field.name;
        (s.*reset.reset)();
        for (const Field& field : fields) {
            SCOPED_TRACE(std::string(reset.name) + " " + field.name);
            EXPECT_EQ(field.isDefault(s), field.group == reset.group);
        }
    }
}

TEST(SkinSettingsTest, ValidateLoadedRepairsOnlyTheMaronRanges) {
    const struct {
        int32_t analyzer, blend, opacity;
        int32_t wantAnalyzer, wantBlend, wantOpacity;
    } rows[] = {
        {0, 0, 0, 0, 0, 0},     {2, 2, 100, 2, 2, 100},        {3, 5, 101, 1, 0, 50},
        {-1, -1, -1, 1, 0, 50}, {INT32_MIN, 3, 150, 1, 0, 50},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.analyzer << " " << row.blend << " " << row.opacity);
        SkinSettings s;
        s.AnalyzerMode = row.analyzer;
        s.BlendMethod = row.blend;
        s.Opacity = row.opacity;
        s.SkinAlphaBrend = 12;
        s.FullSize = 5;
        s.ValidateLoaded();
        EXPECT_EQ(s.AnalyzerMode, row.wantAnalyzer);
        EXPECT_EQ(s.BlendMethod, row.wantBlend);
        EXPECT_EQ(s.Opacity, row.wantOpacity);
        EXPECT_EQ(s.SkinAlphaBrend, 12);
        EXPECT_EQ(s.FullSize, 5);
    }
}

TEST(SkinSettingsTest, ColorRefRoundTripKeepsAlpha) {
    const struct {
        SkinColorValue color;
        uint32_t colorRef;
    } rows[] = {
        {Rgb(0x12, 0x34, 0x56), 0x00563412u},
        {Rgb(255, 0, 0), 0x000000FFu},
        {Rgb(0, 0, 255), 0x00FF0000u},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.colorRef);
        EXPECT_EQ(ToColorRef(row.color), row.colorRef);
        SkinColorValue picked{9, 9, 9, 0};
        FromColorRef(picked, row.colorRef);
        SkinColorValue expected = row.color;
        expected.alpha = 0;
        EXPECT_EQ(picked, expected);
    }
    SkinColorValue c{1, 2, 3, 77};
    FromColorRef(c, 0xAB000000u | 0x00030201u);  // the top byte of the word is ignored
    EXPECT_EQ(c, (SkinColorValue{3, 2, 1, 77}));
}

}  // namespace
