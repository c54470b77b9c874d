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

void SaveAndCompareEach(const std::vector<OracleCase>& cases) {
    ScratchFolder scratch("oracle");
    ForEachCase(cases, [&](const SkinSettings& s, const PictureCase& p) { SaveAndCompare(scratch, s, p); });
}

TEST(SkinFolderOracle, EveryFlagCombinationOverThePictures) {
    SaveAndCompareEach(FlagCases(0, 1));
}

TEST(SkinFolderOracle, EveryOpacityWithEveryColourProfile) {
    SaveAndCompareEach(OpacityCases(Pictures()[1]));
}

// The frame is drawn only for SkinLine 1; the other flags count as set when non-zero.
TEST(SkinFolderOracle, FlagValuesOtherThanZeroAndOne) {
    SaveAndCompareEach(FlagValueCases(Pictures()[1]));
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
