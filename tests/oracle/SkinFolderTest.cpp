#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "Cases.h"
#include "FolderCheck.h"
#include "writer/SaveSkin.h"

namespace oracle {

namespace fs = std::filesystem;

void ExpectFolderMatches(const ExpectedFolder& expected, const std::string& folder) {
    std::set<std::string> present;
    for (const auto& entry : fs::directory_iterator(folder))
        present.insert(entry.path().filename().string());
    std::set<std::string> wanted;
    for (const auto& [name, bytes] : expected.files)
        wanted.insert(name);
    if (expected.sexyFont)
        wanted.insert("SEXYFONT.TXT");
    for (const std::string& name : wanted) {
        if (!present.count(name))
            ADD_FAILURE() << name << " was not written";
    }
    for (const std::string& name : present) {
        if (!wanted.count(name))
            ADD_FAILURE() << name << " was written but should not be";
    }

    for (const auto& [name, bytes] : expected.files) {
        if (!present.count(name))
            continue;
        const std::string actual = ReadFileBytes(fs::path(folder) / name);
        const bool bitmap = name.ends_with(".BMP");
        const int32_t width =
            bitmap && bytes.size() >= 54 ? static_cast<uint8_t>(bytes[18]) | static_cast<uint8_t>(bytes[19]) << 8 : 0;
        const std::string difference = DescribeDifference(bytes, actual, bitmap ? 54 : 0, (3 * width + 3) / 4 * 4, 3);
        EXPECT_EQ(difference, "") << name;
    }
    if (expected.sexyFont && present.count("SEXYFONT.TXT")) {
        EXPECT_EQ(CheckSexyFontTxt(ReadFileBytes(fs::path(folder) / "SEXYFONT.TXT")), "");
    }
}

namespace {

void SaveAndCompare(ScratchFolder& scratch, const SkinSettings& s, const PictureCase& picture) {
    const std::string folder = scratch.FreshFolder();
    ASSERT_EQ(SaveSkinFolder(folder, s, picture.fit232, picture.fit116), 1);
    ExpectFolderMatches(ExpectedSkinFolder(s, picture.fit232, picture.fit116), folder);
}

// Every combination of the three window-shaping flags for every picture, with the playlist and
// browser switches rotating so that all 32 flag combinations occur; the opacity and the colour
// profile rotate with the case number so that each value meets several flag combinations.
TEST(SkinFolderOracle, EveryFlagCombinationOverThePictures) {
    ScratchFolder scratch("oracle");
    int n = 0;
    for (size_t p = 0; p < Pictures().size(); ++p) {
        const PictureCase& picture = Pictures()[p];
        for (int flags = 0; flags < 8; ++flags, ++n) {
            const ColourProfile& profile = ColourProfiles()[n % ColourProfiles().size()];
            SkinSettings s = profile.settings;
            s.FullSize = flags & 1;
            s.SkinReverse = flags >> 1 & 1;
            s.SkinLine = flags >> 2 & 1;
            const size_t windows = (p + flags) % 4;  // over the pictures every flag combination meets all four
            s.PLSave = windows & 1;
            s.MBSave = windows >> 1 & 1;
            s.SkinAlphaBrend = Opacities()[n % Opacities().size()];
            SCOPED_TRACE(std::string(picture.name) + ", " + profile.name + ", " + Describe(s));
            SaveAndCompare(scratch, s, picture);
        }
    }
}

// Every opacity with every colour profile, both stackings and the window alone.
TEST(SkinFolderOracle, EveryOpacityWithEveryColourProfile) {
    ScratchFolder scratch("oracle");
    const PictureCase& picture = Pictures()[1];
    for (const OpacityCase& c : OpacityCases()) {
        SCOPED_TRACE(std::string(picture.name) + ", " + c.profileName + ", " + Describe(c.settings));
        SaveAndCompare(scratch, c.settings, picture);
    }
}

// A loaded profile can hold any integer in a flag: the frame is drawn only for SkinLine 1, the
// other flags count as set when non-zero.
TEST(SkinFolderOracle, FlagValuesOtherThanZeroAndOne) {
    ScratchFolder scratch("oracle");
    const int32_t values[][7] = {{2, -1, 2, 5, -1, 3, -2}, {-7, 3, -1, -1, 9, 0, 0}, {0, 2, 1, 0, 0, -1, 4}};
    for (const auto& v : values) {
        SkinSettings s = SettingsDefaults;
        s.FullSize = v[0];
        s.SkinReverse = v[1];
        s.SkinLine = v[2];
        s.PLSave = v[3];
        s.MBSave = v[4];
        s.SexyFontUse = v[5];
        s.MaronUse = v[6];
        SCOPED_TRACE(Describe(s) + " SexyFontUse " + std::to_string(s.SexyFontUse) + " MaronUse " +
                     std::to_string(s.MaronUse));
        SaveAndCompare(scratch, s, Pictures()[1]);
    }
}

// The structural check of SEXYFONT.TXT accepts the written file and rejects small damage to it, so
// that its silence in the matrix means something.
TEST(SkinFolderOracle, SexyFontCheckRejectsDamage) {
    ScratchFolder scratch("oracle");
    const std::string folder = scratch.FreshFolder();
    ASSERT_EQ(SaveSkinFolder(folder, SettingsDefaults, Pictures()[0].fit232, Pictures()[0].fit116), 1);
    const std::string text = ReadFileBytes(std::filesystem::path(folder) / "SEXYFONT.TXT");
    ASSERT_EQ(CheckSexyFontTxt(text), "");
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string damaged = text;
        const size_t at = damaged.find(from);
        return at == std::string::npos ? std::string() : damaged.replace(at, from.size(), to);
    };
    const std::string damaged[] = {
        text.substr(0, text.size() - 2),                                         // no empty last line
        replaced("OPACITY=10\r\n", "OPACITY=11\r\n"),                            // a changed value
        replaced("\r\nFONTSIZELOGICAL=1\r\n", "\r\n\r\nFONTSIZELOGICAL=1\r\n"),  // a line shifted
        replaced("\r\n;   ", "\r\n; "),                                          // a comment without its indent
        replaced("\r\n;\r\n", "\r\n;   x\r\n"),                                  // a separator turned comment
    };
    for (const std::string& d : damaged) {
        ASSERT_FALSE(d.empty());
        EXPECT_NE(CheckSexyFontTxt(d), "");
    }
}

}  // namespace

}  // namespace oracle
